#pragma once
// The bubble over a selected annotation: its title, its subtitle under it, the left accessory view
// before them, and an arrow under the bubble pointing at the annotation. It takes the touches on
// it, so a tap on the bubble leaves the selection as it is.

#include <memory>
#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace maps {

class CalloutView : public ui::View {
  public:
    static constexpr double kHeight = 44, kArrow = 8, kMinimumWidth = 80, kInset = 10;

    void init(const ui::Rect& frame) override;

    // Fills the bubble and places it with the arrow's tip on `anchor` (in the superview's
    // coordinates), shifted sideways when needed to stay between `left` and `right`.
    void show(const std::string& title, const std::string& subtitle, std::shared_ptr<ui::View> accessory,
              ui::Point anchor, double left, double right);

    const std::shared_ptr<ui::Label>& titleLabel() const { return title_; }
    const std::shared_ptr<ui::Label>& subtitleLabel() const { return subtitle_; }

    // Touches on the bubble stay here.
    void touchesBegan(const ui::Touches&) override {}
    void touchesMoved(const ui::Touches&) override {}
    void touchesEnded(const ui::Touches&) override {}
    void touchesCancelled(const ui::Touches&) override {}

  private:
    std::shared_ptr<ui::View> bubble_;
    std::shared_ptr<ui::View> arrow_;
    std::shared_ptr<ui::Label> title_;
    std::shared_ptr<ui::Label> subtitle_;
    std::shared_ptr<ui::View> accessory_;
};

}  // namespace maps
