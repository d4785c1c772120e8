#pragma once
// An alert: a panel with a title, a message and buttons over a dimmed screen. Button indexes run in
// the platform's order: the cancel button (when there is one) is 0, the other buttons follow in the
// order given, and buttons added later after them. Two buttons stand side by side, cancel on the
// left; one or more than two are stacked, cancel at the bottom. A tap on a button tells the delegate
// its index, then the alert goes away. A shown alert keeps itself alive until it is dismissed.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace ui {

class AlertView;

class AlertViewDelegate {
  public:
    virtual ~AlertViewDelegate() = default;
    virtual void alertViewClickedButton(AlertView&, int /*buttonIndex*/) {}
    virtual void alertViewWillDismiss(AlertView&, int /*buttonIndex*/) {}
    virtual void alertViewDidDismiss(AlertView&, int /*buttonIndex*/) {}
};

class AlertView : public View {
  public:
    static constexpr double kWidth = 284;
    static constexpr double kDismissDuration = 0.2;

    // The view alerts appear over (the application's window); set by the application.
    static void setHost(std::function<std::shared_ptr<View>()> host);

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
    int numberOfButtons() const { return int(buttons_.size()); }
    std::string buttonTitle(int index) const;
    int cancelButtonIndex() const { return cancelIndex_; }
    int firstOtherButtonIndex() const;
    // The button of an index, for tests and for screens that restyle one; null outside the range.
    std::shared_ptr<Button> button(int index) const;

    // Shows it over the host, centred; nothing happens when there is no host.
    void show();
    bool isVisible() const { return visible_; }
    // As a tap on the button does, without telling the delegate of a click.
    void dismiss(int buttonIndex, bool animated);

    void layoutSubviews() override;

  private:
    void clicked(int index);
    void arrange();

    std::shared_ptr<Label> title_;
    std::shared_ptr<Label> message_;
    std::vector<std::shared_ptr<Button>> buttons_;
    int cancelIndex_ = -1;
    std::weak_ptr<AlertViewDelegate> delegate_;
    std::shared_ptr<View> dimming_;
    std::shared_ptr<AlertView> keepAlive_;
    bool visible_ = false;
};

}  // namespace ui
