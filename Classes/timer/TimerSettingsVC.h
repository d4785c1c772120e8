#pragma once
// The timer's options: on the phone the three vibration alerts (at 90 s and 120 s on one
// question, and on each answer) and the colour alert; on the tablet the colour alert only. The
// screen works on a copy; the timer screen takes it on "Done" (key tagged 1) and drops it on
// "Cancel" (-1). Controls are tagged 2 to 5 for the four options, segment 0 on, segment 1 off.
// On a device that cannot vibrate the vibration rows are hidden.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"

namespace ui {
class Label;
class SegmentedControl;
}  // namespace ui

class TimerSettingsVC : public SliddenViewController {
  public:
    static constexpr const char* kDoneNotification = "Done";
    enum OptionTag { kVibrate130Tag = 2, kVibrate200Tag = 3, kVibrateAnswerTag = 4, kColorTag = 5 };

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "TimerSettingsView"; }

    using SliddenViewController::init;
    // Copies the options and slides in.
    virtual void init(bool vibrate130, bool vibrate200, bool vibrateAnswer, bool color);
    void viewDidLoad() override;
    // The controls show the copy.
    virtual void updateViews();
    // The option of the control's tag: on unless segment 1 is selected.
    void segmentedControlChange(const Sender& sender);
    void doneCancelClick(const Sender& sender);

    bool vibrate130() const { return vibrate130_; }
    bool vibrate200() const { return vibrate200_; }
    bool vibrateAnswer() const { return vibrateAnswer_; }
    bool color() const { return color_; }
    void setVibrate130(bool on) { vibrate130_ = on; }
    void setVibrate200(bool on) { vibrate200_ = on; }
    void setVibrateAnswer(bool on) { vibrateAnswer_ = on; }
    void setColor(bool on) { color_ = on; }

  protected:
    std::shared_ptr<ui::SegmentedControl> colorSC_;

  private:
    std::shared_ptr<ui::Label> vibrateLbl_, vibrate130Lbl_, vibrate200Lbl_, vibrateAnswerLbl_;
    std::shared_ptr<ui::SegmentedControl> vibrate130SC_, vibrate200SC_, vibrateAnswerSC_;
    bool vibrate130_ = false, vibrate200_ = false, vibrateAnswer_ = false, color_ = false;
};
