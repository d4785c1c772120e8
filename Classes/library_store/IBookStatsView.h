#pragma once
// The small pie beside a page row of an interactive book: the share of the page's questions last
// answered right (green), wrong (red) and not yet answered (grey), drawn around the view's centre
// with the first sector starting at the top and the sectors following one another against the
// clock. Each sector stands a point apart from the centre along its middle, so that the pie reads
// as separate wedges; a sector narrower than kSmallestAngle is not drawn but keeps its room.

#include "Classes/library_store/MIBStats.h"
#include "platform/ui/DrawnView.h"

namespace gfx {
class Context;
}

class IBookStatsView : public ui::DrawnView {
  public:
    static constexpr double kRadius = 12;
    static constexpr double kSmallestAngle = 0.05;
    static constexpr double kOffset = 1;

    using ui::DrawnView::init;
    // Transparent, the counts of one page file.
    void init(const ui::Rect& frame, MIBStats stats);

    void drawRect(const ui::Rect& rect) override;
    // The pie of the counts around the centre, into the context.
    static void drawPie(gfx::Context& context, double centreX, double centreY, const MIBStats& stats);

    const MIBStats& stats() const { return stats_; }

  private:
    MIBStats stats_;
};
