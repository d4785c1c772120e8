#include "platform/ui/ImageView.h"

#include <array>
#include <utility>

#include "platform/ui/NibProperties.h"

namespace ui {

namespace {
constexpr std::array<std::pair<ContentMode, const char*>, 12> kModes{{
    {ContentMode::ScaleToFill, "scaleToFill"},
    {ContentMode::AspectFit, "aspectFit"},
    {ContentMode::AspectFill, "aspectFill"},
    {ContentMode::Center, "center"},
    {ContentMode::Top, "top"},
    {ContentMode::Bottom, "bottom"},
    {ContentMode::Left, "left"},
    {ContentMode::Right, "right"},
    {ContentMode::TopLeft, "topLeft"},
    {ContentMode::TopRight, "topRight"},
    {ContentMode::BottomLeft, "bottomLeft"},
    {ContentMode::BottomRight, "bottomRight"},
}};
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
    p.emplace_back("contentMode", kModes[static_cast<std::size_t>(contentMode_)].second);
}

void ImageView::applyNibProperties(ImageView& view, NibProperties& p) {
    if (auto v = p.image("image")) view.setImage(*v);
    if (auto v = p.choice("contentMode", kModes)) view.setContentMode(*v);
}

}  // namespace ui
