#include "Classes/core/ToolButton.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/ToolGrid.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"
#include "platform/ui/ViewClassRegistry.h"

namespace {

constexpr const char* kTryToEnter = "tryToEnterRearrangingMode";
constexpr const char* kStartWobble = "timerFireToEnterRearrangingAnimation";
constexpr const char* kStopWobble = "stopRearrangingAnimation";
constexpr const char* kReturnBack = "returnBackAnimation";

constexpr double kOpenDuration = 0.2;
constexpr double kCloseDuration = 0.3;
constexpr double kOpenScale = 3;
constexpr double kPhoneOpenShiftY = 28;
constexpr double kTabletOpenShiftY = 25;
constexpr double kFirstWobbleDelay = 0.05;
constexpr double kReturnDuration = 0.1;

void post(const char* name, ToolButton& button) {
    fnd::NotificationCenter::defaultCenter().post(name, button.sharedAs<ToolButton>());
}

}  // namespace

void ToolButton::registerViewClass() {
    ui::ViewClassRegistry::shared().registerClass<ToolButton>(
        "ToolButton", "Button", [](ToolButton& button, ui::NibProperties& properties) {
            if (auto caption = properties.string("caption")) button.setCaption(*caption);
        });
}

ToolButton::~ToolButton() {
    fnd::RunLoop::main().cancelPerforms(this);
    stopWobbleTimer();
}

void ToolButton::init(const ui::Rect& frame) {
    ui::Button::init(frame);
    lbl_ = ui::make<ui::Label>(ui::Rect{});
    lbl_->setFont(ui::Font::boldSystem(11));
    lbl_->setTextColor(ui::Color::whiteColor());
    lbl_->setTextAlignment(ui::TextAlignment::Center);
    lbl_->setBackgroundColor(ui::Color::clear());
    lbl_->setUserInteractionEnabled(false);
    placeCaption();
}

ToolGrid ToolButton::currentGrid() {
    if (!AbstractAppDelegate::isiPad()) return ToolGrid::phone();
    return ToolGrid::tablet(ui::isLandscape(ui::Application::shared().statusBarOrientation()));
}

void ToolButton::setCaption(const std::string& caption) { lbl_->setText(caption); }

void ToolButton::placeCaption() {
    if (lbl_->superview().get() != this) addSubview(lbl_);
    double top = AbstractAppDelegate::isiPad() ? kTabletCaptionTop : kCaptionTop;
    lbl_->setFrame({0, top, kCaptionWidth, kCaptionHeight});
}

bool ToolButton::pointInside(ui::Point point) const {
    return ui::Button::pointInside(point) ||
           (lbl_->superview().get() == this && lbl_->frame().contains(point));
}

