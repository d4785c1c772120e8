#pragma once
// The confirmation panel: a question and two keys that slides up from the bottom edge, over the
// window on the phone and over the home screen on the tablet. The key tagged -1 posts "Cancel",
// the key tagged 1 "Confirm", each with the panel as object; the opener takes the panel away.

#include <memory>
#include <string>

#include "Classes/core/CommonViewController.h"
#include "platform/ui/Point.h"

namespace ui {
class Button;
class Image;
class Label;
}  // namespace ui

class CommonConfirmVC : public CommonViewController {
  public:
    static constexpr const char* kConfirmNotification = "Confirm";
    static constexpr const char* kCancelNotification = "Cancel";
    static constexpr int kConfirmTag = 1;
    static constexpr int kCancelTag = -1;
    // Half the panel's height: how far its centre rests above the bottom edge.
    static constexpr double kHalfHeight = 71;
    static constexpr const char* kCancelKeyImage = "Kb_button_dark.png";
    static constexpr const char* kConfirmKeyImage = "Kb_button_light.png";
    static constexpr const char* kPressedKeyImage = "Kb_button_h.png";
    static constexpr double kKeyCap = 10;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    // "CommonConfirmView", on the tablet "CommonConfirmView-iPad".
    std::string nibIdentifier() const override;

    // A key face of the panels, stretched by kKeyCap; null when there is no such picture.
    static std::shared_ptr<const ui::Image> keyImage(const char* name);

    // Loads the panel with the question and slides it in.
    using CommonViewController::init;
    void init(const std::string& text);
    // The keys' faces and the question.
    void viewDidLoad() override;
    // A key tagged -1 posts "Cancel" and one tagged 1 "Confirm"; other keys post nothing.
    void keyboardClick(const Sender& sender);
    // Slides up over animationDuration (ease-out) / back down (ease-in).
    void animation() override;
    void outAnimation() override;

    const std::string& text() const { return text_; }
    const std::shared_ptr<ui::Button>& confirmBtn() const { return confirmBtn_; }
    const std::shared_ptr<ui::Button>& cancelBtn() const { return cancelBtn_; }
    const std::shared_ptr<ui::Label>& textLbl() const { return textLbl_; }

    // Where the panel's centre starts (and ends when it goes), and where it rests.
    ui::Point startPoint() const;
    ui::Point restPoint() const;

  private:
    void slideTo(ui::Point centre, bool in);

    std::shared_ptr<ui::Button> confirmBtn_;
    std::shared_ptr<ui::Button> cancelBtn_;
    std::shared_ptr<ui::Label> textLbl_;
    std::string text_;
};
