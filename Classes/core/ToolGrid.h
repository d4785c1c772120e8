#pragma once
// The home screen's grid of numbered tool positions.
//
// The phone has two pages of 12 positions side by side in the scroll view's content, each 320
// points wide and 3 columns by 4 rows; positions 0 to 11 lie on the first page, 12 to 23 on the
// second. The tablet has 5 columns and as many rows as needed, with wider columns in a landscape
// orientation.

#include <climits>

#include "platform/ui/Point.h"

class ToolGrid {
  public:
    // A button without a position.
    static constexpr int kNoPosition = INT_MAX;

    static constexpr int kPhonePageSize = 12;
    static constexpr int kPhoneColumns = 3;
    static constexpr double kPhonePageWidth = 320;
    static constexpr int kTabletColumns = 5;

    // The phone's grid, or the tablet's in one orientation.
    static ToolGrid phone() { return ToolGrid(false, false); }
    static ToolGrid tablet(bool landscape) { return ToolGrid(true, landscape); }

    bool isTablet() const { return tablet_; }

    // The centre of a position, in the coordinates of the view that holds the buttons.
    ui::Point centreOfPosition(int position) const;
    // The position nearest to a point, or kNoPosition when the point lies left of or above the
    // grid. On the phone the page is the one under the point, and a point below the last row
    // counts as the page's last position.
    int closestPosition(ui::Point centre) const;

    // Whether an x in the phone's content lies over the first page.
    static bool isOnFirstPage(double x) { return x < kPhonePageWidth; }
    static bool isFirstPagePosition(int position) { return position < kPhonePageSize; }

  private:
    ToolGrid(bool tablet, bool landscape) : tablet_(tablet), landscape_(landscape) {}

    bool tablet_;
    bool landscape_;
};
