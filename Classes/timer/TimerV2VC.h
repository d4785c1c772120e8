#pragma once
// The timer tool: a pacing stopwatch for one timed practice section. The user picks the kind
// (quantitative, verbal, custom), starts it, taps each answer's letter and confirms it as sure or
// as a guess, pauses and goes on, finishes, looks at the results and resets for the next section.
// Every figure comes from the repository's timer state (its current record's stamps at the clock's
// now), so the screen keeps no time of its own: while a section runs it refreshes ten times a
// second, with at most one refresh pending, and not at all otherwise.
//
// Leaving the tool, the application going to the background and the program ending pause a
// running section, so that time away is not counted.
//
// Child screens open one at a time (the shared child protocol); the four class hooks give the
// phone's or the tablet's kind of each.

#include <functional>
#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"

class CommonConfirmVC;
class CustomEditVC;
class MTimer;
class MTimerRecord;
class MTimerRecordSet;
class TimerAllResultsVC;
class TimerConfirmVC;
class TimerResultsVC;
class TimerSettingsVC;

namespace ui {
class Button;
class Label;
}  // namespace ui

class TimerV2VC : public ToolViewController {
  public:
    static constexpr const char* kTimerStartedTip = "TipsEvent_TimerStarted";
    static constexpr const char* kXInfoTip = "TipsEvent_XInfoPressed";
    static constexpr const char* kFinishQuestion = "Do you want to finish this section?";
    static constexpr const char* kConfirmQuestion = "Please confirm your answer choice:";
    static constexpr const char* kResultsReturnKey = "Timer";
    // The refresh's period while a section runs.
    static constexpr double kRefreshPeriod = 0.1;
    // The current question's alerts: from these many seconds, within a window that one refresh
    // surely falls in.
    static constexpr double kFirstAlert = 90.0;
    static constexpr double kSecondAlert = 120.0;
    static constexpr double kAlertWindow = 0.15;
    // Animations of the keys and labels that come and go.
    static constexpr double kShowDuration = 0.2;
    static constexpr double kHiddenScale = 0.1;
    static constexpr double kDisabledAnswerScale = 0.7;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "TimerView"; }

    using ToolViewController::init;
    // The interface file, the repository's timer, the entrance.
    void init() override;
    // Keeps the device awake; observes the background and became-active notifications.
    void viewDidLoad() override;
    // The tool's entrance, with the keys styled, the custom-edit key left out of it unless the
    // section is a ready custom one, and (on the phone) the labels placed; then a refresh.
    void animation() override;

    // Draws everything from the current record; while it runs, schedules the next refresh.
    void updateTimerViews();

    // ---- Actions
    void changeSetType(const Sender& sender);
    void changeFXInfo(const Sender& sender);
    // Start; the finish question; Reset (keeping a section with answers).
    void startFinishTimer(const Sender& sender);
    void finishConfirm(const fnd::Notification& notification);
    // All results when ready, pause, go, this section's results when finished.
    void pauseGoResultsTimer(const Sender& sender);
    // An answer key: the confirmation of its letter, replacing one still open.
    void confirmAnswer(const Sender& sender);
    void addAnswer(const fnd::Notification& notification);
    void showCustomEdit(const Sender& sender);
    void customEditDone(const fnd::Notification& notification);
    void showTimerSettings(const Sender& sender);
    void timerSettings(const fnd::Notification& notification);
    void showTimerResults();
    void timerResults(const fnd::Notification& notification);
    void showTimerAllResults();
    void timerAllResults(const fnd::Notification& notification);
    void openScratchpad(const Sender& sender);
    void scratchpadNotifications(const fnd::Notification& notification);
    // Posts "ToolDoneNotification".
    void doneClick(const Sender& sender);

    // Grows the answer keys and then enables them, or disables them and then shrinks them.
    void setAnswerButtonsEnabled(bool enabled);

    // Pauses a running section (the tool is left).
    void save() override;
    void back() override;
    void close() override;
    void appDidEnterBackground();
    void appDidBecomeActive();

    const std::shared_ptr<MTimer>& timer() const { return timer_; }
    const std::shared_ptr<TimerConfirmVC>& timerConfirmVC() const { return timerConfirmVC_; }
    const std::shared_ptr<CommonConfirmVC>& commonConfirmVC() const { return commonConfirmVC_; }
    const std::shared_ptr<CommonViewController>& scratchpadVC() const { return scratchpadVC_; }
    // Whether a refresh is scheduled.
    bool isRefreshPending() const { return refreshPending_; }

  protected:
    // The class hooks: the child screens of the phone; the tablet's override them.
    virtual std::shared_ptr<TimerSettingsVC> makeTimerSettingsVC();
    virtual std::shared_ptr<CustomEditVC> makeCustomEditVC();
    virtual std::shared_ptr<TimerResultsVC> makeTimerResultsVC(const std::shared_ptr<MTimerRecord>& record);
    virtual std::shared_ptr<TimerAllResultsVC> makeTimerAllResultsVC(
        const std::shared_ptr<MTimerRecordSet>& set);
    // Whether the refresh moves the kind, number and time labels (the phone's layout does).
    virtual bool movesMainLabels() const { return true; }

  private:
    const std::shared_ptr<MTimerRecord>& record() const;
    // The refresh's steps.
    void showCustomEditKey(const MTimerRecord& record);
    std::string numbersText(const MTimerRecord& record) const;
    void showExtendedInfo(const MTimerRecord& record);
    void showKeys(const MTimerRecord& record);
    void alert(double currentTime);
    void colourCurrentTime(double currentTime);
    void scheduleRefresh();
    void cancelRefresh();
    // The eight extended labels, values and captions.
    std::vector<std::shared_ptr<ui::Label>> extendedLabels() const;
    std::vector<std::shared_ptr<ui::Button>> answerButtons() const;
    // The number and time labels where the extended information wants them (phone).
    void placeMainLabels(bool extended);
    // Opens a child as the main child, with its handler, when one may open.
    template <class Child, class Handler>
    void openChild(const std::shared_ptr<Child>& child, Handler handler);
    // The first step of a child's handler: the child goes; the screen forgets it and refreshes.
    bool releaseChild(const fnd::Notification& notification);

    std::shared_ptr<MTimer> timer_;
    std::shared_ptr<TimerConfirmVC> timerConfirmVC_;
    std::shared_ptr<CommonConfirmVC> commonConfirmVC_;
    std::shared_ptr<CommonViewController> scratchpadVC_;
    bool refreshPending_ = false;
    bool answerButtonsEnabled_ = true;

    std::shared_ptr<ui::Button> changeModeBtn_, customEditBtn_, startFinishBtn_, pauseGoResultsBtn_;
    std::shared_ptr<ui::Button> ABtn_, BBtn_, CBtn_, DBtn_, EBtn_;
    std::shared_ptr<ui::Label> setTypeLbl_, currentAndTotalNumbersLbl_, timeLbl_;
    std::shared_ptr<ui::Label> currentTimeLbl_, averageTimeLbl_, reserveLbl_, expectedQuestionLbl_;
    std::shared_ptr<ui::Label> currentTimeHintLbl_, averageTimeHintLbl_, reserveHintLbl_,
        expectedQuestionHintLbl_;

  public:
    const std::shared_ptr<ui::Label>& setTypeLbl() const { return setTypeLbl_; }
    const std::shared_ptr<ui::Label>& currentAndTotalNumbersLbl() const { return currentAndTotalNumbersLbl_; }
    const std::shared_ptr<ui::Label>& timeLbl() const { return timeLbl_; }
    const std::shared_ptr<ui::Label>& currentTimeLbl() const { return currentTimeLbl_; }
    const std::shared_ptr<ui::Label>& averageTimeLbl() const { return averageTimeLbl_; }
    const std::shared_ptr<ui::Label>& reserveLbl() const { return reserveLbl_; }
    const std::shared_ptr<ui::Label>& expectedQuestionLbl() const { return expectedQuestionLbl_; }
    const std::shared_ptr<ui::Button>& startFinishBtn() const { return startFinishBtn_; }
    const std::shared_ptr<ui::Button>& pauseGoResultsBtn() const { return pauseGoResultsBtn_; }
    const std::shared_ptr<ui::Button>& changeModeBtn() const { return changeModeBtn_; }
    const std::shared_ptr<ui::Button>& customEditBtn() const { return customEditBtn_; }
};
