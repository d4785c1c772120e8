#pragma once
// The scratchpad's arithmetic, apart from any view: the sheet's size and drawable area, which
// finger points a pen stroke keeps, the smoothing spline a pen stroke is committed as, where the
// view may be moved over the sheet, and which part of the sheet the view shows.
//
// A pan offset is the sheet point at the view's top-left corner: the view point p shows the sheet
// point p + offset.

#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Size.h"

class ScratchpadGeometry {
  public:
    // The outer band of the sheet that strokes never mark; the translucent border covers it.
    static constexpr double kBorder = 30;
    static constexpr double kTabletSheetSide = 1536;
    // The phone's sheet is its view's size from the interface file plus this in each direction.
    static constexpr double kPhoneSheetExtra = 60;
    static constexpr ui::Point kFirstOffset{30, 30};
    // A pen point is kept when it lies more than 4 points from the last one kept.
    static constexpr double kPenFilterSquared = 16;
    // Each spline segment is drawn through t = 0, 0.1, ..., 1.
    static constexpr int kSplineSteps = 10;
    // A pen stroke of this many points or more is committed as the spline.
    static constexpr std::size_t kSplineMinimumPoints = 4;

    // The sheet for a device: the tablet's square, or the phone's view with room to move.
    static ui::Size sheetSize(bool tablet, ui::Size viewSize);
    // The sheet less the border, in sheet points.
    static ui::Rect drawableArea(ui::Size sheet);
    // The same area in the coordinates of a view at that offset: strokes are cut to it on screen.
    static ui::Rect drawableAreaInView(ui::Size sheet, ui::Point offset);

    // Whether a pen move to `point` is kept after `last`.
    static bool keepsPenPoint(ui::Point last, ui::Point point);
    // The uniform cubic B-spline value of four control points at t in [0, 1].
    static ui::Point splinePoint(ui::Point p0, ui::Point p1, ui::Point p2, ui::Point p3, double t);
    // The polyline a pen stroke is committed as: the first point, then each segment of four
    // consecutive points sampled at kSplineSteps + 1 values of t. It ends short of the last point.
    // Fewer than four points give the first point alone (a path that draws nothing).
    static std::vector<ui::Point> splinePath(const std::vector<ui::Point>& points);

    // The offset kept within the sheet: x at least 0, then at most sheet width - view width
    // (likewise y), so a view larger than the sheet ends with a negative offset.
    static ui::Point clampedOffset(ui::Point offset, ui::Size sheet, ui::Size view);
    // The offset while the finger moves: the origin moved against the finger.
    static ui::Point pannedOffset(ui::Point origin, ui::Point start, ui::Point finger);

    // The sheet's pixels a view at that offset shows, and where in the view they go: the part of
    // the view's rectangle inside the sheet. An empty rectangle when the view shows no sheet.
    struct Crop {
        gfx::PixelRect pixels;
        ui::Rect place;
    };
    static Crop visibleCrop(ui::Point offset, ui::Size view, ui::Size sheet, double scale);
};
