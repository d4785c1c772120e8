#pragma once
// Where the tablet's home screen puts its statistics and test-date pane: in the free band between
// the grid's last row and the tip band when that band is tall enough for the pane's first row (the
// accuracy chart and the countdown), which holds upright; otherwise (turned, the tip band lies just
// under the grid) from below the tip band to the screen's bottom. Either way a tip covers none of
// the pane, and the chart and the countdown show whole; the rest of the pane scrolls.

#include "platform/ui/Rect.h"

class TabletPaneLayout {
  public:
    // The bottom of the grid's third row, captions included.
    static constexpr double kGridBottom = 456;
    // The pane's first row: the accuracy chart beside the countdown.
    static constexpr double kFirstRowHeight = 204;
    // The room left between the pane and the tip band.
    static constexpr double kBandGap = 4;

    // The frame of the pane's scroll view in a home screen of that size.
    static ui::Rect scrollFrame(ui::Size home);
};
