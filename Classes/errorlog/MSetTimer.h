#pragma once
// The stopwatch of one run through a list of questions: it books the time spent on each position
// of the list while the user moves between questions, pauses and resumes, and gives the run's
// total time without its pauses. Time comes from the main run loop's clock, so tests step it.
//
// States: idle (0) until startWithIndex, running (1), paused (2), finished (3). A stopwatch serves
// one run; the tracker screen makes a new one for the next run or when its list changes length.
// After finish the start date stays, so rows keep the marks of answers given in the run.

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class MSetTimer : public fnd::Object {
  public:
    enum State { kIdle = 0, kRunning = 1, kPaused = 2, kFinished = 3 };

    // "mm:ss", a started second counting whole; minutes are not capped.
    static std::string stringWithTime(double seconds);

    // An idle stopwatch of n positions with no current one.
    explicit MSetTimer(int numberOfQuestions);

    // The run starts now on position i: every position's time is zero.
    void startWithIndex(int i);
    // Books the running stretch to the current position and begins a pause.
    void pause();
    // Ends a pause (its length leaves the total) and times the current position again.
    void run();
    // Books the current position when running; then finished with no current position.
    void finish();
    // Moves the current position (-1 when outside the list); while running the stretch so far is
    // booked to the position left.
    void setIndex(int i);

    // Seconds of the run without pauses; 0 when idle.
    float totalTime() const;
    // Seconds booked to position i (0..n-1), with the running stretch when i is current.
    float timeForIndex(int i) const;
    bool isActiveState() const { return state_ == kRunning || state_ == kPaused; }

    int numberOfQuestions() const { return int(times_.size()); }
    int index() const { return index_; }
    int state() const { return state_; }
    void setState(int state) { state_ = state; }
    const std::optional<fnd::Date>& startDate() const { return startDate_; }
    void setStartDate(std::optional<fnd::Date> date) { startDate_ = date; }
    const std::optional<fnd::Date>& lastRunStartDate() const { return lastRunStartDate_; }
    void setLastRunStartDate(std::optional<fnd::Date> date) { lastRunStartDate_ = date; }
    const std::optional<fnd::Date>& pauseStartDate() const { return pauseStartDate_; }
    void setPauseStartDate(std::optional<fnd::Date> date) { pauseStartDate_ = date; }

  private:
    static double since(const std::optional<fnd::Date>& date);

    std::vector<float> times_;
    int index_ = -1;
    std::optional<fnd::Date> startDate_;
    std::optional<fnd::Date> lastRunStartDate_;
    std::optional<fnd::Date> pauseStartDate_;
    float totalPausedTime_ = 0;
    int state_ = kIdle;
};
