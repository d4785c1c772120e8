#pragma once
// The degrees of a map's graticule, written once at the map's edges: each parallel's latitude at
// the right edge, on its line, and each meridian's longitude along the bottom edge, on its line.
// The labels follow the lines while the map pans and zooms; when the lines come closer than a
// label needs (a map being zoomed out by the wheel), only every second, fifth... line is named. A
// label that would be cut by the map's edge, or cover the area kept clear (the scale bar), is left
// out. Touches pass through.

#include <memory>
#include <string>
#include <vector>

#include "platform/maps/MapProjection.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace maps {

class MapGridLabels : public ui::View {
  public:
    static constexpr double kFontSize = 9;
    static constexpr double kLabelHeight = 13;
    static constexpr double kInset = 2;  // points between a label and the map's edge
    // Named lines are at least this far apart on the screen.
    static constexpr double kLeastLabelSpacing = 45;

    void init(const ui::Rect& frame) override;
    // Places the labels for the lines of the projection's base as the map shows it now: plane
    // point q at origin + zoom * q.
    void update(const MapProjection& projection, ui::Point origin, double zoom);
    // An area of the map (in the labels' points) that no label covers.
    void setKeepClear(const ui::Rect& area) { keepClear_ = area; }

    // The labels on show, from north to south and from west to east.
    std::vector<std::shared_ptr<ui::Label>> latitudeLabels() const;
    std::vector<std::shared_ptr<ui::Label>> longitudeLabels() const;

  private:
    // The pool's label `index`, made when there are not enough yet, showing the text on its line.
    ui::Label& labelAt(std::vector<std::shared_ptr<ui::Label>>& pool, std::size_t index,
                       const std::string& text);
    static void hideFrom(std::vector<std::shared_ptr<ui::Label>>& pool, std::size_t shown);

    std::vector<std::shared_ptr<ui::Label>> latitudes_, longitudes_;
    ui::Rect keepClear_;
};

}  // namespace maps
