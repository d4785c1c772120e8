#pragma once
// A screen that holds one of each control of the UI layer, for tests of the browser display and
// for looking at the controls: labels, buttons, an image view, a paging scroll view, a page
// control, a segmented control, a switch, a toolbar, an activity indicator, a grouped table, a web
// view, a drawn view, and a button that shows an alert.

#include <memory>

#include "platform/ui/Size.h"
#include "platform/ui/View.h"

namespace testing_support {

class Gallery {
  public:
    // Lays the gallery out for a screen of that size.
    explicit Gallery(ui::Size screen);
    ~Gallery();

    const std::shared_ptr<ui::View>& view() const { return root_; }

    // Tags of the controls in the gallery's tree.
    enum Tag {
        TitleTag = 1,
        RoundedButtonTag,
        ImageButtonTag,
        ImageViewTag,
        PagesTag,
        PageControlTag,
        SegmentedTag,
        SwitchTag,
        SpinnerTag,
        TableTag,
        WebTag,
        DrawingTag,
        AlertButtonTag,
        ToolbarTag,
        StatusTag,  // a label that tells what the last control did
    };

  private:
    struct Parts;
    std::shared_ptr<ui::View> root_;
    std::shared_ptr<Parts> parts_;
};

}  // namespace testing_support
