#include "platform/ui/Image.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <optional>

#include "platform/foundation/Bundle.h"
#include "platform/graphics/Bitmap.h"

namespace fs = std::filesystem;

namespace ui {

namespace {

unsigned byteAt(const std::string& s, std::size_t i) { return static_cast<unsigned char>(s[i]); }
unsigned be16(const std::string& s, std::size_t i) { return byteAt(s, i) << 8 | byteAt(s, i + 1); }
unsigned long be32(const std::string& s, std::size_t i) {
    return static_cast<unsigned long>(be16(s, i)) << 16 | be16(s, i + 2);
}

// Reads up to `limit` bytes of a file.
std::string readStart(const fs::path& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, in.gcount())));
    return bytes;
}

// The bundle file for a name, in the resource folder or its "images" folder.
std::optional<fs::path> findFile(const fnd::Bundle& bundle, const std::string& file, std::string& relative) {
    for (const char* folder : {"", fnd::Bundle::kImageFolder}) {
        if (auto p = bundle.pathForResource(file, "", folder)) {
            relative = *folder ? std::string(folder) + "/" + file : file;
            return p;
        }
    }
    return std::nullopt;
}

}  // namespace

Image::PixelSize Image::pixelSize(const std::string& h) {
    static const std::string png = "\x89PNG\r\n\x1a\n";
    if (h.size() >= 24 && h.compare(0, 8, png) == 0 && h.compare(12, 4, "IHDR") == 0) {
        unsigned long w = be32(h, 16), ht = be32(h, 20);
        if (w > 0 && ht > 0 && w < (1u << 24) && ht < (1u << 24)) return {int(w), int(ht)};
        return {};
    }
    if (h.size() >= 10 && (h.compare(0, 6, "GIF87a") == 0 || h.compare(0, 6, "GIF89a") == 0)) {
        return {int(byteAt(h, 6) | byteAt(h, 7) << 8), int(byteAt(h, 8) | byteAt(h, 9) << 8)};
    }
    if (h.size() >= 4 && byteAt(h, 0) == 0xFF && byteAt(h, 1) == 0xD8) {
        // Walk the JPEG segments to the first start-of-frame marker.
        std::size_t i = 2;
        while (i + 4 <= h.size()) {
            if (byteAt(h, i) != 0xFF) return {};
            unsigned marker = byteAt(h, i + 1);
            if (marker == 0xFF) {
                ++i;
                continue;
            }
            unsigned length = be16(h, i + 2);
            bool sof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
            if (sof)
                return i + 9 <= h.size() ? PixelSize{int(be16(h, i + 7)), int(be16(h, i + 5))} : PixelSize{};
            if (length < 2) return {};
            i += 2 + length;
        }
    }
    return {};
}

namespace {

// What a bundle name was found to be: its file relative to the resource folder, at what scale, of
// what size. The bundle does not change while the program runs, and screens ask for the same names
// over and over (a toolbar made anew for every question), so each is looked up and read once.
struct NamedFile {
    std::string relative;
    double scale = 1;
    Size size;
};

std::optional<NamedFile> lookUpNamed(const fnd::Bundle& bundle, const std::string& name) {
    std::string file = name;
    if (fs::path(file).extension().empty()) file += ".png";
    std::string relative;
    double scale = 1;
    std::optional<fs::path> path;
    auto ext = file.rfind('.');
    if (file.find("@2x") != std::string::npos) {
        scale = 2;
        path = findFile(bundle, file, relative);
    } else {
        std::string doubled = file.substr(0, ext) + "@2x" + file.substr(ext);
        path = findFile(bundle, doubled, relative);
        if (path)
            scale = 2;
        else
            path = findFile(bundle, file, relative);
    }
    if (!path) return std::nullopt;
    Image::PixelSize px = Image::pixelSize(readStart(*path, 64 * 1024));
    if (px.width <= 0 || px.height <= 0) return std::nullopt;
    return NamedFile{relative, scale, {px.width / scale, px.height / scale}};
}

}  // namespace

std::shared_ptr<const Image> Image::named(const std::string& name) {
    if (name.empty() || name.find("..") != std::string::npos || name.front() == '/') return nullptr;
    fnd::Bundle bundle = fnd::Bundle::main();
    static std::mutex mutex;
    static std::map<std::string, NamedFile> found;
    const std::string key = bundle.resourcePath().string() + '\n' + name;
    std::optional<NamedFile> named;
    {
        std::lock_guard lock(mutex);
        if (auto it = found.find(key); it != found.end()) named = it->second;
    }
    if (!named) {
        named = lookUpNamed(bundle, name);
        if (!named) return nullptr;
        std::lock_guard lock(mutex);
        found.emplace(key, *named);
    }
    // A fresh image each time: the pixels one user has read are not kept for all of them.
    auto image = std::make_shared<Image>();
    image->name_ = name;
    image->resourcePath_ = named->relative;
    image->scale_ = named->scale;
    image->size_ = named->size;
    return image;
}

