#pragma once
// One answer given to a question of an interactive e-book: when, how long it took, whether it was
// right and what was chosen. Records made by a page carry no date and no time.

#include <optional>
#include <string>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class MIBHRecord : public fnd::Object, public fnd::Coding {
  public:
    MIBHRecord();
    MIBHRecord(std::optional<fnd::Date> date, double time, bool isRight, std::optional<std::string> answer);

    const std::optional<fnd::Date>& date() const { return date_; }
    double time() const { return time_; }
    bool isRight() const { return isRight_; }
    const std::optional<std::string>& answer() const { return answer_; }

    // Minutes and seconds of the time, each of at least two digits, a started second counting whole.
    std::string stringWithTime() const;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
    static void registerArchiveClass();

  private:
    std::optional<fnd::Date> date_;
    double time_ = 0;
    bool isRight_ = false;
    std::optional<std::string> answer_;
};
