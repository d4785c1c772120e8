#pragma once
// The gallery's page of tables and patterns: a panel with a patterned background, buttons that
// show their feedback (an image that darkens while pressed, a disabled one that shows paler, one
// that glows while touched), and a plain table whose sections have header views with an "Add" key
// (they stay at the top while their rows scroll under them) and whose rows are shaded by parity
// through each cell's background view. What the controls do is said through `say`.

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Size.h"
#include "platform/ui/View.h"

namespace testing_support {

class GalleryTablesPage {
  public:
    // Tags in the page's tree.
    enum Tag {
        PatternTag = 40,
        PressButtonTag,
        DisabledButtonTag,
        GlowButtonTag,
        HeaderTableTag,
        kShadeTag = 111,      // a row's background view
        kHeaderAddTag = 300,  // plus the section: a header's "Add" key
    };

    GalleryTablesPage(ui::Size size, std::function<void(const std::string&)> say);
    ~GalleryTablesPage();

    const std::shared_ptr<ui::View>& view() const { return view_; }

  private:
    struct Parts;
    std::shared_ptr<Parts> parts_;
    std::shared_ptr<ui::View> view_;
};

}  // namespace testing_support
