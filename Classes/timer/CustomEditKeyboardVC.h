#pragma once
// The custom timer editor's keypad: ten digits, "Clear", "Done" and two preset keys whose titles
// and captions depend on the kind of value typed (1: counts, "10" and "20"; 2: times, the paces
// of the two fixed sections). Each key clicks, becomes `lastString` and posts
// "customEditKeyboardString" with the keypad as object; the editor reads the key's title.
// It rises from the bottom edge: over the window on the phone, as a band across the home screen
// on the tablet.

#include <memory>
#include <string>

#include "Classes/core/CommonViewController.h"
#include "platform/ui/Point.h"

namespace ui {
class Button;
class Label;
}  // namespace ui

class CustomEditKeyboardVC : public CommonViewController {
  public:
    static constexpr const char* kKeyNotification = "customEditKeyboardString";
    static constexpr const char* kClickSound = "KeyboardTap.wav";
    static constexpr int kNumbersKind = 1;
    static constexpr int kTimesKind = 2;
    // The tablet's band.
    static constexpr double kBandHeight = 200;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "CustomEditKeyboardView"; }

    using CommonViewController::init;
    void init(int keyboardType);
    ~CustomEditKeyboardVC() override;
    void viewDidLoad() override;
    void keyboardClick(const Sender& sender);
    void animation() override;
    void outAnimation() override;

    int keyboardType() const { return keyboardType_; }
    const std::string& lastString() const { return lastString_; }
    int keyboardTap() const { return keyboardTap_; }

  private:
    // Where the keypad's centre rests, and where it starts and goes back to.
    ui::Point restPoint() const;
    ui::Point startPoint() const;
    void slideTo(ui::Point centre, bool in);

    std::shared_ptr<ui::Button> clearBtn_, doneBtn_, F1Btn_, F2Btn_;
    std::shared_ptr<ui::Label> F1Lbl_, F2Lbl_;
    int keyboardType_ = 0;
    int keyboardTap_ = 0;
    std::string lastString_;
};
