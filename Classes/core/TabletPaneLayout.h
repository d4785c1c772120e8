#pragma once
// Where the tablet's home screen puts its statistics and test-date pane: below the grid's last row,
// whole, in either orientation and whether the tip band shows or not. Without the band the room is
// the rest of the screen down to its bottom; with it, the room between the grid and the band when
// that holds the pane's low arrangement (as it does upright), otherwise (turned, the band lies
// just under the grid) the room from below the band to the bottom. The pane takes its two rows
// where the room is tall enough for them and its one low row where it is not. Its content, centred,
// stays clear of the test-date and info buttons in the bottom corners.

#include "platform/ui/Rect.h"

class TabletPaneLayout {
  public:
    // The bottom of the grid's third row, captions included.
    static constexpr double kGridBottom = 456;
    // The room left between the pane and the tip band.
    static constexpr double kBandGap = 4;

    struct Placement {
        // The frame of the pane's scroll view.
        ui::Rect frame;
        // Whether the pane lies in one low row rather than two.
        bool oneRow = false;
    };
    // The place in a home screen of that size, with or without the band, for a pane that is
    // `twoRows` high in two rows and `oneRow` high in one.
    static Placement place(ui::Size home, bool band, double twoRows, double oneRow);
};
