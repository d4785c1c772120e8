#pragma once
// A view whose content is drawn in code: a subclass draws in drawRect into gfx::Context::current(),
// in its own coordinates (the bounds), on a transparent canvas. The drawing is made again, at the
// screen's scale, when the view has been marked with setNeedsDisplay or its size changed, at the
// latest when the display is told about the view. It reaches the display as PNG bytes: whole for a
// tab that comes, then only the tiles that a new drawing changed (see ChangeLog).

#include <memory>

#include "platform/ui/View.h"

namespace ui {

class DrawnView : public View {
  public:
    using View::init;
    void init(const Rect& frame) override;

    // The present drawing, made now when it is due; null for a view without area.
    std::shared_ptr<const Image> drawing() const;

    PrimitiveKind primitiveKind() const override { return PrimitiveKind::Bitmap; }
    void describe(PrimitiveProperties& properties) const override;

  private:
    mutable std::shared_ptr<const Image> drawing_;
    mutable Size drawnSize_;
};

}  // namespace ui
