#pragma once
// What the tests of the timer's screens start from: the home screen of the product's delegate over
// a fresh repository, the timer opened from its button, and verbs that act as a person does.

#include <memory>
#include <string>

#include "Classes/core/MRepository.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/timer/MTimer.h"
#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "Classes/timer/TimerV2VC.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "tests/support/ScreenTestEnvironment.h"

namespace timer_test {

// 2026-05-13 12:00 UTC.
constexpr double kNoon = 800366400;

class TimerScreenTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The home screen on the idiom's device; the timer is not open yet.
    void startHome(ui::Idiom idiom, bool canVibrate = true);
    // The timer from the home screen's button, once it has come in.
    void openTimer();
    // The home screen and the timer.
    void start(ui::Idiom idiom = ui::Idiom::Phone, bool canVibrate = true) {
        startHome(idiom, canVibrate);
        openTimer();
    }

    // A finger on the view, then the time for what it started.
    void tap(const std::shared_ptr<ui::View>& view, double settle = 0.5);
    // The view showing the text in the window (the last one drawn, which lies on top).
    std::shared_ptr<ui::View> shown(const std::string& text);
    void tapText(const std::string& text, double settle = 0.5) { tap(shown(text), settle); }
    // Taps the answer key and confirms it with the key titled so ("Sure", "Guess", "Cancel").
    void answer(const std::string& letter, const std::string& how = "Sure");
    // Start / Finish / Reset, and Results / Pause / Go.
    void tapStartFinish() { tap(timer->startFinishBtn()); }
    void tapPauseGo() { tap(timer->pauseGoResultsBtn()); }
    // Finishes through the question.
    void finish();
    // The number of vibrations played since the last call.
    int vibrations();

    std::string text(const std::shared_ptr<ui::Label>& label) const {
        return label ? label->text() : "(none)";
    }
    const std::shared_ptr<MTimerRecord>& record() const { return rep->timer()->currentRecord(); }
    // Seconds since the test began.
    double elapsed() const;

    std::shared_ptr<TovridaAppDelegate> delegate;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<ToolChooseVC> home;
    std::shared_ptr<TimerV2VC> timer;
    std::vector<std::string> tips;

  private:
    double began_ = 0;
};

}  // namespace timer_test
