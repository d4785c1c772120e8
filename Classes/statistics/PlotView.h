#pragma once
// One statistics series drawn as a line with a soft shadow, and, when it has a caption, a short
// legend stroke left of that caption. Plot views are transparent, so several of one size stacked
// in a container share one coordinate system: x is the series' column, one point per column.

#include <memory>
#include <string>

#include "Classes/statistics/StatViewDelegate.h"
#include "platform/ui/Color.h"
#include "platform/ui/DrawnView.h"

namespace ui {
class Label;
}

class PlotView : public ui::DrawnView {
  public:
    using ui::DrawnView::init;
    // Sets the series up for the frame's size; white on a transparent background.
    void init(const ui::Rect& frame, std::shared_ptr<StatViewDelegate> series);
    // The same in a colour, with the caption showing the name, and the series' newest value in
    // percent after it when it has one ("All(72.5%)"), in that colour.
    void init(const ui::Rect& frame, const std::string& name, std::shared_ptr<StatViewDelegate> series,
              const ui::Color& color, const std::shared_ptr<ui::Label>& caption);

    const std::shared_ptr<StatViewDelegate>& delegate() const { return series_; }
    const ui::Color& mainColor() const { return mainColor_; }
    void setMainColor(const ui::Color& color);
    ui::Size windowSize() const { return windowSize_; }
    // The caption's frame in the superview's coordinates; a zero width draws no legend.
    const ui::Rect& legendFrame() const { return legendFrame_; }
    void showLegend(const ui::Rect& captionFrame);

    void drawRect(const ui::Rect& rect) override;

  protected:
    // The view's y of a column's value; below the bottom for a column without value.
    double yFor(double x) const;
    // The first column drawn, truncated.
    double firstColumn() const;

  private:
    std::shared_ptr<StatViewDelegate> series_;
    ui::Size windowSize_;
    ui::Color mainColor_ = ui::Color::whiteColor();
    ui::Rect legendFrame_;
};
