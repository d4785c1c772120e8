#include "platform/ui/Animation.h"

#include <cmath>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/View.h"

namespace ui {

namespace {

// The open blocks, innermost last. Views are touched on the main thread only.
std::vector<std::shared_ptr<Animation>>& openBlocks() {
    static std::vector<std::shared_ptr<Animation>> blocks;
    return blocks;
}

double span(double seconds) { return std::isfinite(seconds) && seconds > 0 ? seconds : 0.0; }

}  // namespace

void Animation::begin(std::string name) {
    openBlocks().push_back(std::shared_ptr<Animation>(new Animation(std::move(name))));
}

std::shared_ptr<Animation> Animation::current() {
    auto& blocks = openBlocks();
    return blocks.empty() ? nullptr : blocks.back();
}

void Animation::setDuration(double seconds) {
    if (auto a = current()) a->duration_ = span(seconds);
}

void Animation::setDelay(double seconds) {
    if (auto a = current()) a->delay_ = span(seconds);
}

void Animation::setCurve(AnimationCurve curve) {
    if (auto a = current()) a->curve_ = curve;
}

void Animation::setCompletion(Completion completion) {
    if (auto a = current()) a->completion_ = std::move(completion);
}

void Animation::commit() {
    auto& blocks = openBlocks();
    if (blocks.empty()) {
        fnd::Log::warning("animation: commit without an open block");
        return;
    }
    std::shared_ptr<Animation> a = blocks.back();
    blocks.pop_back();
    fnd::RunLoop& loop = fnd::RunLoop::main();
    a->committed_ = true;
    a->start_ = loop.now() + a->delay_;
    loop.performAfterDelay(a->delay_ + a->duration_, a.get(), "animationDidStop", [a] { a->finish(); });
}

double Animation::progressAt(double time) const {
    if (!committed_ || time < start_) return 0;
    if (duration_ <= 0 || time >= start_ + duration_) return 1;
    return curveProgress(curve_, (time - start_) / duration_);
}

void Animation::addView(const std::shared_ptr<View>& view) {
    for (auto& w : views_)
        if (w.lock() == view) return;
    views_.push_back(view);
}

void Animation::finish() {
    for (auto& w : views_)
        if (auto view = w.lock()) view->forgetAnimation(this);
    views_.clear();
    if (auto completion = std::move(completion_)) completion(!interrupted_);
}

}  // namespace ui
