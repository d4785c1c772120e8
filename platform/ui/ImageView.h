#pragma once
// An image view: shows one image, scaled to fill the view unless its content mode says otherwise.
// It lets touches through to the views behind it.

#include <memory>

#include "platform/ui/Image.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;

enum class ContentMode {
    ScaleToFill,
    AspectFit,
    AspectFill,
    Center,
    Top,
    Bottom,
    Left,
    Right,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight
};

class ImageView : public View {
  public:
    using View::init;
    void init(const Rect& frame) override;
    // Sized to the image (at the origin); an empty frame without an image.
    void init(std::shared_ptr<const Image> image);

    const std::shared_ptr<const Image>& image() const { return image_; }
    void setImage(std::shared_ptr<const Image> image);
    ContentMode contentMode() const { return contentMode_; }
    void setContentMode(ContentMode mode);

    Size sizeThatFits(Size size) const override;
    PrimitiveKind primitiveKind() const override { return PrimitiveKind::Image; }
    void describe(PrimitiveProperties& properties) const override;

    // Interface-file properties: "image", "contentMode" (the change log's names).
    static void applyNibProperties(ImageView& view, NibProperties& properties);

  private:
    std::shared_ptr<const Image> image_;
    ContentMode contentMode_ = ContentMode::ScaleToFill;
};

}  // namespace ui
