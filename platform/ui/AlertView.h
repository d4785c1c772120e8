#pragma once
// An alert: a panel with a title, a message and buttons over a dimmed screen. Button indexes run in
// the platform's order: the cancel button (when there is one) is 0, the other buttons follow in the
// order given, and buttons added later after them. Two buttons stand side by side, cancel on the
// left; one or more than two are stacked, cancel at the bottom. Views a screen adds to the alert (a
// text field) stay where it puts them. See ModalPanel for how it comes and goes.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Label.h"
#include "platform/ui/ModalPanel.h"

namespace ui {

class AlertView;

class AlertViewDelegate {
  public:
    virtual ~AlertViewDelegate() = default;
    virtual void alertViewClickedButton(AlertView&, int /*buttonIndex*/) {}
    virtual void alertViewWillDismiss(AlertView&, int /*buttonIndex*/) {}
    virtual void alertViewDidDismiss(AlertView&, int /*buttonIndex*/) {}
};

class AlertView : public ModalPanel {
  public:
    static constexpr double kWidth = 284;

    using View::init;
    void init(const Rect& frame) override;
    // An empty cancel title means no cancel button.
    void init(std::string title, std::string message, std::weak_ptr<AlertViewDelegate> delegate,
              std::string cancelButtonTitle, std::vector<std::string> otherButtonTitles);

    const std::string& title() const { return title_->text(); }
    void setTitle(std::string title);
    const std::string& message() const { return message_->text(); }
    void setMessage(std::string message);
    std::shared_ptr<AlertViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<AlertViewDelegate> delegate) { delegate_ = std::move(delegate); }

    // Answers the new button's index.
    int addButton(const std::string& title);
    int firstOtherButtonIndex() const;

    // Shows it over the host, centred; nothing happens when there is no host.
    void show();

    void layoutSubviews() override;

  private:
    void arrange() override;
    void clickedButton(int index) override;
    void willDismiss(int index) override;
    void didDismiss(int index) override;

    std::shared_ptr<Label> title_;
    std::shared_ptr<Label> message_;
    std::weak_ptr<AlertViewDelegate> delegate_;
};

}  // namespace ui
