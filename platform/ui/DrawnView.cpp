#include "platform/ui/DrawnView.h"

#include "platform/graphics/Context.h"
#include "platform/ui/Device.h"

namespace ui {

void DrawnView::init(const Rect& frame) {
    View::init(frame);
    setNeedsDisplay();
}

std::shared_ptr<const Image> DrawnView::drawing() const {
    Rect b = bounds();
    if (!needsDisplay() && b.size == drawnSize_) return drawing_;
    auto* self = const_cast<DrawnView*>(this);  // drawing is a cache of what drawRect makes
    self->clearNeedsDisplay();
    drawnSize_ = b.size;
    if (b.size.isEmpty()) {
        drawing_ = nullptr;
        return drawing_;
    }
    double scale = Device::current().screenScale();
    gfx::Context context(b.size.width, b.size.height, scale);
    {
        gfx::Context::MakeCurrent current(context);
        context.translate(-b.origin.x, -b.origin.y);
        self->drawRect(b);
    }
    // The pixels are encoded only when the display needs them: a tab that comes gets the whole
    // drawing, and the change log otherwise sends just the tiles that changed.
    drawing_ = Image::fromBitmap(context.takeBitmap(), scale);
    return drawing_;
}

void DrawnView::describe(PrimitiveProperties& properties) const {
    View::describe(properties);
    std::shared_ptr<const Image> image = drawing();
    properties.emplace_back("image", image ? PrimitiveValue(image) : PrimitiveValue());
}

}  // namespace ui
