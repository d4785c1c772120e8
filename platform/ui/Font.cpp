#include "platform/ui/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/foundation/Log.h"

namespace ui {

namespace {

const char* const kDefaultFolder = "/usr/share/fonts/truetype/dejavu";
constexpr double kDefaultSize = 17;

// Metrics of one font file in its design units, with advances cached per character.
struct FaceMetrics {
    bool loaded = false;
    double unitsPerEm = 2048;
    double ascender = 0, descender = 0, height = 0;
    FT_Face face = nullptr;
    std::unordered_map<char32_t, double> advances;
};

class FontFiles {
  public:
    static FontFiles& shared() {
        static FontFiles files;
        return files;
    }

    std::filesystem::path folder() {
        std::lock_guard lock(mutex_);
        return folder_;
    }
    void setFolder(std::filesystem::path folder) {
        std::lock_guard lock(mutex_);
        folder_ = std::move(folder);
        for (auto& [name, m] : faces_)
            if (m.face) FT_Done_Face(m.face);
        faces_.clear();
    }

    // Runs `use` with the metrics of the file, loading it on first use. A file that cannot be read
    // is reported once and measured with rough fixed proportions, so the layout still works.
    template <class F>
    auto with(const std::string& file, F use) {
        std::lock_guard lock(mutex_);
        auto it = faces_.find(file);
        if (it == faces_.end()) it = faces_.emplace(file, load(file)).first;
        return use(it->second);
    }

    double advance(FaceMetrics& m, char32_t ch) {
        if (!m.loaded) return ch == U'\n' ? 0 : m.unitsPerEm * 0.6;
        auto it = m.advances.find(ch);
        if (it != m.advances.end()) return it->second;
        FT_UInt glyph = FT_Get_Char_Index(m.face, ch);
        FT_Fixed adv = 0;
        if (FT_Get_Advance(m.face, glyph, FT_LOAD_NO_SCALE, &adv) != 0) adv = 0;
        return m.advances[ch] = static_cast<double>(adv);
    }

  private:
    FontFiles() : folder_(kDefaultFolder) {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    }
    ~FontFiles() {
        for (auto& [name, m] : faces_)
            if (m.face) FT_Done_Face(m.face);
        if (library_) FT_Done_FreeType(library_);
    }

    FaceMetrics load(const std::string& file) {
        FaceMetrics m;
        std::string path = (folder_ / file).string();
        if (!library_ || FT_New_Face(library_, path.c_str(), 0, &m.face) != 0) {
            fnd::Log::error("font: cannot read ", path, "; text is measured approximately");
            m.face = nullptr;
            m.ascender = 0.93 * m.unitsPerEm;
            m.descender = -0.24 * m.unitsPerEm;
            m.height = 1.17 * m.unitsPerEm;
            return m;
        }
        m.loaded = true;
        m.unitsPerEm = m.face->units_per_EM > 0 ? m.face->units_per_EM : 2048;
        m.ascender = m.face->ascender;
        m.descender = m.face->descender;
        m.height = m.face->height;
        return m;
    }

    std::mutex mutex_;
    std::filesystem::path folder_;
    FT_Library library_ = nullptr;
    std::map<std::string, FaceMetrics> faces_;
};

// Decodes UTF-8; an invalid or truncated sequence reads as U+FFFD and consumes one byte.
template <class F>
void forEachCharacter(std::string_view s, F f) {
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
        bool ok = extra >= 0 && i + extra < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            f(U'\uFFFD');
            ++i;
        } else {
            f(cp);
            i += extra + 1;
        }
    }
}

}  // namespace

Font::Font(std::string family, double size, Weight weight, Slant slant)
    : family_(std::move(family)),
      size_(std::isfinite(size) && size > 0 ? size : kDefaultSize),
      weight_(weight),
      slant_(slant) {
    if (family_ != "DejaVu Sans" && family_ != "DejaVu Sans Mono" && family_ != "DejaVu Serif")
        family_ = "DejaVu Sans";
}

std::string Font::fileName() const {
    bool bold = weight_ == Weight::Bold, italic = slant_ == Slant::Italic;
    std::string base = family_ == "DejaVu Serif"       ? "DejaVuSerif"
                       : family_ == "DejaVu Sans Mono" ? "DejaVuSansMono"
                                                       : "DejaVuSans";
    // The serif face calls its slanted variant italic, the sans faces oblique.
    std::string slanted = family_ == "DejaVu Serif" ? "Italic" : "Oblique";
    std::string suffix = bold && italic ? "-Bold" + slanted : bold ? "-Bold" : italic ? "-" + slanted : "";
    return base + suffix + ".ttf";
}

double Font::ascender() const {
    return FontFiles::shared().with(fileName(),
                                    [&](FaceMetrics& m) { return m.ascender * size_ / m.unitsPerEm; });
}

double Font::descender() const {
    return FontFiles::shared().with(fileName(),
                                    [&](FaceMetrics& m) { return m.descender * size_ / m.unitsPerEm; });
}

double Font::lineHeight() const {
    return FontFiles::shared().with(fileName(),
                                    [&](FaceMetrics& m) { return m.height * size_ / m.unitsPerEm; });
}

double Font::widthOf(std::string_view utf8) const {
    auto& files = FontFiles::shared();
    return files.with(fileName(), [&](FaceMetrics& m) {
        double units = 0;
        forEachCharacter(utf8, [&](char32_t ch) { units += files.advance(m, ch); });
        return units * size_ / m.unitsPerEm;
    });
}

std::filesystem::path Font::folder() { return FontFiles::shared().folder(); }

void Font::setFolder(std::filesystem::path folder) { FontFiles::shared().setFolder(std::move(folder)); }

}  // namespace ui
