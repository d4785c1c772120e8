#include "platform/ui/ImageView.h"

namespace ui {

namespace {
const char* contentModeName(ContentMode mode) {
    static const char* const names[] = {"scaleToFill", "aspectFit", "aspectFill", "center",
                                        "top",         "bottom",    "left",       "right",
                                        "topLeft",     "topRight",  "bottomLeft", "bottomRight"};
    return names[static_cast<int>(mode)];
}
}  // namespace

void ImageView::init(const Rect& frame) {
    View::init(frame);
    setUserInteractionEnabled(false);
}

void ImageView::init(std::shared_ptr<const Image> image) {
    init(Rect{{}, image ? image->size() : Size{}});
    setImage(std::move(image));
}

void ImageView::setImage(std::shared_ptr<const Image> image) {
    if (image == image_ || (image && image_ && *image == *image_)) return;
    image_ = std::move(image);
    changed();
}

void ImageView::setContentMode(ContentMode mode) {
    if (mode == contentMode_) return;
    contentMode_ = mode;
    changed();
}

Size ImageView::sizeThatFits(Size) const { return image_ ? image_->size() : Size{}; }

void ImageView::describe(PrimitiveProperties& p) const {
    View::describe(p);
    p.emplace_back("image", image_ ? PrimitiveValue(image_) : PrimitiveValue());
    p.emplace_back("contentMode", contentModeName(contentMode_));
}

}  // namespace ui
