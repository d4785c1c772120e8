#pragma once
// A picture in memory: width x height pixels, each 32 bits of premultiplied alpha, red, green and
// blue (the alpha in the high byte of the native word), rows without padding. Drawing contexts
// draw into one; PNG and JPEG bytes are read into one and written from one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gfx {

class Bitmap {
  public:
    // The largest side accepted when reading image bytes; larger pictures are refused.
    static constexpr int kMaximumSide = 8192;

    Bitmap() = default;
    // A transparent bitmap; sides outside 0..kMaximumSide count as 0.
    Bitmap(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }

    std::uint32_t* data() { return pixels_.data(); }
    const std::uint32_t* data() const { return pixels_.data(); }
    int stride() const { return width_ * 4; }  // bytes per row

    // One pixel's components, not premultiplied, 0..255; all 0 outside the bitmap.
    struct RGBA {
        int red = 0, green = 0, blue = 0, alpha = 0;
        friend bool operator==(const RGBA&, const RGBA&) = default;
    };
    RGBA pixel(int x, int y) const;
    void setPixel(int x, int y, RGBA color);

    // Reads PNG or JPEG bytes (told apart by their first bytes). Nothing for anything else, for
    // damaged bytes and for pictures larger than kMaximumSide.
    static std::optional<Bitmap> decode(const std::string& bytes);
    static std::optional<Bitmap> decodePNG(const std::string& bytes);
    static std::optional<Bitmap> decodeJPEG(const std::string& bytes);

    // PNG bytes with the alpha channel; empty for an empty bitmap.
    std::string encodePNG() const;
    // JPEG bytes at a quality from 0 (smallest) to 1 (best); transparent parts come out black.
    // Empty for an empty bitmap.
    std::string encodeJPEG(double quality) const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace gfx
