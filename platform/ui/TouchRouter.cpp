#include "platform/ui/TouchRouter.h"

#include <cmath>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/View.h"

namespace ui {

namespace {
bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }
double now() { return fnd::RunLoop::main().now(); }
}  // namespace

std::shared_ptr<View> TouchRouter::began(int identifier, Point location) {
    auto root = root_.lock();
    if (!root || !finite(location) || touches_.contains(identifier)) return nullptr;
    std::shared_ptr<View> hit = root->hitTest(location);
    if (!hit) return nullptr;
    auto touch = std::make_shared<Touch>(identifier, hit, root, location, now());
    touches_[identifier] = touch;
    hit->touchesBegan({touch});
    return hit;
}

void TouchRouter::moved(int identifier, Point location) {
    auto it = touches_.find(identifier);
    if (it == touches_.end() || !finite(location)) return;
    std::shared_ptr<Touch> touch = it->second;
    touch->update(TouchPhase::Moved, location, now());
    if (auto view = touch->view()) view->touchesMoved({touch});
}

void TouchRouter::ended(int identifier, Point location) {
    auto it = touches_.find(identifier);
    if (it == touches_.end()) return;
    finish(identifier, TouchPhase::Ended, finite(location) ? location : it->second->locationIn(nullptr));
}

void TouchRouter::cancelled(int identifier) {
    auto it = touches_.find(identifier);
    if (it == touches_.end()) return;
    finish(identifier, TouchPhase::Cancelled, it->second->locationIn(nullptr));
}

void TouchRouter::cancelAll() {
    while (!touches_.empty()) cancelled(touches_.begin()->first);
}

void TouchRouter::finish(int identifier, TouchPhase phase, Point location) {
    auto it = touches_.find(identifier);
    std::shared_ptr<Touch> touch = it->second;
    touches_.erase(it);  // before delivery: the handler may start a new touch
    touch->update(phase, location, now());
    auto view = touch->view();
    if (!view) return;
    if (phase == TouchPhase::Ended)
        view->touchesEnded({touch});
    else
        view->touchesCancelled({touch});
}

std::shared_ptr<Touch> TouchRouter::touch(int identifier) const {
    auto it = touches_.find(identifier);
    return it == touches_.end() ? nullptr : it->second;
}

}  // namespace ui
