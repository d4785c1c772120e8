#include "platform/ui/StatusBar.h"

#include "platform/ui/Make.h"

namespace ui {

void StatusBar::init(const Rect& frame) {
    View::init(frame);
    setBackgroundColor(Color::blackColor());
    setUserInteractionEnabled(false);
    activity_ = ui::make<View>(Rect{6, 5, 10, 10});
    activity_->setBackgroundColor(Color::white(0.85));
    activity_->setCornerRadius(5);
    activity_->setHidden(true);
    addSubview(activity_);
}

bool StatusBar::isActivityIndicatorVisible() const { return !activity_->isHidden(); }

void StatusBar::setActivityIndicatorVisible(bool visible) { activity_->setHidden(!visible); }

}  // namespace ui
