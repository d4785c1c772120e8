#pragma once
// An image: a file of the bundle by name, PNG bytes, or pixels drawn here (drawn content).
// Immutable; shared by pointer. A stretchable image keeps its left and top caps (and the matching
// right and bottom caps) when it is drawn larger and stretches the middle.
//
// Pixels and PNG bytes are each made from the other only when asked for, once: a drawing that is
// drawn again and again is encoded only when the display needs its bytes.

#include <memory>
#include <mutex>
#include <string>

#include "platform/ui/Size.h"

namespace gfx {
class Bitmap;
}  // namespace gfx

namespace ui {

class Image {
  public:
    // The bundle image of that file name (".png" added when the name has no extension), looked up in
    // the resource folder and its "images" folder. A name with "@2x" is loaded as given at scale 2;
    // for a plain name the "@2x" file is taken when there is one (the screen's scale is 2). Null when
    // there is no such file or it is not a PNG, JPEG or GIF image.
    static std::shared_ptr<const Image> named(const std::string& name);
    // PNG bytes; null when they are not a PNG image.
    static std::shared_ptr<const Image> fromPNG(std::string bytes, double scale = 1.0);
    // PNG or JPEG bytes (a downloaded picture); JPEG is turned into PNG for the display. Null when
    // the bytes are not a picture that can be read.
    static std::shared_ptr<const Image> fromData(const std::string& bytes, double scale = 1.0);
    // Pixels drawn here, at that many pixels per point (a scale that is not a positive number
    // counts as 1); null for an empty bitmap.
    static std::shared_ptr<const Image> fromBitmap(gfx::Bitmap bitmap, double scale = 1.0);

    // The picture's pixels (size() x scale()); null when they cannot be read. Shared by every user
    // of the image: never changed.
    std::shared_ptr<const gfx::Bitmap> bitmap() const;
    // Whether the picture was made here (PNG bytes or pixels) rather than read from a bundle file.
    bool isDrawn() const { return !png_.empty() || pixels_->drawn; }

    // The picture as JPEG bytes at a quality from 0 to 1; empty when it cannot be read.
    std::string jpegData(double quality) const;

    // A copy that stretches with the given caps in points: the right cap is width - left - 1 and the
    // bottom cap height - top - 1; a cap of 0 stretches the whole image along that axis.
    std::shared_ptr<const Image> stretchable(double leftCap, double topCap) const;

    // The name it was asked for; empty for PNG bytes.
    const std::string& name() const { return name_; }
    // The file's path relative to the resource folder ("images/btn@2x.png"); empty for PNG bytes.
    const std::string& resourcePath() const { return resourcePath_; }
    // The PNG bytes; empty for a bundle file.
    const std::string& pngData() const;
    Size size() const { return size_; }  // in points
    double scale() const { return scale_; }
    bool isStretchable() const { return stretchable_; }
    double leftCap() const { return left_; }
    double topCap() const { return top_; }
    double rightCap() const;
    double bottomCap() const;

    // The same file, caps and size, and for drawn pictures the same pixels.
    friend bool operator==(const Image& a, const Image& b);

    // Pixel size from a file's first bytes (PNG, JPEG, GIF); a zero size when they are none of these.
    struct PixelSize {
        int width = 0, height = 0;
    };
    static PixelSize pixelSize(const std::string& header);

  private:
    // What is made from the image's source on demand; copies of an image (a stretchable one) share it.
    struct Pixels {
        std::mutex mutex;
        bool drawn = false;  // made from pixels, which are then the source
        std::shared_ptr<const gfx::Bitmap> bitmap;
        std::string png;  // encoded from drawn pixels
    };

    std::string name_;
    std::string resourcePath_;
    std::string png_;
    Size size_;
    double scale_ = 1;
    bool stretchable_ = false;
    double left_ = 0, top_ = 0;
    std::shared_ptr<Pixels> pixels_ = std::make_shared<Pixels>();
};

}  // namespace ui
