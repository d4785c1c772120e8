#pragma once
// The accuracy chart's scale: the percentages of its grid's inner lines, small at the plot's left
// edge. The grid (drawn in the chart's frame picture) divides the plot's height into quarters, 0 %
// at the bottom and 100 % at the top. "75%" stands below its line and the others above theirs, so
// that the caption block, which keeps to a corner of the plot, covers none of them. The labels lie
// under the plot, so curves are drawn over them; they show only while curves are drawn.

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Rect.h"

namespace ui {
class Label;
class View;
}  // namespace ui

class AccuracyScale {
  public:
    // The parts the grid divides the plot's height into.
    static constexpr int kGridParts = 4;

    // Each inner line's text and its label's frame, in the coordinates of the plot's superview,
    // the top line first.
    struct Mark {
        std::string text;
        ui::Rect frame;
    };
    static std::vector<Mark> marks(const ui::Rect& plot);

    // Makes the labels and puts them into the plot's superview, just under the plot; hidden at
    // first. Installed again (the plot has moved), the labels replace those before and keep their
    // showing.
    void install(ui::View& plot);
    void setHidden(bool hidden);
    const std::vector<std::shared_ptr<ui::Label>>& labels() const { return labels_; }

  private:
    std::vector<std::shared_ptr<ui::Label>> labels_;
};
