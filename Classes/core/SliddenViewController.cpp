#include "Classes/core/SliddenViewController.h"

#include "platform/ui/Animation.h"
#include "platform/ui/View.h"

const ui::ConnectionTable& SliddenViewController::classConnections() {
    static const ui::ConnectionTable table("SliddenViewController", &ToolViewController::classConnections());
    return table;
}

ui::Rect SliddenViewController::container() const {
    std::shared_ptr<ui::View> view = viewIfLoaded();
    std::shared_ptr<ui::View> superview = view ? view->superview() : nullptr;
    if (!superview) superview = homeView();
    return superview ? superview->bounds() : ui::Rect{};
}

ui::Point SliddenViewController::startPoint() const {
    ui::Size outer = container().size;
    std::shared_ptr<ui::View> view = viewIfLoaded();
    ui::Point c = view ? view->center() : ui::Point{};
    ui::Size own = view ? view->bounds().size : ui::Size{};
    switch (slideDirection_) {
        case kFromBottom:
            return {c.x, outer.height + c.y};
        case kDocked:
            return {outer.width + kDockStartOffset, outer.height - own.height / 2 - adjustmentByY_};
        default:
            return {outer.width + c.x, c.y};
    }
}

ui::Point SliddenViewController::endPoint() const {
    ui::Size outer = container().size;
    std::shared_ptr<ui::View> view = viewIfLoaded();
    ui::Point c = view ? view->center() : ui::Point{};
    ui::Size own = view ? view->bounds().size : ui::Size{};
    switch (slideDirection_) {
        case kFromBottom:
            return {c.x, outer.height / 2};
        case kDocked:
            return {outer.width - own.width / 2 - kDockMargin,
                    outer.height - own.height / 2 - adjustmentByY_};
        default:
            return {outer.width / 2, c.y};
    }
}

void SliddenViewController::animation() {
    std::shared_ptr<ui::View> view = this->view();
    if (std::shared_ptr<ui::View> home = homeView()) {
        home->addSubview(view);
        if (slideDirection_ != kDocked) view->setFrame(home->bounds());
    }
    ui::Point end = endPoint();
    view->setCenter(startPoint());
    ui::Animation::begin();
    ui::Animation::setDuration(animationDuration());
    ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
    view->setCenter(end);
    ui::Animation::commit();
    tintToolbar();
    checkNBlockUI();
}

void SliddenViewController::outAnimation() {
    std::shared_ptr<ui::View> view = viewIfLoaded();
    if (!view) return;
    ui::Point start = startPoint();
    ui::Animation::begin();
    ui::Animation::setDuration(animationDuration());
    ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    view->setCenter(start);
    ui::Animation::commit();
}

void SliddenViewController::toolChooseVCAnimation() { ToolViewController::animation(); }

void SliddenViewController::toolChooseVCOutAnimation() { ToolViewController::outAnimation(); }
