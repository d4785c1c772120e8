#pragma once
// View animations as begin/commit blocks. Between begin() and commit() every change of an animatable
// view property (centre, size, bounds origin, transform, alpha, background colour) takes its new
// model value at once and is shown moving from its present on-screen value to the new one, after
// the block's delay, over its duration and along its curve. A change made outside any block takes
// effect at once and supersedes an animation of that property that is waiting in its delay or
// running. The completion runs on the main run loop once delay + duration have passed; it is told
// whether every change of the block ran to its end.
//
//     ui::Animation::begin("InAnimation");
//     ui::Animation::setDuration(0.3);
//     ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
//     view->setCenter(end);
//     ui::Animation::commit();

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/AnimationCurve.h"

namespace ui {

class View;

class Animation {
  public:
    using Completion = std::function<void(bool finished)>;

    static constexpr double kDefaultDuration = 0.2;

    // Opens a block; blocks nest, each with its own settings.
    static void begin(std::string name = {});
    // Settings of the innermost open block; ignored when none is open. Negative or non-finite
    // durations and delays count as 0.
    static void setDuration(double seconds);
    static void setDelay(double seconds);
    static void setCurve(AnimationCurve curve);
    static void setCompletion(Completion completion);
    // Closes the innermost block: its changes start now (after its delay). Ignored when none is open.
    static void commit();
    // The innermost open block; null when none is open.
    static std::shared_ptr<Animation> current();

    const std::string& name() const { return name_; }
    double duration() const { return duration_; }
    double delay() const { return delay_; }
    AnimationCurve curve() const { return curve_; }
    bool isCommitted() const { return committed_; }
    // When the changes start moving (after the delay) and stop; run-loop time, set by commit.
    double startTime() const { return start_; }
    double endTime() const { return start_ + duration_; }
    // How far along the curve the changes are at a run-loop time: 0 until they start, 1 from their end.
    double progressAt(double time) const;
    bool isInterrupted() const { return interrupted_; }

    // Bookkeeping of the views: a change of this block was superseded; a view holds a change of it.
    void interrupt() { interrupted_ = true; }
    void addView(const std::shared_ptr<View>& view);

  private:
    explicit Animation(std::string name) : name_(std::move(name)) {}
    void finish();

    std::string name_;
    double duration_ = kDefaultDuration;
    double delay_ = 0;
    AnimationCurve curve_ = AnimationCurve::EaseInOut;
    Completion completion_;
    bool committed_ = false;
    bool interrupted_ = false;
    double start_ = 0;
    std::vector<std::weak_ptr<View>> views_;
};

}  // namespace ui
