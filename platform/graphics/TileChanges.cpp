#include "platform/graphics/TileChanges.h"

#include <algorithm>

namespace gfx {

std::vector<PixelRect> TileChanges::between(const Bitmap& before, const Bitmap& after, int side) {
    if (after.isEmpty()) return {};
    if (before.width() != after.width() || before.height() != after.height())
        return {{0, 0, after.width(), after.height()}};
    side = std::max(side, 1);
    std::vector<PixelRect> changed;
    for (int y = 0; y < after.height(); y += side) {
        int h = std::min(side, after.height() - y);
        for (int x = 0; x < after.width(); x += side) {
            PixelRect tile{x, y, std::min(side, after.width() - x), h};
            if (before.samePixels(after, tile)) continue;
            PixelRect* last = changed.empty() ? nullptr : &changed.back();
            if (last && last->y == y && last->x + last->width == x)
                last->width += tile.width;
            else
                changed.push_back(tile);
        }
    }
    return changed;
}

double TileChanges::coverage(const std::vector<PixelRect>& rects, const Bitmap& bitmap) {
    if (bitmap.isEmpty()) return 0;
    double area = 0;
    for (const PixelRect& r : rects) area += double(r.width) * r.height;
    return std::min(1.0, area / (double(bitmap.width()) * bitmap.height()));
}

}  // namespace gfx
