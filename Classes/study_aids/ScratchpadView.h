#pragma once
// The scratchpad's drawing view: a sheet larger than the view, drawn on with a finger. The view
// shows the part of the sheet at the present pan offset (ScratchpadGeometry). Modes: 0 pen (white,
// smoothed when committed), 1 eraser (opaque black), 2 move (the sheet follows the finger within
// its edges).
//
// Finished strokes go into the sheet, cut to its drawable area; the stroke in progress is drawn
// over the cached visible part of the sheet at each move, so the display gets only the tiles the
// finger crossed. The sheet is made again only by a clear; the cached part is cut again after a
// commit, a clear, an orientation change, and at every redraw while moving.

#include <memory>
#include <vector>

#include "platform/ui/DrawnView.h"

namespace gfx {
class Bitmap;
class Context;
}  // namespace gfx

class ScratchpadView : public ui::DrawnView {
  public:
    static constexpr const char* kClassName = "ScratchpadView";
    enum Mode { kPen = 0, kEraser = 1, kMove = 2 };
    static constexpr double kPenWidth = 3.0;
    static constexpr double kEraserWidth = 20.0;
    static constexpr double kBorderAlpha = 0.3;

    // Makes the class known to interface files ("ScratchpadView", a drawn view).
    static void registerViewClass();

    ScratchpadView();
    ~ScratchpadView() override;

    using ui::DrawnView::init;
    // The set-up of a view loaded from an interface file: pen mode, the sheet for the device and
    // the view's size as loaded, and the first pan offset.
    void init(const ui::Rect& frame) override;

    // A new empty sheet with its border; the pan offset and the mode stay.
    void clearPad();
    // After a turn: the offset clamped to the view's new size becomes the pan origin.
    void updatePad();

    int mode() const { return mode_; }
    void setMode(int mode) { mode_ = mode; }

    void drawRect(const ui::Rect& rect) override;
    void touchesBegan(const ui::Touches& touches) override;
    void touchesMoved(const ui::Touches& touches) override;
    void touchesEnded(const ui::Touches& touches) override;
    // A stroke cut short is dropped, never committed with the next one.
    void touchesCancelled(const ui::Touches& touches) override;

    // The sheet's pixels (sheetSize() at scale()).
    const gfx::Bitmap& sheet() const;
    ui::Size sheetSize() const { return sheetSize_; }
    double scale() const { return scale_; }
    const std::vector<ui::Point>& points() const { return points_; }
    ui::Point panOrigin() const { return panOrigin_; }
    ui::Point panCurrent() const { return panCurrent_; }
    // How many times the sheet was made or a stroke went into it (for tests and benchmarks).
    int sheetChanges() const { return sheetChanges_; }

  private:
    void drawEmptyImg();
    // The stroke in progress as a polyline (both modes), or as the pen's spline.
    void drawPointsInContext(gfx::Context& c) const;
    void drawSpline(gfx::Context& c) const;
    void commitStroke();
    void strokeBegan(ui::Point p);
    void strokeMoved(ui::Point p);
    void strokeEnded(ui::Point p);
    void panBegan(ui::Point p);
    void panMoved(ui::Point p);
    void panEnded(ui::Point p);
    // An offset on whole pixels, so that the sheet is copied to the screen without resampling.
    ui::Point snapped(ui::Point offset) const;
    ui::Point touchPoint(const ui::Touches& touches) const;

    std::unique_ptr<gfx::Context> sheet_;
    std::shared_ptr<const ui::Image> crop_;
    ui::Rect cropPlace_;
    std::vector<ui::Point> points_;
    int mode_ = kPen;
    ui::Point panOrigin_, panStart_, panCurrent_;
    ui::Size sheetSize_;
    double scale_ = 1.0;
    int sheetChanges_ = 0;
};
