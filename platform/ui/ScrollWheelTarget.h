#pragma once
// A view that scrolls with the mouse wheel or the trackpad. The display sends wheel movements to
// the innermost such view under the pointer; one that cannot move any further that way passes the
// movement to the next one out.

namespace ui {

class ScrollWheelTarget {
  public:
    virtual ~ScrollWheelTarget() = default;

    // Moves the content offset by (dx, dy) points (positive: towards the end of the content).
    // Answers whether the offset changed.
    virtual bool scrollWheel(double dx, double dy) = 0;
};

}  // namespace ui
