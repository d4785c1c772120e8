#pragma once
// Cuts shapes to a rectangle before they are drawn. A map's tile can lie millions of points from a
// coast it draws (a country seen street by street); the drawing library keeps coordinates in a
// fixed-point range and draws garbage beyond it, so only the parts within reach are handed over.
//
//     for (const auto& part : RectClip::line(coast, tileRect)) stroke(part);

#include <vector>

#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"

namespace maps {

class RectClip {
  public:
    // The part of a closed ring within the rectangle, as one ring that fills the same area there.
    // Where the ring leaves and comes back, the result runs along the rectangle's edge; empty when
    // nothing of the ring's area lies inside.
    static std::vector<ui::Point> ring(const std::vector<ui::Point>& ring, const ui::Rect& rect);
    // The pieces of an open line that lie within the rectangle, in order.
    static std::vector<std::vector<ui::Point>> line(const std::vector<ui::Point>& line, const ui::Rect& rect);
};

}  // namespace maps
