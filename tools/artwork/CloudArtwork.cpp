#include "tools/artwork/CloudArtwork.h"

#include <vector>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"

namespace {

using ui::Color;

constexpr double kWidth = 200, kHeight = 14, kRadius = 4;
// The scheme's colour as the default scheme shows it; the words take the user's scheme.
const Color kScheme = Color::hsb(0.33, 1.0, 1.0);
const Color kWhite = Color::whiteColor();
const Color kRed = Color::hsb(0.0, 1.0, 1.0);
const Color kYellow = Color::hsb(0.15, 0.71, 1.0);

gfx::GradientStop stop(double at, const Color& color) { return {at, color.red, color.green, color.blue, 1}; }

// A rounded bar filled left to right by the stops, with a thin dark edge.
void scale(ArtworkRegistry& registry, const char* name, std::vector<gfx::GradientStop> stops) {
    registry.add(name, kWidth, kHeight, [stops](gfx::Context& c) {
        ArtworkPen pen(c);
        ui::Rect bar{0.5, 0.5, kWidth - 1, kHeight - 1};
        c.save();
        pen.addRoundedRect(bar, kRadius);
        c.clip();
        c.drawLinearGradient(stops, 0, 0, kWidth, 0);
        c.restore();
        pen.setLines(Color::white(0.2, 0.6), 1);
        pen.strokeRoundedRect(bar, kRadius);
    });
}

}  // namespace

void CloudArtwork::addTo(ArtworkRegistry& registry) {
    // All right gives the scheme's colour, a third wrong white, all wrong red.
    scale(registry, "Cloud_scale_wrong", {stop(0, kScheme), stop(1.0 / 3, kWhite), stop(1, kRed)});
    // No slow answer is white; answers of 90 s to 2 minutes yellow, longer ones red.
    scale(registry, "Cloud_scale_time",
          {stop(0, kWhite), stop(0.45, kWhite), stop(0.55, kYellow), stop(0.67, kRed), stop(1, kRed)});
    scale(registry, "Cloud_scale_solved", {stop(0, kWhite), stop(1, kScheme)});
}
