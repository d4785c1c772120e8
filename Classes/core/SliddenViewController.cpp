#include "Classes/core/SliddenViewController.h"

#include "platform/ui/Animation.h"
#include "platform/ui/View.h"

const ui::ConnectionTable& SliddenViewController::classConnections() {
    static const ui::ConnectionTable table("SliddenViewController", &ToolViewController::classConnections());
    return table;
}

SliddenViewController::Geometry SliddenViewController::geometry() const {
    std::shared_ptr<ui::View> view = viewIfLoaded();
    std::shared_ptr<ui::View> superview = view ? view->superview() : nullptr;
    if (!superview) superview = homeView();
    Geometry g;
    if (superview) g.outer = superview->bounds().size;
    if (view) {
        g.centre = view->center();
        g.own = view->bounds().size;
    }
    return g;
}

ui::Point SliddenViewController::startPoint() const {
    const Geometry g = geometry();
    switch (slideDirection_) {
        case kFromBottom:
            return {g.centre.x, g.outer.height + g.centre.y};
        case kDocked:
            return {g.outer.width + kDockStartOffset, g.outer.height - g.own.height / 2 - adjustmentByY_};
        default:
            return {g.outer.width + g.centre.x, g.centre.y};
    }
}

ui::Point SliddenViewController::endPoint() const {
    const Geometry g = geometry();
    switch (slideDirection_) {
        case kFromBottom:
            return {g.centre.x, g.outer.height / 2};
        case kDocked:
            return {g.outer.width - g.own.width / 2 - kDockMargin,
                    g.outer.height - g.own.height / 2 - adjustmentByY_};
        default:
            return {g.outer.width / 2, g.centre.y};
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
