#pragma once
// One level's place in the level grid: a square key with the level's number over three small stars
// that show its best score in half stars. The view keeps its size and floats in its cell when the
// grid resizes.

#include <memory>

#include "platform/ui/View.h"

namespace ui {
class Button;
class ImageView;
}  // namespace ui

class MGameLevelView : public ui::View {
  public:
    static constexpr int kButtonTag = 1;
    // The key's side and the stars' row, in points at scale 1.
    static constexpr double kButtonSide = 51;
    static constexpr double kContentHeight = 60;

    using ui::View::init;
    void init(const ui::Rect& frame, double scale);

    // Star k (1 to 3) is full from 2k half stars on, half at 2k - 1, empty below.
    void showStars(int semistars);

    const std::shared_ptr<ui::Button>& button() const { return button_; }
    const std::shared_ptr<ui::ImageView>& star(int k) const {
        return stars_[static_cast<std::size_t>(k - 1)];
    }

  private:
    std::shared_ptr<ui::Button> button_;
    std::shared_ptr<ui::ImageView> stars_[3];
};
