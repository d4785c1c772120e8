#pragma once
// A scroll view: a clipping window onto content larger than itself. The content offset is the
// bounds origin: the content point shown at the top-left corner. It scrolls when a finger drags it
// (also a drag that began on its content, see TouchInterceptor), with the wheel or trackpad, and
// from code, at once or animated. With paging on, it comes to rest at a multiple of its size.
// The delegate hears of every change of the offset, also during animations and deceleration.

#include <memory>

#include "platform/foundation/Timer.h"
#include "platform/ui/AnimationCurve.h"
#include "platform/ui/ScrollWheelTarget.h"
#include "platform/ui/TouchInterceptor.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;
class ScrollView;

class ScrollViewDelegate {
  public:
    virtual ~ScrollViewDelegate() = default;
    virtual void scrollViewDidScroll(ScrollView&) {}
    virtual void scrollViewWillBeginDragging(ScrollView&) {}
    virtual void scrollViewDidEndDragging(ScrollView&, bool /*willDecelerate*/) {}
    virtual void scrollViewWillBeginDecelerating(ScrollView&) {}
    virtual void scrollViewDidEndDecelerating(ScrollView&) {}
    virtual void scrollViewDidEndScrollingAnimation(ScrollView&) {}
};

class ScrollView : public View, public TouchInterceptor, public ScrollWheelTarget {
  public:
    // How far a finger moves before a drag starts, in points.
    static constexpr double kDragThreshold = 10;
    // How long content waits for a touch that may yet become a drag.
    static constexpr double kContentTouchDelay = 0.15;
    // The length of an animated change of the offset.
    static constexpr double kAnimationDuration = 0.3;

    ~ScrollView() override;
    using View::init;
    void init(const Rect& frame) override;

    Size contentSize() const { return contentSize_; }
    void setContentSize(Size size);
    Point contentOffset() const { return bounds().origin; }
    // At once (told to the delegate), or animated along an ease-in-out curve.
    void setContentOffset(Point offset, bool animated = false);
    // Brings the rectangle (in content coordinates) into view by the shortest move.
    void scrollRectToVisible(const Rect& rect, bool animated);
    // The largest offset the content allows on each axis.
    Point maximumContentOffset() const;

    bool isPagingEnabled() const { return paging_; }
    void setPagingEnabled(bool on) { paging_ = on; }
    bool isScrollEnabled() const { return scrollEnabled_; }
    void setScrollEnabled(bool on) { scrollEnabled_ = on; }
    bool bounces() const { return bounces_; }
    void setBounces(bool on) { bounces_ = on; }
    bool showsScrollIndicators() const { return indicators_; }
    void setShowsScrollIndicators(bool on);
    bool delaysContentTouches() const { return delaysContentTouches_; }
    void setDelaysContentTouches(bool on) { delaysContentTouches_ = on; }
    bool canCancelContentTouches() const { return canCancelContentTouches_; }
    void setCanCancelContentTouches(bool on) { canCancelContentTouches_ = on; }

    std::shared_ptr<ScrollViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<ScrollViewDelegate> delegate) { delegate_ = std::move(delegate); }

    bool isDragging() const { return dragging_; }
    bool isDecelerating() const { return decelerating_; }

    // Whether content that has a touch gives it up when a drag starts: all but controls do.
    virtual bool touchesShouldCancelInContentView(const View& view) const;

    void touchesBegan(const Touches& touches) override;
    void touchesMoved(const Touches& touches) override;
    void touchesEnded(const Touches& touches) override;
    void touchesCancelled(const Touches& touches) override;

    bool watchesContentTouches() const override;
    double contentTouchDelay() const override;
    void contentTouchBegan(const Touch& touch) override;
    bool takesOverTouch(const Touch& touch) override;
    bool contentGivesUpTouch(const View& content) const override;
    // The wheel moves the offset within the content; a paging view comes to rest on a page once
    // the wheel stops. Answers whether the offset moved.
    bool scrollWheel(double dx, double dy) override;

    PrimitiveKind primitiveKind() const override { return PrimitiveKind::Scroll; }
    void describe(PrimitiveProperties& properties) const override;

    // Interface-file properties: "contentSize", "pagingEnabled", "scrollEnabled", "bounces",
    // "showsScrollIndicators", "delaysContentTouches", "canCancelContentTouches".
    static void applyNibProperties(ScrollView& view, NibProperties& properties);

  protected:
    // The offset changed (before the delegate hears of it).
    virtual void contentOffsetChanged() {}
    // A smaller frame or content leaves the offset where the content can no longer be: it is
    // brought back into range, or the content would stay out of reach until something scrolls it.
    void boundsSizeChanged() override;

  private:
    enum class Motion { None, Animation, Deceleration };
    bool canScrollHorizontally() const;
    bool canScrollVertically() const;
    Point clamped(Point offset) const;
    void moveTo(Point offset);
    void startMotion(Point target, double duration, AnimationCurve curve, Motion kind);
    void stopMotion();
    void finishMotion(Motion kind);
    bool beyondThreshold(Point rootLocation) const;
    void beginDrag(Point rootLocation);
    void endDrag(bool cancelled);
    Point restingOffset(Point velocity) const;
    void settleWheel();

    Size contentSize_;
    bool paging_ = false;
    bool scrollEnabled_ = true;
    bool bounces_ = true;
    bool indicators_ = true;
    bool delaysContentTouches_ = true;
    bool canCancelContentTouches_ = true;
    std::weak_ptr<ScrollViewDelegate> delegate_;

    // The finger: where it came down and, once dragging, where the drag started.
    Point touchStart_;
    Point dragStart_;
    Point dragStartOffset_;
    Point lastLocation_;
    double lastTime_ = 0;
    Point velocity_;                       // points per second, in root coordinates
    const Touch* contentTouch_ = nullptr;  // the touch on the content it watches (compared only)
    bool tracking_ = false;
    bool dragging_ = false;
    bool decelerating_ = false;
    bool wheeling_ = false;

    // An offset moving by itself.
    Motion motion_ = Motion::None;
    std::shared_ptr<fnd::Timer> ticker_;
};

}  // namespace ui
