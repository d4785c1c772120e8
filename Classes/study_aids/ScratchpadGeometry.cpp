#include "Classes/study_aids/ScratchpadGeometry.h"

#include <algorithm>
#include <cmath>

ui::Size ScratchpadGeometry::sheetSize(bool tablet, ui::Size viewSize) {
    if (tablet) return {kTabletSheetSide, kTabletSheetSide};
    return {viewSize.width + kPhoneSheetExtra, viewSize.height + kPhoneSheetExtra};
}

ui::Rect ScratchpadGeometry::drawableArea(ui::Size sheet) {
    return {kBorder, kBorder, sheet.width - 2 * kBorder, sheet.height - 2 * kBorder};
}

ui::Rect ScratchpadGeometry::drawableAreaInView(ui::Size sheet, ui::Point offset) {
    ui::Rect area = drawableArea(sheet);
    area.origin -= offset;
    return area;
}

bool ScratchpadGeometry::keepsPenPoint(ui::Point last, ui::Point point) {
    double dx = point.x - last.x, dy = point.y - last.y;
    return dx * dx + dy * dy > kPenFilterSquared;
}

ui::Point ScratchpadGeometry::splinePoint(ui::Point p0, ui::Point p1, ui::Point p2, ui::Point p3, double t) {
    double t2 = t * t, t3 = t2 * t;
    auto blend = [&](double a, double b, double c, double d) {
        return ((-a + 3 * b - 3 * c + d) * t3 + (3 * a - 6 * b + 3 * c) * t2 + (-3 * a + 3 * c) * t +
                (a + 4 * b + c)) /
               6;
    };
    return {blend(p0.x, p1.x, p2.x, p3.x), blend(p0.y, p1.y, p2.y, p3.y)};
}

std::vector<ui::Point> ScratchpadGeometry::splinePath(const std::vector<ui::Point>& points) {
    std::vector<ui::Point> path;
    if (points.empty()) return path;
    path.push_back(points.front());
    if (points.size() < kSplineMinimumPoints) return path;
    path.reserve(1 + (points.size() - 3) * (kSplineSteps + 1));
    for (std::size_t i = 1; i + 2 < points.size(); ++i)
        for (int k = 0; k <= kSplineSteps; ++k)
            path.push_back(splinePoint(points[i - 1], points[i], points[i + 1], points[i + 2],
                                       double(k) / kSplineSteps));
    return path;
}

ui::Point ScratchpadGeometry::clampedOffset(ui::Point offset, ui::Size sheet, ui::Size view) {
    auto clamp = [](double value, double upper) {
        value = std::max(value, 0.0);
        return std::min(value, upper);
    };
    return {clamp(offset.x, sheet.width - view.width), clamp(offset.y, sheet.height - view.height)};
}

ui::Point ScratchpadGeometry::pannedOffset(ui::Point origin, ui::Point start, ui::Point finger) {
    return origin + (start - finger);
}

ScratchpadGeometry::Crop ScratchpadGeometry::visibleCrop(ui::Point offset, ui::Size view, ui::Size sheet,
                                                         double scale) {
    // In sheet points: the view's rectangle cut to the sheet.
    double left = std::max(offset.x, 0.0), top = std::max(offset.y, 0.0);
    double right = std::min(offset.x + view.width, sheet.width);
    double bottom = std::min(offset.y + view.height, sheet.height);
    Crop crop;
    if (right <= left || bottom <= top) return crop;
    auto px = [scale](double v) { return int(std::lround(v * scale)); };
    crop.pixels = {px(left), px(top), px(right) - px(left), px(bottom) - px(top)};
    crop.place = {left - offset.x, top - offset.y, crop.pixels.width / scale, crop.pixels.height / scale};
    return crop;
}
