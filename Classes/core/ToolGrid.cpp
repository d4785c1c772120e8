#include "Classes/core/ToolGrid.h"

#include <algorithm>
#include <cmath>

namespace {

// The phone's grid is laid out from the first column's centre on each page, the column and row
// steps, and the first row's centre.
constexpr double kPhoneFirstX = 60;
constexpr double kPhoneSecondX = 380;
constexpr double kPhoneStepX = 100;
constexpr double kPhoneFirstY = 57;
constexpr double kPhoneStepY = 96;
// The tablet's grid is laid out from the first column's centre and the column step in landscape and
// in portrait, and from its rows' start and step.
constexpr double kLandscapeFirstX = 100;
constexpr double kLandscapeStepX = 206;
constexpr double kPortraitFirstX = 84;
constexpr double kPortraitStepX = 150;
constexpr double kTabletFirstY = 95;
constexpr double kTabletStepY = 150;

// The whole number nearest to a value above -0.5 (kept as a double: points far off stay in range).
double nearest(double v) { return std::floor(v + 0.5); }

}  // namespace

ui::Point ToolGrid::centreOfPosition(int position) const {
    if (tablet_) {
        double x0 = landscape_ ? kLandscapeFirstX : kPortraitFirstX;
        double x1 = landscape_ ? kLandscapeStepX : kPortraitStepX;
        return {x0 + x1 * (position % kTabletColumns),
                kTabletFirstY + kTabletStepY * (position / kTabletColumns)};
    }
    bool first = isFirstPagePosition(position);
    int row = position / kPhoneColumns - (first ? 0 : kPhonePageSize / kPhoneColumns);
    return {(first ? kPhoneFirstX : kPhoneSecondX) + kPhoneStepX * (position % kPhoneColumns),
            kPhoneFirstY + kPhoneStepY * row};
}

int ToolGrid::closestPosition(ui::Point centre) const {
    if (tablet_) {
        double x0 = landscape_ ? kLandscapeFirstX : kPortraitFirstX;
        double x1 = landscape_ ? kLandscapeStepX : kPortraitStepX;
        double col = (centre.x - x0) / x1;
        double row = (centre.y - kTabletFirstY) / kTabletStepY;
        if (!(col > -0.5 && row > -0.5)) return kNoPosition;
        // Rows have no limit; a point far below the grid still stays within int.
        double position = std::min<double>(kTabletColumns - 1, nearest(col)) + kTabletColumns * nearest(row);
        return position < kNoPosition ? static_cast<int>(position) : kNoPosition;
    }
    bool first = isOnFirstPage(centre.x);
    double row = (centre.y - kPhoneFirstY) / kPhoneStepY;
    double col = (centre.x - (first ? kPhoneFirstX : kPhoneSecondX)) / kPhoneStepX;
    if (!(col > -0.5 && row > -0.5)) return kNoPosition;
    int last = first ? kPhonePageSize - 1 : 2 * kPhonePageSize - 1;
    double position = std::min<double>(nearest(col), kPhoneColumns - 1) + kPhoneColumns * nearest(row) +
                      (first ? 0 : kPhonePageSize);
    return static_cast<int>(std::min<double>(position, last));
}
