#pragma once
// A view that may take over touches that begin on the views inside it (a scroll view dragging its
// content). The touch router asks the innermost such view around the view a touch began on:
//
// - While it watches (a scroll view that can scroll), the content gets its touch only after a short
//   delay, or at once when the finger lifts within it (a tap).
// - When the finger has moved far enough for the interceptor, it takes the touch over: content that
//   has not seen the touch yet never does; content that has is told the touch was cancelled, unless
//   it keeps it (a control keeps a drag that began on it).

#include "platform/ui/Point.h"

namespace ui {

class Touch;
class View;

class TouchInterceptor {
  public:
    virtual ~TouchInterceptor() = default;

    // Whether touches beginning on its content are watched now.
    virtual bool watchesContentTouches() const = 0;
    // Seconds the content waits for a watched touch (0: it gets the touch at once).
    virtual double contentTouchDelay() const = 0;
    // A watched touch began on its content.
    virtual void contentTouchBegan(const Touch& touch) = 0;
    // A watched touch moved: whether the interceptor takes it over now.
    virtual bool takesOverTouch(const Touch& touch) = 0;
    // Whether content that has the touch already gives it up to the interceptor.
    virtual bool contentGivesUpTouch(const View& content) const = 0;
};

}  // namespace ui
