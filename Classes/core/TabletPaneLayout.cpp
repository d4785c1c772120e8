#include "Classes/core/TabletPaneLayout.h"

#include <algorithm>

#include "Classes/core/TipVC_iPad.h"

ui::Rect TabletPaneLayout::scrollFrame(ui::Size home, bool band) {
    if (!band) return {0, kGridBottom, home.width, std::max(0.0, home.height - kGridBottom)};
    double bandTop = home.height - TipVC_iPad::kBandLift - TipVC_iPad::kBandHeight;
    double above = bandTop - kBandGap - kGridBottom;
    if (above >= kFirstRowHeight) return {0, kGridBottom, home.width, above};
    double top = std::max(kGridBottom, home.height - TipVC_iPad::kBandLift + kBandGap);
    return {0, top, home.width, std::max(0.0, home.height - top)};
}