std::shared_ptr<const Image> Image::fromPNG(std::string bytes, double scale) {
    PixelSize px = pixelSize(bytes.substr(0, 32));
    if (px.width <= 0 || bytes.compare(1, 3, "PNG") != 0) return nullptr;
    if (!std::isfinite(scale) || scale <= 0) scale = 1;
    auto image = std::make_shared<Image>();
    image->png_ = std::move(bytes);
    image->scale_ = scale;
    image->size_ = {px.width / scale, px.height / scale};
    return image;
}

std::shared_ptr<const Image> Image::fromData(const std::string& bytes, double scale) {
    if (bytes.size() >= 8 && bytes.compare(1, 3, "PNG") == 0) return fromPNG(bytes, scale);
    std::optional<gfx::Bitmap> bitmap = gfx::Bitmap::decode(bytes);
    return bitmap ? fromPNG(bitmap->encodePNG(), scale) : nullptr;
}

std::shared_ptr<const Image> Image::fromBitmap(gfx::Bitmap bitmap, double scale) {
    if (bitmap.isEmpty()) return nullptr;
    if (!std::isfinite(scale) || scale <= 0) scale = 1;
    auto image = std::make_shared<Image>();
    image->scale_ = scale;
    image->size_ = {bitmap.width() / scale, bitmap.height() / scale};
    image->pixels_->drawn = true;
    image->pixels_->bitmap = std::make_shared<const gfx::Bitmap>(std::move(bitmap));
    return image;
}

std::shared_ptr<const gfx::Bitmap> Image::bitmap() const {
    std::lock_guard lock(pixels_->mutex);
    if (pixels_->bitmap) return pixels_->bitmap;
    std::string bytes = png_;
    if (bytes.empty() && !resourcePath_.empty()) {
        std::ifstream in(fnd::Bundle::main().resourcePath() / resourcePath_, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (std::optional<gfx::Bitmap> decoded = gfx::Bitmap::decode(bytes))
        pixels_->bitmap = std::make_shared<const gfx::Bitmap>(std::move(*decoded));
    return pixels_->bitmap;
}

const std::string& Image::pngData() const {
    if (!pixels_->drawn) return png_;
    std::lock_guard lock(pixels_->mutex);
    if (pixels_->png.empty()) pixels_->png = pixels_->bitmap->encodePNG();
    return pixels_->png;
}

bool operator==(const Image& a, const Image& b) {
    if (a.name_ != b.name_ || a.resourcePath_ != b.resourcePath_ || !(a.size_ == b.size_) ||
        a.scale_ != b.scale_ || a.stretchable_ != b.stretchable_ || a.left_ != b.left_ || a.top_ != b.top_)
        return false;
    if (a.pixels_ == b.pixels_ || (!a.isDrawn() && !b.isDrawn())) return true;
    if (!a.pixels_->drawn && !b.pixels_->drawn) return a.png_ == b.png_;
    std::shared_ptr<const gfx::Bitmap> pa = a.bitmap(), pb = b.bitmap();
    return pa && pb && *pa == *pb;
}

std::string Image::jpegData(double quality) const {
    std::shared_ptr<const gfx::Bitmap> pixels = bitmap();
    return pixels ? pixels->encodeJPEG(quality) : std::string();
}

std::shared_ptr<const Image> Image::stretchable(double leftCap, double topCap) const {
    auto copy = std::make_shared<Image>(*this);
    copy->stretchable_ = true;
    auto clampCap = [](double cap, double extent) {
        return std::isfinite(cap) ? std::clamp(std::floor(cap), 0.0, std::max(0.0, extent - 1)) : 0.0;
    };
    copy->left_ = clampCap(leftCap, size_.width);
    copy->top_ = clampCap(topCap, size_.height);
    return copy;
}

double Image::rightCap() const { return left_ > 0 ? std::max(0.0, size_.width - left_ - 1) : 0; }

double Image::bottomCap() const { return top_ > 0 ? std::max(0.0, size_.height - top_ - 1) : 0; }

}  // namespace ui
