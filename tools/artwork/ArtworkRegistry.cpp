#include "tools/artwork/ArtworkRegistry.h"

#include <fstream>
#include <ostream>
#include <system_error>

#include "platform/graphics/Context.h"

namespace fs = std::filesystem;

void ArtworkRegistry::add(std::string name, double width, double height, Draw draw) {
    Drawing drawing{std::move(name), width, height, std::move(draw)};
    for (auto& existing : drawings_) {
        if (existing.name == drawing.name) {
            existing = std::move(drawing);
            return;
        }
    }
    drawings_.push_back(std::move(drawing));
}

const ArtworkRegistry::Drawing* ArtworkRegistry::find(const std::string& name) const {
    for (const auto& drawing : drawings_)
        if (drawing.name == name) return &drawing;
    return nullptr;
}

std::string ArtworkRegistry::render(const Drawing& drawing, double scale) {
    gfx::Context context(drawing.width, drawing.height, scale);
    if (drawing.draw) drawing.draw(context);
    return context.pngData();
}

namespace {

// Writes through a temporary file and a rename, so an interrupted run leaves the old picture whole.
bool writeFile(const fs::path& path, const std::string& bytes, std::ostream& log) {
    fs::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            log << "cannot write " << temporary.string() << "\n";
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        log << "cannot rename " << temporary.string() << ": " << ec.message() << "\n";
        fs::remove(temporary, ec);
        return false;
    }
    log << "wrote " << path.string() << "\n";
    return true;
}

}  // namespace

bool ArtworkRegistry::write(const Drawing& drawing, const fs::path& folder, std::ostream& log) const {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        log << "cannot make " << folder.string() << ": " << ec.message() << "\n";
        return false;
    }
    bool plain = writeFile(folder / (drawing.name + ".png"), render(drawing, 1), log);
    bool doubled = writeFile(folder / (drawing.name + "@2x.png"), render(drawing, 2), log);
    return plain && doubled;
}
