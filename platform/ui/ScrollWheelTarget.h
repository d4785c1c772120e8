#pragma once
// A view that scrolls with the mouse wheel or the trackpad. The display sends wheel movements to
// the innermost such view under the pointer; one that cannot move any further that way passes the
// movement to the next one out.

#include <memory>

#include "platform/ui/Point.h"

namespace ui {

class View;

class ScrollWheelTarget {
  public:
    virtual ~ScrollWheelTarget() = default;

    // Moves the content offset by (dx, dy) points (positive: towards the end of the content).
    // Answers whether the offset changed.
    virtual bool scrollWheel(double dx, double dy) = 0;
    // The same with the pointer's place in the root's coordinates, for a target that moves about it
    // (a map zooms about the pointer); by default the place is not needed.
    virtual bool scrollWheelAt(Point location, double dx, double dy) {
        (void)location;
        return scrollWheel(dx, dy);
    }

    // Gives a movement of the wheel with the pointer at a point of the root to the targets under
    // it, innermost first, until one moves.
    static void deliver(const std::shared_ptr<View>& root, Point location, double dx, double dy);
};

}  // namespace ui
