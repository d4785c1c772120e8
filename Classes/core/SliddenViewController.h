#pragma once
// A screen that slides in over the home screen: from the right or from the bottom at the home
// screen's full size, or (on the tablet) into a panel of its own size docked at the lower right,
// kDockMargin points from the right edge and adjustmentByY points above the bottom. It slides out
// the way it came. Screens set the direction and the adjustment in their initialisers, before
// their entrance.

#include "Classes/core/ToolViewController.h"
#include "platform/ui/Point.h"
#include "platform/ui/Size.h"

class SliddenViewController : public ToolViewController {
  public:
    static constexpr int kFromRight = 0;
    static constexpr int kFromBottom = 1;
    static constexpr int kDocked = 2;
    // The docked panel's distance from the right edge, and how far beyond it it starts.
    static constexpr double kDockMargin = 10;
    static constexpr double kDockStartOffset = 320;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    // The view's centre before and after the slide, from its superview's bounds (the home
    // screen's view when it has none), its present centre and its size. Any direction other than
    // kFromBottom and kDocked slides from the right.
    ui::Point startPoint() const;
    ui::Point endPoint() const;

    // Slides in over the home screen's view over animationDuration (ease-out), then tints the
    // toolbar and blocks the screen while its file is being written.
    void animation() override;
    // Slides back to startPoint (ease-in).
    void outAnimation() override;
    // The tool base's entrance and exit in place of the slide, for screens the home screen opens
    // as tools.
    void toolChooseVCAnimation();
    void toolChooseVCOutAnimation();

    int slideDirection() const { return slideDirection_; }
    void setSlideDirection(int direction) { slideDirection_ = direction; }
    double adjustmentByY() const { return adjustmentByY_; }
    void setAdjustmentByY(double points) { adjustmentByY_ = points; }

  private:
    // What the slide is measured by: the superview's size (the home screen's view when the view has
    // no superview), the view's present centre and its own size.
    struct Geometry {
        ui::Size outer;
        ui::Point centre;
        ui::Size own;
    };
    Geometry geometry() const;

    int slideDirection_ = kFromRight;
    double adjustmentByY_ = 0;
};
