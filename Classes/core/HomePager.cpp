#include "Classes/core/HomePager.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/WhileAlive.h"
#include "platform/ui/PageControl.h"

void HomePager::attach(std::shared_ptr<ui::ScrollView> scrollView,
                       std::shared_ptr<ui::PageControl> pageControl) {
    scrollView_ = std::move(scrollView);
    pageControl_ = std::move(pageControl);
    pageControl_->addAction(ui::ControlEventValueChanged, *this, &HomePager::pageControlValueChanged);
    scrollView_->setDelegate(sharedAs<HomePager>());
    pageControlValueJustChanged_ = false;
}

ui::Point HomePager::scrollTo(int page) {
    ui::Point before = scrollView_->contentOffset();
    int pages = std::max(1, pageControl_->numberOfPages());
    ui::Point after{scrollView_->contentSize().width * page / pages, 0};
    scrollView_->setContentOffset(after, true);
    return after - before;
}

void HomePager::pageControlValueChanged() {
    pageControlValueJustChanged_ = true;
    scrollTo(pageControl_->currentPage());
}

void HomePager::scrollViewDidScroll(ui::ScrollView& scrollView) {
    if (pageControlValueJustChanged_) return;
    double width = scrollView.contentSize().width;
    if (width <= 0) return;
    int pages = pageControl_->numberOfPages();
    pageControl_->setCurrentPage(
        static_cast<int>(std::floor(pages * scrollView.contentOffset().x / width + 0.5)));
    pageControl_->updateCurrentPageDisplay();
}

void HomePager::scrollViewDidEndDragging(ui::ScrollView& scrollView, bool) {
    scrollViewDidScroll(scrollView);
    pageControlValueJustChanged_ = false;
}

ui::Point HomePager::followDrag(double x, double pageWidth) {
    int page = pageControl_->currentPage();
    if (x > pageWidth - kPageTurnMargin && x < pageWidth)
        page = 1;
    else if (x > pageWidth && x < pageWidth + kPageTurnMargin)
        page = 0;
    if (page == pageControl_->currentPage()) return {0, 0};
    pageControl_->setCurrentPage(page);
    ui::Point moved = scrollTo(page);
    pageControl_->updateCurrentPageDisplay();
    return moved;
}
