#include "Classes/core/RotatedViewController.h"

#include <numbers>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;

bool onTablet() { return ui::Device::current().isTablet(); }

}  // namespace

const ui::ConnectionTable& RotatedViewController::classConnections() {
    static const ui::ConnectionTable table("RotatedViewController",
                                           &SliddenViewController::classConnections());
    return table;
}

void RotatedViewController::initWithNibName(const std::string& nibName) {
    SliddenViewController::initWithNibName(nibName);
    if (!onTablet()) setAnimationDuration(ui::Application::shared().statusBarOrientationAnimationDuration());
    iPadAnimationMode_ = 0;
}

void RotatedViewController::viewDidLoad() {
    SliddenViewController::viewDidLoad();
    if (!onTablet()) {
        if (!isInPreviewMode_) ui::Application::shared().setStatusBarHidden(true, true);
        view()->setTransform(ui::AffineTransform::rotation(kQuarterTurn));
    }
    ui::Device::current().beginGeneratingDeviceOrientationNotifications();
    listening_ = true;
    fnd::NotificationCenter& center = fnd::NotificationCenter::defaultCenter();
    auto observe = [&](const char* name, void (RotatedViewController::*handler)()) {
        center.addObserver(sharedAs<fnd::Object>(), std::string(name), nullptr,
                           fnd::whileAlive(*this, handler));
    };
    observe(ui::Device::kOrientationDidChangeNotification, &RotatedViewController::orientationChanged);
    observe(kWillRotateNotification, &RotatedViewController::willRotateHandler);
    observe(kDidRotateNotification, &RotatedViewController::didRotateHandler);
}

double RotatedViewController::landscapeAngle() {
    ui::DeviceOrientation orientation = ui::Device::current().orientation();
    bool reversed = orientation == ui::DeviceOrientation::PortraitUpsideDown ||
                    orientation == ui::DeviceOrientation::LandscapeRight;
    return reversed ? -kQuarterTurn : kQuarterTurn;
}

void RotatedViewController::turnTo(double angle, const char* animationName) {
    ui::Animation::begin(animationName);
    ui::Animation::setDuration(animationDuration());
    ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
    view()->setTransform(ui::AffineTransform::rotation(angle));
    ui::Animation::commit();
}

void RotatedViewController::animation() {
    if (onTablet()) {
        if (iPadAnimationMode_ != 0)
            SliddenViewController::animation();
        else
            toolChooseVCAnimation();
        return;
    }
    std::shared_ptr<ui::View> view = this->view();
    if (std::shared_ptr<ui::Window> window = ui::Application::shared().keyWindow()) {
        // Turned a quarter, the view covers the window: the window's bounds on their side.
        window->addSubview(view);
        ui::Rect bounds = window->bounds();
        view->setBounds({0, 0, bounds.height(), bounds.width()});
        view->setCenter(bounds.mid());
    }
    double angle = landscapeAngle();
    view->setTransform(ui::AffineTransform::rotation(-angle));
    turnTo(angle, "InAnimation");
}

void RotatedViewController::orientationChanged() {
    if (onTablet() || !isViewLoaded()) return;
    switch (ui::Device::current().orientation()) {
        case ui::DeviceOrientation::LandscapeLeft:
            turnTo(kQuarterTurn, "InterfaceOrientation");
            break;
        case ui::DeviceOrientation::LandscapeRight:
            turnTo(-kQuarterTurn, "InterfaceOrientation");
            break;
        default:
            break;
    }
}

void RotatedViewController::outAnimation() {
    if (onTablet()) {
        if (iPadAnimationMode_ != 0)
            SliddenViewController::outAnimation();
        else
            toolChooseVCOutAnimation();
        return;
    }
    std::shared_ptr<ui::View> view = viewIfLoaded();
    if (!view) return;
    double angle = landscapeAngle();
    view->setTransform(ui::AffineTransform::rotation(angle));
    ui::Animation::begin("OutAnimation");
    ui::Animation::setDuration(animationDuration());
    ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    ui::Point centre = view->center();
    view->setCenter({centre.x + kOutShift, centre.y});
    view->setTransform(ui::AffineTransform::rotation(-angle));
    ui::Animation::commit();
}

void RotatedViewController::close() {
    if (listening_) {
        ui::Device::current().endGeneratingDeviceOrientationNotifications();
        listening_ = false;
    }
    if (!onTablet() && !isInPreviewMode_) ui::Application::shared().setStatusBarHidden(false, true);
    SliddenViewController::close();
}

bool RotatedViewController::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) {
    return onTablet() || orientation == ui::InterfaceOrientation::Portrait;
}
