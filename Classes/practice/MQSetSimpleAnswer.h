#pragma once
// A five-choice answer: choice 1 to 5 stands for A to E. It never changes once made: the records
// that hold it are shared with a save on another thread.

#include <cstdint>

#include "Classes/practice/MQSetAnswer.h"

class MQSetSimpleAnswer : public MQSetAnswer {
  public:
    MQSetSimpleAnswer() = default;
    explicit MQSetSimpleAnswer(std::int32_t choice) : choice_(choice) {}

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    bool isTheSameAs(const MQSetAnswer* other) const override;
    std::optional<std::string> stringWithAnswer() const override;
    // "[3]" for choice 3.
    std::optional<std::string> jsString() const override;

    std::int32_t choice() const { return choice_; }
    // The choice as initWithCoder reads it from an archived answer's keys.
    static std::int32_t choiceWithCoder(fnd::KeyedUnarchiver& coder);

    // The answer of a choice from "none" (0) to E (5) that the records read from an archive share,
    // so that a long history does not hold a hundred thousand equal answers (an answer never
    // changes once made). Other choices get an answer of their own.
    static std::shared_ptr<MQSetSimpleAnswer> common(std::int32_t choice);
    static constexpr std::int32_t kLastCommonChoice = 5;

  private:
    std::int32_t choice_ = 0;
};
