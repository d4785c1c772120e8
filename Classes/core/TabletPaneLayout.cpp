#include "Classes/core/TabletPaneLayout.h"

#include <algorithm>

#include "Classes/core/TipVC_iPad.h"

TabletPaneLayout::Placement TabletPaneLayout::place(ui::Size home, bool band, double twoRows, double oneRow) {
    double top = kGridBottom, bottom = home.height;
    if (band) {
        const double bandTop = home.height - TipVC_iPad::kBandLift - TipVC_iPad::kBandHeight;
        if (bandTop - kBandGap - top >= oneRow)
            bottom = bandTop - kBandGap;
        else
            top = std::max(top, home.height - TipVC_iPad::kBandLift + kBandGap);
    }
    const double room = std::max(0.0, bottom - top);
    return {{0, top, home.width, room}, room < twoRows};
}
