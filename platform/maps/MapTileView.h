#pragma once
// One square piece of a map's base: the sea, the land with its coasts and the borders between
// countries (WorldMap), and the lines of latitude and longitude (the graticule) at a step that
// suits the scale; the map writes their degrees once, at its edges (MapGridLabels). A map is laid
// with such tiles side by side; a tile is drawn once, when it is first shown, and only moved (or
// scaled) while the map pans and zooms, until the map lays new tiles for a new scale.

#include <string>

#include "platform/maps/MapProjection.h"
#include "platform/maps/WorldMap.h"
#include "platform/ui/DrawnView.h"

namespace gfx {
class Context;
}

namespace maps {

class MapTileView : public ui::DrawnView {
  public:
    static constexpr double kSide = 256;   // points between one tile's place and the next
    static constexpr double kOverlap = 1;  // points a tile reaches under its right and lower neighbours
    // Graticule lines are drawn at least this far apart.
    static constexpr double kLeastLineSpacing = 90;

    using DrawnView::init;
    // A tile of the projection's plane (its view coordinates, which go on beyond the view) at
    // column i and row j from the plane's origin.
    void init(const MapProjection& projection, int column, int row);
    int column() const { return column_; }
    int row() const { return row_; }

    void drawRect(const ui::Rect& rect) override;

    // The step in degrees between graticule lines at that many points per degree: the smallest of
    // 1, 2 and 5 times a power of ten (and 15, 30, 45 among the large ones) that leaves lines at
    // least kLeastLineSpacing apart.
    static double graticuleStep(double pointsPerDegree);
    // A line's degrees as written on the map: "40°N", "97.5°W", "0°", "0.02°S"; as many decimals
    // as the step needs.
    static std::string degreeLabel(double degrees, double step, bool latitude);

  private:
    void drawGround(gfx::Context& c, const WorldMap::Shapes& ground) const;

    MapProjection projection_;
    int column_ = 0, row_ = 0;
};

}  // namespace maps
