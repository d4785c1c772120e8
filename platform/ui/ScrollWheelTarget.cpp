#include "platform/ui/ScrollWheelTarget.h"

#include <cmath>

#include "platform/ui/View.h"

namespace ui {

void ScrollWheelTarget::deliver(const std::shared_ptr<View>& root, Point location, double dx, double dy) {
    if (!root || !std::isfinite(location.x) || !std::isfinite(location.y) || !std::isfinite(dx) ||
        !std::isfinite(dy))
        return;
    for (std::shared_ptr<View> view = root->hitTest(location); view; view = view->superview())
        if (auto* target = dynamic_cast<ScrollWheelTarget*>(view.get()))
            if (target->scrollWheelAt(location, dx, dy)) return;
}

}  // namespace ui
