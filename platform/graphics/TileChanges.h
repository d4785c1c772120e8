#pragma once
// What changed between two drawings of one size, as rectangles of square tiles: the display is
// sent only those, so that a stroke on a large drawing costs the few tiles it crossed. Tiles that
// changed side by side in a row of tiles come as one rectangle; the last tile of a row or column
// is cut to the bitmap.

#include <vector>

#include "platform/graphics/Bitmap.h"

namespace gfx {

class TileChanges {
  public:
    static constexpr int kTileSide = 64;  // pixels

    // The changed rectangles, row by row from the top, left to right; none when the drawings are
    // equal. Bitmaps of different sizes change everywhere: one rectangle of the new one's size.
    static std::vector<PixelRect> between(const Bitmap& before, const Bitmap& after, int side = kTileSide);

    // How much of the bitmap the rectangles cover, from 0 to 1.
    static double coverage(const std::vector<PixelRect>& rects, const Bitmap& bitmap);
};

}  // namespace gfx
