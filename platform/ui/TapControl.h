#pragma once
// A control that runs a function when a finger lifts on it (a touch-up-inside): the small keys
// that text entry draws itself (a field's clear key, a search bar's cancel key).

#include <functional>

#include "platform/ui/Control.h"
#include "platform/ui/Touch.h"

namespace ui {

class TapControl : public Control {
  public:
    void setOnTap(std::function<void()> onTap) { onTap_ = std::move(onTap); }

    void touchesEnded(const Touches& touches) override {
        bool tracked = isTracking();
        Control::touchesEnded(touches);
        if (tracked && !touches.empty() && bounds().insetBy(-kTouchSlop, -kTouchSlop).contains(touches.front()->locationIn(this)) &&
            onTap_) {
            std::shared_ptr<View> keep = sharedAs<View>();
            onTap_();
        }
    }

  private:
    std::function<void()> onTap_;
};

}  // namespace ui
