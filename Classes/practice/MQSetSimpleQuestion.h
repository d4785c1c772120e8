#pragma once
// The five-choice question that every set holds.

#include "Classes/practice/MQSetQuestion.h"

class MQSetSimpleQuestion : public MQSetQuestion {
  public:
    // A question of a passage (type 5 in built-in content), or of none when block is null.
    static std::shared_ptr<MQSetSimpleQuestion> make(const std::shared_ptr<MQSet>& set, std::int32_t number,
                                                     std::int32_t questionType, std::int32_t rightAnswer,
                                                     std::shared_ptr<MQSetBlock> block,
                                                     std::int32_t highlight, Strings tags, std::string body,
                                                     Strings answerOptions, std::string explanation,
                                                     std::optional<std::string> threadURL);
    // A question without a passage.
    static std::shared_ptr<MQSetSimpleQuestion> make(const std::shared_ptr<MQSet>& set, std::int32_t number,
                                                     std::int32_t questionType, std::int32_t rightAnswer,
                                                     Strings tags, std::string body, Strings answerOptions,
                                                     std::string explanation,
                                                     std::optional<std::string> threadURL);

    std::string describeItself() const override;
    // Reads "[3]" as choice 3.
    std::shared_ptr<MQSetAnswer> answerFromString(const std::string& text) const override;
};
