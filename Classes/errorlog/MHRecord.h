#pragma once
// One attempt at one official-guide question: when, how long, which letter, and whether it was a
// guess. It holds no verdict: right or wrong is worked out against the question's key when shown,
// so a key installed later scores every earlier attempt.

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class MHRecord : public fnd::Object, public fnd::Coding {
  public:
    static constexpr const char* kClassName = "MHRecord";

    // For the class registry; initWithCoder() fills it.
    MHRecord() = default;
    MHRecord(fnd::Date date, double time, int answer, bool guess)
        : date_(date), time_(time), answer_(answer), fguess_(guess) {}
    static std::shared_ptr<MHRecord> initWithDate(fnd::Date date, double time, int answer, bool guess) {
        return std::make_shared<MHRecord>(date, time, answer, guess);
    }

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // The time as minutes and seconds, "mm:ss"; a started second counts whole.
    std::string stringWithTime() const { return stringWithTime(time_); }
    static std::string stringWithTime(double seconds);
    // "A" to "E" for answers 1 to 5, nothing otherwise.
    std::optional<std::string> stringWithAnswer() const { return letterForAnswer(answer_); }
    static std::optional<std::string> letterForAnswer(int answer);
    // Ascending by date within the sync tolerance; an attempt without a date comes first.
    int compareByDate(const MHRecord& other) const;

    // Nothing only for a record read from an archive that held no date.
    const std::optional<fnd::Date>& date() const { return date_; }
    double time() const { return time_; }
    int answer() const { return answer_; }
    bool fguess() const { return fguess_; }

  private:
    std::optional<fnd::Date> date_;
    double time_ = 0;
    int answer_ = 0;
    bool fguess_ = false;
};