void ToolButton::openAnimation() {
    ui::Animation::begin("ToolButtonOpen");
    ui::Animation::setDuration(kOpenDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    setTransform(ui::AffineTransform::scale(kOpenScale));
    setCenter(center() + ui::Point{openShiftX_, openShiftY_});
    setAlpha(0);
    ui::Animation::commit();
    openedVC_ = true;
}

void ToolButton::closeAnimation() {
    ui::Animation::begin("ToolButtonClose");
    ui::Animation::setDuration(kCloseDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    setTransform(ui::AffineTransform::identity());
    setCenter(center() - ui::Point{openShiftX_, openShiftY_});
    setAlpha(1);
    ui::Animation::commit();
    openedVC_ = false;
}

void ToolButton::setupStates() {
    openedVC_ = false;
    auto delegate = AbstractAppDelegate::shared();
    bool phone = delegate ? delegate->isPhone() : !AbstractAppDelegate::isiPad();
    openShiftX_ = 0;
    openShiftY_ = phone ? kPhoneOpenShiftY : kTabletOpenShiftY;
    isRearrangable_ = true;
    touchState_ = 0;
    isSwitchingMode_ = false;
    isInRearrangingTBtnsMode_ = false;
    isDragging_ = false;
    timerDelay_ = kFirstWobbleDelay;
    fi_ = kWobbleAngle;
    placeCaption();
    initialCenter_ = center();
}

void ToolButton::linkToPosition(int position) { initialCenter_ = currentGrid().centreOfPosition(position); }

void ToolButton::putToPosition(int position) {
    ToolGrid grid = currentGrid();
    ui::Point target = grid.centreOfPosition(position);
    if (grid.isTablet() || target != center()) setCenter(target);
    initialCenter_ = center();
}

int ToolButton::closestPosition() const { return currentGrid().closestPosition(center()); }

void ToolButton::enterRearrangingAnimation() {
    if (isInRearrangingTBtnsMode_) return;
    fnd::RunLoop::main().performAfterDelay(timerDelay_, *this, kStartWobble,
                                           &ToolButton::timerFireToEnterRearrangingAnimation);
    isInRearrangingTBtnsMode_ = true;
    isSwitchingMode_ = false;
}

void ToolButton::timerFireToEnterRearrangingAnimation() {
    // The mode may have ended before the first swing was due.
    if (!isInRearrangingTBtnsMode_) return;
    stopWobbleTimer();
    timer_ = fnd::RunLoop::main().scheduleTimer(
        kWobbleStep, true, fnd::whileAlive(*this, &ToolButton::continueRearrangingAnimation));
}

void ToolButton::continueRearrangingAnimation() {
    ui::Animation::begin("ToolButtonWobble");
    ui::Animation::setDuration(kWobbleStep);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    setTransform(ui::AffineTransform::rotation(fi_));
    ui::Animation::commit();
    fi_ = -fi_;
}

void ToolButton::exitRearrangingAnimation() {
    if (!isInRearrangingTBtnsMode_) return;
    fnd::RunLoop::main().cancelPerforms(this, kStartWobble);
    stopWobbleTimer();
    fnd::RunLoop::main().performAfterDelay(kWobbleStep, *this, kStopWobble,
                                           &ToolButton::stopRearrangingAnimation);
}

void ToolButton::stopRearrangingAnimation() {
    stopWobbleTimer();
    ui::Animation::begin("ToolButtonStill");
    ui::Animation::setDuration(kWobbleStep);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    setTransform(ui::AffineTransform::identity());
    ui::Animation::commit();
    isInRearrangingTBtnsMode_ = false;
}

void ToolButton::stopWobbleTimer() {
    if (timer_) timer_->invalidate();
    timer_ = nullptr;
}

void ToolButton::tryToEnterRearrangingMode() {
    if (!isInRearrangingTBtnsMode_ && (touchState_ == 1 || touchState_ == 2)) enterRearrangingMode();
}

void ToolButton::enterRearrangingMode() {
    isSwitchingMode_ = true;
    post(kEnterRearrangingModeNotification, *this);
}

void ToolButton::returnBackAfterDelay(double delay) {
    fnd::RunLoop::main().performAfterDelay(delay, *this, kReturnBack, &ToolButton::returnBackAnimation);
}

void ToolButton::returnBackAnimation() {
    ui::Animation::begin("ToolButtonReturn");
    ui::Animation::setDuration(kReturnDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
    setCenter(initialCenter_);
    ui::Animation::commit();
}

void ToolButton::touchesBegan(const ui::Touches& touches) {
    touchState_ = 1;
    if (isRearrangable_) {
        // A hold counts from this touch, not from an earlier one lifted meanwhile.
        fnd::RunLoop::main().cancelPerforms(this, kTryToEnter);
        fnd::RunLoop::main().performAfterDelay(kHoldDuration, *this, kTryToEnter,
                                               &ToolButton::tryToEnterRearrangingMode);
    }
    ui::Button::touchesBegan(touches);
}

void ToolButton::touchesMoved(const ui::Touches& touches) {
    touchState_ = 2;
    if (isInRearrangingTBtnsMode_ && !isDragging_) isDragging_ = true;
    if (isDragging_ && !touches.empty()) {
        const ui::Touch& touch = *touches.front();
        moveVector_ = touch.locationIn(this) - touch.previousLocationIn(this);
        setCenter(center() + moveVector_);
        post(kDragNotification, *this);
    }
    ui::Button::touchesMoved(touches);
}

void ToolButton::touchesEnded(const ui::Touches& touches) {
    touchEnded(3);
    ui::Button::touchesEnded(touches);
}

void ToolButton::touchesCancelled(const ui::Touches& touches) {
    touchEnded(4);
    ui::Button::touchesCancelled(touches);
}

void ToolButton::touchEnded(int state) {
    touchState_ = state;
    if (isDragging_) {
        isDragging_ = false;
        post(kDraggingFinishedNotification, *this);
    }
}
