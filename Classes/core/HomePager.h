#pragma once
// The paging of the phone's home screen: the grid lies on two pages side by side in a scroll view,
// with a page control below it. A tap on the control scrolls to its page; a scroll by the finger
// moves the control's dot to the page mostly in view (a scroll the control started leaves the dot
// alone until the finger drags again); a tool button dragged near the pages' border turns the
// page under it.

#include <memory>

#include "platform/foundation/Object.h"
#include "platform/ui/Point.h"
#include "platform/ui/ScrollView.h"

namespace ui {
class PageControl;
}

class HomePager : public fnd::Object, public ui::ScrollViewDelegate {
  public:
    // How close to the pages' border a dragged button's centre turns the page.
    static constexpr double kPageTurnMargin = 40;

    // Takes over the scroll view's delegate and the page control's value changes. The pager must
    // be owned by a shared pointer already.
    void attach(std::shared_ptr<ui::ScrollView> scrollView, std::shared_ptr<ui::PageControl> pageControl);

    // The page control's action: scrolls to its page.
    void pageControlValueChanged();
    void scrollViewDidScroll(ui::ScrollView& scrollView) override;
    void scrollViewDidEndDragging(ui::ScrollView& scrollView, bool willDecelerate) override;

    // A button dragged to x (in the grid's coordinates, whose pages are `pageWidth` wide) near the
    // border turns to the page on the other side. Answers how far the content moved, so that the
    // button can stay under the finger.
    ui::Point followDrag(double x, double pageWidth);

  private:
    // Scrolls, animated, to the page.
    ui::Point scrollTo(int page);

    std::shared_ptr<ui::ScrollView> scrollView_;
    std::shared_ptr<ui::PageControl> pageControl_;
    bool pageControlValueJustChanged_ = false;
};
