#pragma once
// Turns pointer events in a root view's coordinates into touches: a touch goes to the view hit
// where it began and stays with it until it ends or is cancelled, wherever the finger moves, unless
// a view around it that intercepts touches (a scroll view) takes it over: see TouchInterceptor.

#include <map>
#include <memory>

#include "platform/ui/Point.h"
#include "platform/ui/Touch.h"

namespace ui {

class View;
class TouchInterceptor;

class TouchRouter {
  public:
    explicit TouchRouter(std::weak_ptr<View> root) : root_(std::move(root)) {}
    ~TouchRouter();
    TouchRouter(const TouchRouter&) = delete;
    TouchRouter& operator=(const TouchRouter&) = delete;

    // A finger touches at a point of the root. Answers the view that took the touch (null when the
    // point hits no view, or a touch of that identifier is already down: the event is ignored).
    std::shared_ptr<View> began(int identifier, Point location);
    // Moves, lifts or cancels a touch; events of a touch that is not down are ignored.
    void moved(int identifier, Point location);
    void ended(int identifier, Point location);
    void cancelled(int identifier);
    // Cancels every touch that is down (the display went away).
    void cancelAll();

    std::shared_ptr<Touch> touch(int identifier) const;
    bool isTracking() const { return !touches_.empty(); }

  private:
    // A touch that began inside an interceptor, while that interceptor may still take it.
    struct Watch {
        std::weak_ptr<View> interceptor;
        bool pending = false;  // the content has not been given the touch yet
    };
    void finish(int identifier, TouchPhase phase, Point location);
    void deliverPending(int identifier);
    bool offerToInterceptor(int identifier, const std::shared_ptr<Touch>& touch);

    std::weak_ptr<View> root_;
    std::map<int, std::shared_ptr<Touch>> touches_;
    std::map<int, Watch> watches_;
};

}  // namespace ui
