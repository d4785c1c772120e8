#include "platform/ui/ScrollView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/Control.h"
#include "platform/ui/NibProperties.h"
#include "platform/ui/Touch.h"

namespace ui {

namespace {

constexpr double kFlickSpeed = 300;         // points per second that turn a page whatever the distance
constexpr double kMomentumSpeed = 100;      // slower drags come to rest where they are let go
constexpr double kMomentumTime = 0.35;      // how far momentum carries: this long at the release speed
constexpr double kStillTime = 0.1;          // a finger resting this long before lifting has no speed
constexpr double kWheelSettleDelay = 0.15;  // the wheel gesture is over after this long without events
constexpr double kDecelerationTime = 0.5;

double now() { return fnd::RunLoop::main().now(); }

// Where the finger is, in coordinates that do not move with the offset.
Point fingerAt(const View& scroll, const Touch& touch) {
    auto super = scroll.superview();
    return touch.locationIn(super.get());
}

}  // namespace

ScrollView::~ScrollView() {
    if (ticker_) ticker_->invalidate();
}

void ScrollView::init(const Rect& frame) {
    View::init(frame);
    setClipsToBounds(true);
}

void ScrollView::setContentSize(Size size) {
    if (!std::isfinite(size.width) || !std::isfinite(size.height) || size == contentSize_) return;
    contentSize_ = {std::max(0.0, size.width), std::max(0.0, size.height)};
    changed();
    boundsSizeChanged();
}

void ScrollView::boundsSizeChanged() {
    // A drag or deceleration in progress keeps its own bounds until it ends.
    if (!isDragging() && !isDecelerating()) moveTo(clamped(contentOffset()));
}

void ScrollView::setShowsScrollIndicators(bool on) {
    if (on == indicators_) return;
    indicators_ = on;
    changed();
}

Point ScrollView::maximumContentOffset() const {
    Size s = bounds().size;
    return {std::max(0.0, contentSize_.width - s.width), std::max(0.0, contentSize_.height - s.height)};
}

bool ScrollView::canScrollHorizontally() const { return maximumContentOffset().x > 0; }
bool ScrollView::canScrollVertically() const { return maximumContentOffset().y > 0; }

Point ScrollView::clamped(Point p) const {
    Point max = maximumContentOffset();
    return {std::clamp(p.x, 0.0, max.x), std::clamp(p.y, 0.0, max.y)};
}

void ScrollView::moveTo(Point offset) {
    if (!std::isfinite(offset.x) || !std::isfinite(offset.y) || offset == contentOffset()) return;
    std::shared_ptr<View> keep = sharedAs<View>();
    setBounds({offset, bounds().size});
    contentOffsetChanged();
    if (auto d = delegate()) d->scrollViewDidScroll(*this);
}

void ScrollView::setContentOffset(Point offset, bool animated) {
    if (!std::isfinite(offset.x) || !std::isfinite(offset.y)) return;
    stopMotion();
    if (!animated || offset == contentOffset()) {
        moveTo(offset);
        return;
    }
    startMotion(offset, kAnimationDuration, AnimationCurve::EaseInOut, Motion::Animation);
}

void ScrollView::scrollRectToVisible(const Rect& rect, bool animated) {
    Rect r = rect.standardized();
    Point offset = contentOffset();
    Size s = bounds().size;
    if (r.maxX() > offset.x + s.width) offset.x = r.maxX() - s.width;
    if (r.minX() < offset.x) offset.x = r.minX();
    if (r.maxY() > offset.y + s.height) offset.y = r.maxY() - s.height;
    if (r.minY() < offset.y) offset.y = r.minY();
    setContentOffset(clamped(offset), animated);
}

// ---- Offsets that move by themselves: animations and deceleration, one step per display frame

void ScrollView::startMotion(Point target, double duration, AnimationCurve curve, Motion kind) {
    stopMotion();
    motion_ = kind;
    Point from = contentOffset();
    double start = now();
    std::weak_ptr<ScrollView> weak = sharedAs<ScrollView>();
    ticker_ =
        fnd::RunLoop::main().addDisplayLink([weak, from, target, start, duration, curve, kind](double time) {
            auto self = weak.lock();
            if (!self) return;
            double fraction = std::clamp((time - start) / duration, 0.0, 1.0);
            double p = curveProgress(curve, fraction);
            self->moveTo(fraction >= 1 ? target : from + (target - from) * p);
            if (fraction >= 1) self->finishMotion(kind);
        });
}

void ScrollView::stopMotion() {
    if (ticker_) ticker_->invalidate();
    ticker_.reset();
    motion_ = Motion::None;
    decelerating_ = false;
}

void ScrollView::finishMotion(Motion kind) {
    stopMotion();
    auto d = delegate();
    if (!d) return;
    if (kind == Motion::Deceleration)
        d->scrollViewDidEndDecelerating(*this);
    else
        d->scrollViewDidEndScrollingAnimation(*this);
}

// ---- Dragging

bool ScrollView::beyondThreshold(Point p) const {
    Point d = p - touchStart_;
    return (canScrollHorizontally() && std::abs(d.x) > kDragThreshold) ||
           (canScrollVertically() && std::abs(d.y) > kDragThreshold);
}

void ScrollView::beginDrag(Point p) {
    stopMotion();
    dragging_ = true;
    dragStart_ = p;
    dragStartOffset_ = contentOffset();
    velocity_ = {};
    if (auto d = delegate()) d->scrollViewWillBeginDragging(*this);
}

Point ScrollView::restingOffset(Point velocity) const {
    Point offset = contentOffset();
    Point max = maximumContentOffset();
    Size page = bounds().size;
    auto pageAxis = [](double offset, double startOffset, double speed, double pageLength, double maxOffset) {
        if (pageLength <= 0) return std::clamp(offset, 0.0, maxOffset);
        double startPage = std::round(startOffset / pageLength);
        double target = std::round(offset / pageLength);
        // A flick turns one page in its direction (the finger moves against the offset).
        if (speed < -kFlickSpeed) target = std::max(target, startPage + 1);
        if (speed > kFlickSpeed) target = std::min(target, startPage - 1);
        double lastPage = std::ceil(maxOffset / pageLength - 1e-9);
        return std::clamp(target, 0.0, lastPage) * pageLength;
    };
    auto freeAxis = [](double offset, double speed, double maxOffset) {
        if (std::abs(speed) >= kMomentumSpeed) offset -= speed * kMomentumTime;
        return std::clamp(offset, 0.0, maxOffset);
    };
    if (paging_) {
        return {canScrollHorizontally()
                    ? std::min(pageAxis(offset.x, dragStartOffset_.x, velocity.x, page.width, max.x), max.x)
                    : offset.x,
                canScrollVertically()
                    ? std::min(pageAxis(offset.y, dragStartOffset_.y, velocity.y, page.height, max.y), max.y)
                    : offset.y};
    }
    return {canScrollHorizontally() ? freeAxis(offset.x, velocity.x, max.x) : offset.x,
            canScrollVertically() ? freeAxis(offset.y, velocity.y, max.y) : offset.y};
}

void ScrollView::endDrag(bool cancelled) {
    if (!dragging_) return;
    dragging_ = false;
    Point velocity = cancelled || now() - lastTime_ > kStillTime ? Point{} : velocity_;
    Point target = restingOffset(velocity);
    bool willDecelerate = target != contentOffset();
    std::shared_ptr<View> keep = sharedAs<View>();
    if (auto d = delegate()) d->scrollViewDidEndDragging(*this, willDecelerate);
    if (!willDecelerate) return;
    decelerating_ = true;
    if (auto d = delegate()) d->scrollViewWillBeginDecelerating(*this);
    if (!decelerating_) return;  // the delegate stopped it
    startMotion(target, paging_ ? kAnimationDuration : kDecelerationTime, AnimationCurve::EaseOut,
                Motion::Deceleration);
    decelerating_ = true;
}

void ScrollView::touchesBegan(const Touches& touches) {
    const auto& touch = touches.front();
    if (touch->view().get() != this) return View::touchesBegan(touches);
    Point p = fingerAt(*this, *touch);
    // A touch taken over from the content keeps the place it began; a touch on the view itself
    // begins here and catches the content if it was moving.
    if (touch.get() != contentTouch_) {
        touchStart_ = p;
        stopMotion();
    }
    contentTouch_ = nullptr;
    tracking_ = true;
    lastLocation_ = p;
    lastTime_ = now();
}

void ScrollView::touchesMoved(const Touches& touches) {
    const auto& touch = touches.front();
    if (touch->view().get() != this) return View::touchesMoved(touches);
    if (!tracking_ || !scrollEnabled_) return;
    Point p = fingerAt(*this, *touch);
    double t = now();
    if (t > lastTime_) {
        Point v = (p - lastLocation_) * (1.0 / (t - lastTime_));
        velocity_ = velocity_ == Point{} ? v : velocity_ * 0.2 + v * 0.8;
    }
    lastLocation_ = p;
    lastTime_ = t;
    if (!dragging_) {
        if (!beyondThreshold(p)) return;
        beginDrag(p);
    }
    Point offset = dragStartOffset_ - (p - dragStart_);
    Point current = contentOffset();
    if (!canScrollHorizontally()) offset.x = current.x;
    if (!canScrollVertically()) offset.y = current.y;
    moveTo(clamped(offset));
}

void ScrollView::touchesEnded(const Touches& touches) {
    const auto& touch = touches.front();
    if (touch->view().get() != this) return View::touchesEnded(touches);
    tracking_ = false;
    endDrag(false);
}

void ScrollView::touchesCancelled(const Touches& touches) {
    const auto& touch = touches.front();
    if (touch->view().get() != this) return View::touchesCancelled(touches);
    tracking_ = false;
    endDrag(true);
}

// ---- Touches that begin on the content

bool ScrollView::watchesContentTouches() const {
    return scrollEnabled_ && (canScrollHorizontally() || canScrollVertically());
}

double ScrollView::contentTouchDelay() const { return delaysContentTouches_ ? kContentTouchDelay : 0; }

void ScrollView::contentTouchBegan(const Touch& touch) {
    stopMotion();
    touchStart_ = fingerAt(*this, touch);
    lastLocation_ = touchStart_;
    lastTime_ = now();
    contentTouch_ = &touch;
}

bool ScrollView::takesOverTouch(const Touch& touch) {
    return scrollEnabled_ && beyondThreshold(fingerAt(*this, touch));
}

bool ScrollView::contentGivesUpTouch(const View& content) const {
    return canCancelContentTouches_ && touchesShouldCancelInContentView(content);
}

bool ScrollView::touchesShouldCancelInContentView(const View& view) const {
    return dynamic_cast<const Control*>(&view) == nullptr;
}

// ---- Wheel and trackpad

bool ScrollView::scrollWheel(double dx, double dy) {
    if (!scrollEnabled_) return false;
    bool horizontal = canScrollHorizontally() && dx != 0;
    bool vertical = canScrollVertically() && dy != 0;
    if (!horizontal && !vertical) return false;
    if (!wheeling_) {
        wheeling_ = true;
        beginDrag(contentOffset());
    }
    Point before = contentOffset();
    Point offset = before;
    if (horizontal) offset.x += dx;
    if (vertical) offset.y += dy;
    moveTo(clamped(offset));
    lastTime_ = now();
    auto& loop = fnd::RunLoop::main();
    loop.cancelPerforms(this, "settleWheel");
    std::weak_ptr<ScrollView> weak = sharedAs<ScrollView>();
    loop.performAfterDelay(kWheelSettleDelay, this, "settleWheel", [weak] {
        if (auto self = weak.lock()) self->settleWheel();
    });
    return contentOffset() != before;
}

void ScrollView::settleWheel() {
    wheeling_ = false;
    if (!dragging_) return;
    // A wheel gesture turns a page once it has moved a fifth of one, as a flick does.
    Point moved = contentOffset() - dragStartOffset_;
    Size page = bounds().size;
    Point velocity;
    if (paging_) {
        if (std::abs(moved.x) > page.width / 5) velocity.x = moved.x > 0 ? -2 * kFlickSpeed : 2 * kFlickSpeed;
        if (std::abs(moved.y) > page.height / 5)
            velocity.y = moved.y > 0 ? -2 * kFlickSpeed : 2 * kFlickSpeed;
    }
    velocity_ = velocity;
    lastTime_ = now();
    endDrag(false);
}

void ScrollView::describe(PrimitiveProperties& p) const {
    View::describe(p);
    p.emplace_back("contentSize", contentSize_);
    p.emplace_back("indicators", indicators_);
}

void ScrollView::applyNibProperties(ScrollView& view, NibProperties& p) {
    if (auto v = p.size("contentSize")) view.setContentSize(*v);
    if (auto v = p.boolean("pagingEnabled")) view.setPagingEnabled(*v);
    if (auto v = p.boolean("scrollEnabled")) view.setScrollEnabled(*v);
    if (auto v = p.boolean("bounces")) view.setBounces(*v);
    if (auto v = p.boolean("showsScrollIndicators")) view.setShowsScrollIndicators(*v);
    if (auto v = p.boolean("delaysContentTouches")) view.setDelaysContentTouches(*v);
    if (auto v = p.boolean("canCancelContentTouches")) view.setCanCancelContentTouches(*v);
}

}  // namespace ui
