#pragma once
// The gallery's further pages. Text and lists: a name field and a secure field, a search bar with
// its cancel key, a text view, keys that show an action sheet and an alert with a number field
// (as the practice screens ask for a question number), add a row and turn edit mode on and off,
// and a list in two sections with a section index whose rows can be swiped away, deleted in edit
// mode and moved. Dates: a date picker with limits a week back and a year ahead, in the mode a
// segmented control chooses. What each control does is said through `say`.

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Size.h"
#include "platform/ui/View.h"

namespace testing_support {

class GalleryPages {
  public:
    GalleryPages(ui::Size size, std::function<void(const std::string&)> say);
    ~GalleryPages();

    const std::shared_ptr<ui::View>& textPage() const { return textPage_; }
    const std::shared_ptr<ui::View>& datePage() const { return datePage_; }

  private:
    struct Parts;
    void buildTextPage(ui::Size size);
    void buildDatePage(ui::Size size);

    std::shared_ptr<Parts> parts_;
    std::shared_ptr<ui::View> textPage_;
    std::shared_ptr<ui::View> datePage_;
};

}  // namespace testing_support
