#pragma once
// A spinning wheel of spokes that shows work in progress. While it animates the wheel turns a
// third of a turn at a time in steady animations; stopped, it hides itself unless told not to.

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;

enum class ActivityIndicatorStyle { WhiteLarge, White, Gray };

class ActivityIndicator : public View {
  public:
    static constexpr double kTurnStep = 1.0 / 3;  // seconds per third of a turn

    using View::init;
    // A white indicator of the style's size with its centre at the frame's centre.
    void init(const Rect& frame) override;
    void init(ActivityIndicatorStyle style);

    ActivityIndicatorStyle style() const { return style_; }
    void setStyle(ActivityIndicatorStyle style);
    bool hidesWhenStopped() const { return hidesWhenStopped_; }
    void setHidesWhenStopped(bool on);
    bool isAnimating() const { return animating_; }
    void startAnimating();
    void stopAnimating();

    Size sizeThatFits(Size) const override;
    void layoutSubviews() override;

    // Interface-file properties: "style" ("whiteLarge", "white", "gray"), "hidesWhenStopped",
    // "animating".
    static void applyNibProperties(ActivityIndicator& indicator, NibProperties& properties);

  private:
    void turn();

    ActivityIndicatorStyle style_ = ActivityIndicatorStyle::White;
    bool hidesWhenStopped_ = true;
    bool animating_ = false;
    int step_ = 0;
    unsigned run_ = 0;  // which run of the animation a scheduled turn belongs to
    std::shared_ptr<ImageView> wheel_;
};

}  // namespace ui
