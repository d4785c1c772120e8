#pragma once
// A panel of buttons shown over the whole screen until one is chosen: the common part of alerts
// and action sheets. The screen behind is dimmed and takes no touches. A tap on a button tells the
// panel's delegate its index, then the panel goes away; a shown panel keeps itself alive until it
// is dismissed. Panels appear over the host view (the application's interface layer).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/View.h"

namespace ui {

class ModalPanel : public View {
  public:
    static constexpr double kDismissDuration = 0.2;

    // The view panels appear over; set by the application.
    static void setHost(std::function<std::shared_ptr<View>()> host);

    int numberOfButtons() const { return int(buttons_.size()); }
    std::string buttonTitle(int index) const;
    // The button of an index, for tests and for screens that restyle one; null outside the range.
    std::shared_ptr<Button> button(int index) const;
    int cancelButtonIndex() const { return cancelIndex_; }

    bool isVisible() const { return visible_; }
    // As a tap on the button does, without telling the delegate of a click.
    void dismiss(int buttonIndex, bool animated);

  protected:
    // A button at the next index; the panel is arranged again.
    int appendButton(const std::string& title);
    void setCancelButtonIndex(int index) { cancelIndex_ = index; }
    const std::vector<std::shared_ptr<Button>>& buttons() const { return buttons_; }

    // Puts the panel over the host, behind it the dimming; answers the host (null, logged with
    // `what`, when there is none).
    std::shared_ptr<View> present(const std::string& what);
    // Where the panel's buttons stand; called whenever one is added.
    virtual void arrange() = 0;
    // The delegate's calls.
    virtual void clickedButton(int index) = 0;
    virtual void willDismiss(int index) = 0;
    virtual void didDismiss(int index) = 0;
    // The way out; by default the panel fades.
    virtual void animateOut() { setAlpha(0); }

  private:
    void clicked(int index);

    std::vector<std::shared_ptr<Button>> buttons_;
    int cancelIndex_ = -1;
    std::shared_ptr<View> dimming_;
    std::shared_ptr<ModalPanel> keepAlive_;
    bool visible_ = false;
};

}  // namespace ui
