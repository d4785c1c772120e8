#pragma once
// One timed practice section: its kind and size, its run state, a date stamp for the start and for
// every confirmed answer, the answers with their guess flags and grades, and the moment of the last
// pause. Every pacing figure the timer shows is computed from the stamps, at the clock's now.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class MTimerRecord : public fnd::Object, public fnd::Coding {
  public:
    // Section kinds (`setType`).
    static constexpr int kQuantitative = 0;
    static constexpr int kVerbal = 1;
    static constexpr int kCustom = 2;
    // Run states (`status`).
    static constexpr int kReady = 0;
    static constexpr int kRunning = 1;
    static constexpr int kPaused = 2;
    static constexpr int kFinished = 3;
    // Grades of an answer.
    static constexpr int kNotGraded = 1;
    static constexpr int kRight = 2;
    static constexpr int kWrong = 3;
    // Size and time of an open-ended section, which counts up and has no pace.
    static constexpr int kOpenEnded = -1;

    // A ready record of no kind and no size, with no answers.
    MTimerRecord() = default;

    // The fixed sections: 37 questions or 41 questions in 4500 s, numbered from 1.
    static std::shared_ptr<MTimerRecord> makeQuantitativeType();
    static std::shared_ptr<MTimerRecord> makeVerbalType();
    // A custom section: open-ended when number or seconds is -1, else 1 to 99 questions and the
    // seconds truncated (0 when negative).
    static std::shared_ptr<MTimerRecord> makeCustomType(int number, double seconds, int startNumber);
    // A section of any kind; number, seconds and start count only for the custom kind. Null for a
    // kind that does not exist.
    static std::shared_ptr<MTimerRecord> makeWithType(int setType, int number, double seconds,
                                                      int startNumber);

    // Starts or resumes (1), pauses (2) or finishes (3) the section; a finished record stays so.
    void changeStatus(int status);
    // Records an answer confirmed now; the last answer of a sized section finishes it.
    void addAnswer(const std::string& letter, bool isGuess);
    // Finishes a running sized section whose time has run out.
    void checkEndOfTest();

    // Time left of a sized section (its whole time when ready, the time used once finished), or the
    // time passed of an open-ended one.
    double leftOrPassedTime() const;
    // Time on the question in hand; -1 when there is none (ready or finished).
    double currentQuestionTime() const;
    // Mean time per answer so far; 0 before the first.
    double averageQuestionTime() const;
    // The time allowed for the answered questions less the time they took: above zero is ahead of
    // pace. 0 before the first answer and for an open-ended section.
    double reserveTime() const;
    // The question one should be on by now at an even pace, from 1; 0 when there is none.
    int expecedQuestion() const;
    // Time spent on answer i (from 0); 0 for an answer that does not exist.
    double questionTimeAtIndex(int index) const;

    // "Quantitative", "Verbal" or "Custom"; nothing for another kind.
    std::optional<std::string> stringForSetType() const;

    bool isOpenEnded() const { return totalNumber_ == kOpenEnded || totalTime_ == kOpenEnded; }
    int numberOfAnswers() const { return static_cast<int>(userAnswers_.size()); }

    int setType() const { return setType_; }
    void setSetType(int value) { setType_ = value; }
    int status() const { return status_; }
    void setStatus(int value) { status_ = value; }
    int totalNumber() const { return totalNumber_; }
    void setTotalNumber(int value) { totalNumber_ = value; }
    int totalTime() const { return totalTime_; }
    void setTotalTime(int value) { totalTime_ = value; }
    int startNumber() const { return startNumber_; }
    void setStartNumber(int value) { startNumber_ = value; }
    const std::string& customName() const { return customName_; }
    void setCustomName(std::string name) { customName_ = std::move(name); }
    const std::vector<fnd::Date>& dateStamps() const { return dateStamps_; }
    std::vector<fnd::Date>& dateStamps() { return dateStamps_; }
    void setDateStamps(std::vector<fnd::Date> stamps) { dateStamps_ = std::move(stamps); }
    const std::vector<std::string>& userAnswers() const { return userAnswers_; }
    std::vector<std::string>& userAnswers() { return userAnswers_; }
    void setUserAnswers(std::vector<std::string> answers) { userAnswers_ = std::move(answers); }
    const std::vector<bool>& guesses() const { return guesses_; }
    std::vector<bool>& guesses() { return guesses_; }
    void setGuesses(std::vector<bool> guesses) { guesses_ = std::move(guesses); }
    const std::vector<int>& grades() const { return grades_; }
    std::vector<int>& grades() { return grades_; }
    void setGrades(std::vector<int> grades) { grades_ = std::move(grades); }
    const std::optional<fnd::Date>& pauseDate() const { return pauseDate_; }
    void setPauseDate(std::optional<fnd::Date> date) { pauseDate_ = date; }

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

  private:
    // Seconds from the start to the end of the span the status measures: the last answer when
    // finished, the pause when paused, now when running; 0 when not started.
    double elapsedTime() const;

    int setType_ = 0;
    int status_ = kReady;
    int totalNumber_ = 0;
    int totalTime_ = 0;
    int startNumber_ = 0;
    std::string customName_;
    std::vector<fnd::Date> dateStamps_;
    std::vector<std::string> userAnswers_;
    std::vector<bool> guesses_;
    std::vector<int> grades_;
    std::optional<fnd::Date> pauseDate_;
};
