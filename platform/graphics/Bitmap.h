#pragma once
// A picture in memory: width x height pixels, each 32 bits of premultiplied alpha, red, green and
// blue (the alpha in the high byte of the native word), rows without padding. Drawing contexts
// draw into one; PNG and JPEG bytes are read into one and written from one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gfx {

// A rectangle of whole pixels, x to the right and y down from a bitmap's top-left corner.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

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

    // The pixels of the rectangle's intersection with the bitmap, as a bitmap of their own; empty
    // (and logged) when they do not meet, or the rectangle is empty.
    Bitmap cropped(const PixelRect& rect) const;
    // Whether the two bitmaps have the same size and the same pixels in the rectangle (cut to the
    // bitmaps); bitmaps of different sizes never do.
    bool samePixels(const Bitmap& other, const PixelRect& rect) const;
    // Whether both have the same size and the same pixels.
    friend bool operator==(const Bitmap& a, const Bitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

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
