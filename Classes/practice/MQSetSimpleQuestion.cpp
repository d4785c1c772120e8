#include "Classes/practice/MQSetSimpleQuestion.h"

#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "platform/foundation/Json.h"

std::shared_ptr<MQSetSimpleQuestion> MQSetSimpleQuestion::make(
    const std::shared_ptr<MQSet>& set, std::int32_t number, std::int32_t questionType,
    std::int32_t rightAnswer, std::shared_ptr<MQSetBlock> block, std::int32_t highlight, Strings tags,
    std::string body, Strings answerOptions, std::string explanation, std::optional<std::string> threadURL) {
    auto question = std::make_shared<MQSetSimpleQuestion>();
    question->initWith(set, number, questionType, rightAnswer, std::move(block), highlight, std::move(tags),
                       std::move(body), std::move(answerOptions), std::move(explanation),
                       std::move(threadURL));
    return question;
}

std::shared_ptr<MQSetSimpleQuestion> MQSetSimpleQuestion::make(const std::shared_ptr<MQSet>& set,
                                                               std::int32_t number, std::int32_t questionType,
                                                               std::int32_t rightAnswer, Strings tags,
                                                               std::string body, Strings answerOptions,
                                                               std::string explanation,
                                                               std::optional<std::string> threadURL) {
    return make(set, number, questionType, rightAnswer, nullptr, 0, std::move(tags), std::move(body),
                std::move(answerOptions), std::move(explanation), std::move(threadURL));
}

std::string MQSetSimpleQuestion::describeItself() const {
    auto owner = set();
    if (owner && owner->setUID() == MQSet::kForumSetUID) {
        std::string text = threadURL().value_or("") + "\n";
        text += "Type: " + stringWithType().value_or("") + "\n";
        text +=
            "OA: " + (rightAnswer() ? rightAnswer()->stringWithAnswer().value_or("") : std::string()) + "\n";
        text += "====\n" + body() + "\n====\n";
        const auto& options = answerOptions();
        for (std::size_t i = 0; i < options.size(); ++i) {
            std::string letter = i < 5 ? std::string(1, static_cast<char>('A' + i)) : std::string("?");
            text += "(" + letter + ") " + options[i] + "\n";
        }
        return text;
    }
    return "The '" + (owner ? owner->setName() : std::string()) + "' set, #" + std::to_string(number()) +
           "\n====\n";
}

std::shared_ptr<MQSetAnswer> MQSetSimpleQuestion::answerFromString(const std::string& text) const {
    auto value = fnd::Json::parse(text);
    if (!value || !value->isArray() || value->asArray().empty() || !(*value)[0].isNumber()) return nullptr;
    return std::make_shared<MQSetSimpleAnswer>(static_cast<std::int32_t>((*value)[0].asInteger()));
}
