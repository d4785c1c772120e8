#pragma once
// The forum browser's stopwatch for timing oneself on the question of the page: hidden (0), ready
// (1), running (2) or stopped (3). Its show/hide key brings it up ready or puts it away from any
// state; its start key goes ready -> running -> stopped -> ready. While shown the screen stays
// awake and the open-in-browser key is off. The time shows as minutes and seconds, white below 90
// seconds, yellow below 120 and red from there; while running it is redrawn every tenth of a
// second by one chain of delayed calls, however often the keys are tapped.

#include <memory>
#include <string>

#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"
#include "platform/ui/Color.h"

namespace ui {
class ActivityIndicator;
class Button;
class ImageView;
class Label;
}  // namespace ui

class ForumStopwatch : public fnd::Object {
  public:
    enum Status { kHidden = 0, kReady = 1, kRunning = 2, kStopped = 3 };
    static constexpr double kTick = 0.1;
    static constexpr double kYellowFrom = 90;
    static constexpr double kRedFrom = 120;
    static constexpr const char* kStartImage = "Forum_timer_start.png";
    static constexpr const char* kStopImage = "Forum_timer_stop.png";
    static constexpr const char* kResetImage = "Forum_timer_reset.png";
    static constexpr const char* kUpdateAction = "updateTimer";

    // The views it drives (any may be missing).
    struct Parts {
        std::shared_ptr<ui::ImageView> background;
        std::shared_ptr<ui::Label> label;
        std::shared_ptr<ui::Button> button;
        std::shared_ptr<ui::ActivityIndicator> spinner;
        std::shared_ptr<ui::Button> safariButton;
    };

    ~ForumStopwatch() override;
    void attach(Parts parts);

    // The show/hide key and the start key.
    void showHide();
    void startStop();
    // The time taken now and shown; running, the next update follows in kTick.
    void updateTimer();
    // Ends the update chain and gives the screen's sleep back (the browser is leaving).
    void stop();

    // Whole minutes and the seconds left, each of at least two digits: 125 s is "02:05".
    static std::string secondsToString(double seconds);
    static ui::Color colorForTime(double seconds);

    Status timerStatus() const { return status_; }
    double time() const { return time_; }
    const fnd::Date& startDate() const { return startDate_; }

  private:
    void setShown(bool shown);
    void setImage(const char* name);
    void setSpinning(bool on);

    Parts parts_;
    Status status_ = kHidden;
    fnd::Date startDate_;
    double time_ = 0;
};
