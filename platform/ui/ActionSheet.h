#pragma once
// An action sheet: a title over a stack of buttons, one of which may be destructive (drawn red) and
// one the cancel button (drawn last, set apart). Button indexes run in the platform's order: the
// destructive button first, then the other buttons in the order given, then cancel; buttons added
// later come after those. On the phone the sheet rises from the bottom of the view it is shown in,
// across its width; on the tablet it stands in the middle of that view. See ModalPanel for how it
// goes away and what the delegate hears.

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Label.h"
#include "platform/ui/ModalPanel.h"

namespace ui {

class ActionSheet;

class ActionSheetDelegate {
  public:
    virtual ~ActionSheetDelegate() = default;
    virtual void actionSheetClickedButton(ActionSheet&, int /*buttonIndex*/) {}
    virtual void actionSheetWillDismiss(ActionSheet&, int /*buttonIndex*/) {}
    virtual void actionSheetDidDismiss(ActionSheet&, int /*buttonIndex*/) {}
};

// Numbered as stored values expect.
enum class ActionSheetStyle { Automatic = -1, Default = 0, BlackTranslucent = 2, BlackOpaque = 1 };

class ActionSheet : public ModalPanel {
  public:
    static constexpr double kShowDuration = 0.3;
    static constexpr double kTabletWidth = 320;

    using View::init;
    void init(const Rect& frame) override;
    // Empty titles mean no cancel or destructive button.
    void init(std::string title, std::weak_ptr<ActionSheetDelegate> delegate, std::string cancelButtonTitle,
              std::string destructiveButtonTitle, std::vector<std::string> otherButtonTitles);

    const std::string& title() const { return title_->text(); }
    void setTitle(std::string title);
    ActionSheetStyle actionSheetStyle() const { return style_; }
    void setActionSheetStyle(ActionSheetStyle style);
    std::shared_ptr<ActionSheetDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<ActionSheetDelegate> delegate) { delegate_ = std::move(delegate); }

    // Answers the new button's index.
    int addButton(const std::string& title);
    int destructiveButtonIndex() const { return destructiveIndex_; }
    int firstOtherButtonIndex() const;

    // Shows it over the host, placed by the view (the whole host for a null view).
    void showInView(const std::shared_ptr<View>& view);

  private:
    void arrange() override;
    void clickedButton(int index) override;
    void willDismiss(int index) override;
    void didDismiss(int index) override;
    void animateOut() override;
    void paint();

    std::shared_ptr<Label> title_;
    std::weak_ptr<ActionSheetDelegate> delegate_;
    ActionSheetStyle style_ = ActionSheetStyle::Automatic;
    int destructiveIndex_ = -1;
    double width_ = 320;
    bool rises_ = true;  // from the bottom (the phone), else it stands in the middle
};

}  // namespace ui
