#include "platform/ui/TouchRouter.h"

#include <cmath>
#include <string>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/TouchInterceptor.h"
#include "platform/ui/View.h"

namespace ui {

namespace {
bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }
double now() { return fnd::RunLoop::main().now(); }
std::string pendingAction(int identifier) { return "deliverTouch:" + std::to_string(identifier); }

// The innermost view around `view` (not the view itself) that watches touches on its content.
std::shared_ptr<View> watchingInterceptor(const std::shared_ptr<View>& view) {
    for (auto v = view->superview(); v; v = v->superview()) {
        auto* interceptor = dynamic_cast<TouchInterceptor*>(v.get());
        if (interceptor && interceptor->watchesContentTouches()) return v;
    }
    return nullptr;
}
}  // namespace

TouchRouter::~TouchRouter() {
    if (auto loop = fnd::RunLoop::installedMain()) loop->cancelPerforms(this);
}

std::shared_ptr<View> TouchRouter::began(int identifier, Point location) {
    auto root = root_.lock();
    if (!root || !finite(location) || touches_.contains(identifier)) return nullptr;
    std::shared_ptr<View> hit = root->hitTest(location);
    if (!hit) return nullptr;
    auto touch = std::make_shared<Touch>(identifier, hit, root, location, now());
    touches_[identifier] = touch;
    if (auto interceptor = watchingInterceptor(hit)) {
        auto* watcher = dynamic_cast<TouchInterceptor*>(interceptor.get());
        watcher->contentTouchBegan(*touch);
        double delay = watcher->contentTouchDelay();
        watches_[identifier] = Watch{interceptor, delay > 0};
        if (delay > 0) {
            fnd::RunLoop::main().performAfterDelay(delay, this, pendingAction(identifier),
                                                   [this, identifier] { deliverPending(identifier); });
            return hit;
        }
    }
    hit->touchesBegan({touch});
    return hit;
}

void TouchRouter::deliverPending(int identifier) {
    auto watch = watches_.find(identifier);
    auto it = touches_.find(identifier);
    if (watch == watches_.end() || !watch->second.pending || it == touches_.end()) return;
    watch->second.pending = false;
    std::shared_ptr<Touch> touch = it->second;
    if (auto view = touch->view()) view->touchesBegan({touch});
}

// Answers whether the interceptor took the touch (and has been given it).
bool TouchRouter::offerToInterceptor(int identifier, const std::shared_ptr<Touch>& touch) {
    auto watch = watches_.find(identifier);
    if (watch == watches_.end()) return false;
    std::shared_ptr<View> interceptor = watch->second.interceptor.lock();
    if (!interceptor) {
        watches_.erase(watch);
        return false;
    }
    auto* watcher = dynamic_cast<TouchInterceptor*>(interceptor.get());
    if (!watcher->takesOverTouch(*touch)) return false;
    std::shared_ptr<View> content = touch->view();
    bool pending = watch->second.pending;
    if (pending) {
        fnd::RunLoop::main().cancelPerforms(this, pendingAction(identifier));
    } else if (content && !watcher->contentGivesUpTouch(*content)) {
        watches_.erase(watch);  // the content keeps it for good
        return false;
    }
    watches_.erase(watch);
    if (content && !pending) content->touchesCancelled({touch});
    touch->setView(interceptor);
    interceptor->touchesBegan({touch});
    interceptor->touchesMoved({touch});
    return true;
}

void TouchRouter::moved(int identifier, Point location) {
    auto it = touches_.find(identifier);
    if (it == touches_.end() || !finite(location)) return;
    std::shared_ptr<Touch> touch = it->second;
    touch->update(TouchPhase::Moved, location, now());
    if (offerToInterceptor(identifier, touch)) return;
    auto watch = watches_.find(identifier);
    if (watch != watches_.end() && watch->second.pending) return;  // the content has not got it yet
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
    bool pending = false;
    if (auto watch = watches_.find(identifier); watch != watches_.end()) {
        pending = watch->second.pending;
        watches_.erase(watch);
        fnd::RunLoop::main().cancelPerforms(this, pendingAction(identifier));
    }
    auto view = touch->view();
    if (!view) return;
    if (pending) {
        // A tap that ended before the content was given the touch: it gets the whole tap now; a
        // touch cancelled before then never reaches it.
        if (phase == TouchPhase::Cancelled) return;
        view->touchesBegan({touch});
    }
    touch->update(phase, location, now());
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
