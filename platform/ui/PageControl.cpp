#include "platform/ui/PageControl.h"

#include <algorithm>

#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"

namespace ui {

void PageControl::init(const Rect& frame) {
    Control::init(frame);
    showDots();
}

void PageControl::setNumberOfPages(int pages) {
    pages = std::max(0, pages);
    if (pages == pages_) return;
    pages_ = pages;
    current_ = std::clamp(current_, 0, std::max(0, pages_ - 1));
    displayed_ = std::clamp(displayed_, 0, std::max(0, pages_ - 1));
    rebuildDots();
}

void PageControl::setCurrentPage(int page) {
    current_ = std::clamp(page, 0, std::max(0, pages_ - 1));
    // Set from code the dots follow at once, deferred or not.
    displayed_ = current_;
    showDots();
}

void PageControl::setHidesForSinglePage(bool on) {
    hidesForSinglePage_ = on;
    showDots();
}

void PageControl::updateCurrentPageDisplay() {
    displayed_ = current_;
    showDots();
}

Size PageControl::sizeForNumberOfPages(int pages) const {
    return {pages > 0 ? (pages - 1) * kDotSpacing + kDotSize : 0, 36};
}

void PageControl::rebuildDots() {
    for (auto& dot : dots_) dot->removeFromSuperview();
    dots_.clear();
    for (int i = 0; i < pages_; ++i) {
        auto dot = make<View>(Rect{0, 0, kDotSize, kDotSize});
        dot->setCornerRadius(kDotSize / 2);
        dot->setUserInteractionEnabled(false);
        addSubview(dot);
        dots_.push_back(dot);
    }
    layoutSubviews();
    showDots();
}

void PageControl::layoutSubviews() {
    Size box = bounds().size;
    double width = sizeForNumberOfPages(pages_).width;
    double x = (box.width - width) / 2 + kDotSize / 2;
    for (std::size_t i = 0; i < dots_.size(); ++i)
        dots_[i]->setCenter({x + double(i) * kDotSpacing, box.height / 2});
}

void PageControl::showDots() {
    for (std::size_t i = 0; i < dots_.size(); ++i)
        dots_[i]->setBackgroundColor(Color::white(1, int(i) == displayed_ ? 1.0 : 0.35));
    for (auto& dot : dots_) dot->setHidden(hidesForSinglePage_ && pages_ == 1);
}

void PageControl::endTracking(Point p, bool inside) {
    if (!inside || pages_ == 0) return;
    double dotX = dots_.empty() ? bounds().size.width / 2 : dots_[std::size_t(displayed_)]->center().x;
    int page = std::clamp(p.x < dotX ? current_ - 1 : current_ + 1, 0, pages_ - 1);
    if (page == current_) return;
    current_ = page;
    if (!defers_) displayed_ = current_;
    showDots();
    sendActionsForControlEvents(ControlEventValueChanged);
}

void PageControl::applyNibProperties(PageControl& control, NibProperties& p) {
    if (auto v = p.integer("numberOfPages")) control.setNumberOfPages(*v);
    if (auto v = p.integer("currentPage")) control.setCurrentPage(*v);
    if (auto v = p.boolean("hidesForSinglePage")) control.setHidesForSinglePage(*v);
    if (auto v = p.boolean("defersCurrentPageDisplay")) control.setDefersCurrentPageDisplay(*v);
}

}  // namespace ui
