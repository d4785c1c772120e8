#pragma once
// Where the tablet's home screen puts its statistics and test-date pane: below the grid's last row
// down to the screen's bottom (the pane's content, centred, stays clear of the test-date button at
// the lower left). While a tip band shows, the pane keeps out of its way: in the room between the
// grid and the band when that is tall enough for the pane's first row (the accuracy chart and the
// countdown), as it is upright; otherwise (turned, the band lies just under the grid) from below
// the band to the bottom. Either way the chart and the countdown show whole; the rest scrolls.

#include "platform/ui/Rect.h"

class TabletPaneLayout {
  public:
    // The bottom of the grid's third row, captions included.
    static constexpr double kGridBottom = 456;
    // The pane's first row: the accuracy chart beside the countdown.
    static constexpr double kFirstRowHeight = 204;
    // The room left between the pane and the tip band.
    static constexpr double kBandGap = 4;

    // The frame of the pane's scroll view in a home screen of that size, with or without the band.
    static ui::Rect scrollFrame(ui::Size home, bool band);
};
