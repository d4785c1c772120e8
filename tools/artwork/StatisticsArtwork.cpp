#include "tools/artwork/StatisticsArtwork.h"

#include <string>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"

namespace {

using ui::Color;

const Color kFill = Color::rgb(0.19, 0.23, 0.29);
const Color kEdge = Color::white(1, 0.16);
const Color kGuide = Color::white(1, 0.10);
const Color kMiddle = Color::white(1, 0.22);
constexpr double kRadius = 8;

// A rounded frame whose plot area of plotWidth x plotHeight starts kInset from its top left; guide
// lines at the quarters of the plot's height, the middle one stronger, the bottom one as the axis.
void addFrame(ArtworkRegistry& registry, const std::string& name, double plotWidth, double plotHeight,
              int quarters) {
    const double inset = StatisticsArtwork::kInset;
    registry.add(name, plotWidth + 2 * inset, plotHeight + 2 * inset,
                 [plotWidth, plotHeight, inset, quarters](gfx::Context& c) {
                     ArtworkPen pen(c);
                     const ui::Rect box{0.5, 0.5, plotWidth + 2 * inset - 1, plotHeight + 2 * inset - 1};
                     c.setFillColor(kFill);
                     pen.fillRoundedRect(box, kRadius);
                     c.setStrokeColor(kEdge);
                     c.setLineWidth(1);
                     pen.strokeRoundedRect(box, kRadius);
                     for (int q = 0; q <= 4; q += 4 / quarters) {
                         // Half a point off the grid, so that a one-point line covers whole pixels.
                         const double y = inset + plotHeight * q / 4.0 - (q == 4 ? 0.5 : 0);
                         c.setStrokeColor(q == 2 ? kMiddle : q == 4 ? kEdge : kGuide);
                         c.beginPath();
                         c.moveTo(inset, y);
                         c.lineTo(inset + plotWidth, y);
                         c.strokePath();
                     }
                 });
}

}  // namespace

void StatisticsArtwork::addTo(ArtworkRegistry& registry) {
    addFrame(registry, "Statistics_accuracy_frame", kPhonePlotWidth, kAccuracyPlotHeight, 4);
    addFrame(registry, "Statistics_steps_frame", kPhonePlotWidth, kStepsPlotHeight, 2);
    addFrame(registry, "Statistics_accuracy_frame_iPad", kTabletPlotWidth, kAccuracyPlotHeight, 4);
    addFrame(registry, "Statistics_steps_frame_iPad", kTabletPlotWidth, kStepsPlotHeight, 2);
}
