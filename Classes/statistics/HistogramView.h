#pragma once
// A statistics series drawn as bars: a one-point vertical line from the bottom up to each column's
// value, so that neighbouring columns of one step merge into one bar.

#include "Classes/statistics/PlotView.h"

class HistogramView : public PlotView {
  public:
    void drawRect(const ui::Rect& rect) override;
};
