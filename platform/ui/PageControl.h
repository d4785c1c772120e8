#pragma once
// A page control: a row of dots, one per page, the current page's dot bright. A tap on the right
// of the current dot moves to the next page, on the left to the one before, and sends value
// changed. With the display deferred, the dots keep showing the old page until told to update.

#include <memory>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

class NibProperties;

class PageControl : public Control {
  public:
    static constexpr double kDotSize = 7;
    static constexpr double kDotSpacing = 16;  // from one dot's centre to the next

    using Control::init;
    void init(const Rect& frame) override;

    int numberOfPages() const { return pages_; }
    void setNumberOfPages(int pages);
    int currentPage() const { return current_; }
    void setCurrentPage(int page);
    bool hidesForSinglePage() const { return hidesForSinglePage_; }
    void setHidesForSinglePage(bool on);
    bool defersCurrentPageDisplay() const { return defers_; }
    void setDefersCurrentPageDisplay(bool on) { defers_ = on; }
    // Shows the current page (when the display is deferred).
    void updateCurrentPageDisplay();
    // The page whose dot is bright.
    int displayedPage() const { return displayed_; }

    Size sizeForNumberOfPages(int pages) const;
    void layoutSubviews() override;

    // Interface-file properties: "numberOfPages", "currentPage", "hidesForSinglePage",
    // "defersCurrentPageDisplay".
    static void applyNibProperties(PageControl& control, NibProperties& properties);

  protected:
    void endTracking(Point point, bool inside) override;

  private:
    void rebuildDots();
    void showDots();

    int pages_ = 0;
    int current_ = 0;
    int displayed_ = 0;
    bool hidesForSinglePage_ = false;
    bool defers_ = false;
    std::vector<std::shared_ptr<View>> dots_;
};

}  // namespace ui
