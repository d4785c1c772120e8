#include "Classes/practice/MQSetSimpleAnswer.h"

#include <array>

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

void MQSetSimpleAnswer::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("choice", choice_);
}

void MQSetSimpleAnswer::initWithCoder(fnd::KeyedUnarchiver& coder) { choice_ = choiceWithCoder(coder); }

std::int32_t MQSetSimpleAnswer::choiceWithCoder(fnd::KeyedUnarchiver& coder) {
    return coder.decodeInt32("choice");
}

std::shared_ptr<MQSetSimpleAnswer> MQSetSimpleAnswer::common(std::int32_t choice) {
    static const auto answers = [] {
        std::array<std::shared_ptr<MQSetSimpleAnswer>, kLastCommonChoice + 1> made;
        for (std::int32_t c = 0; c <= kLastCommonChoice; ++c) {
            made[static_cast<std::size_t>(c)] = std::make_shared<MQSetSimpleAnswer>(c);
            made[static_cast<std::size_t>(c)]->common_ = true;
        }
        return made;
    }();
    if (choice < 0 || choice > kLastCommonChoice) return std::make_shared<MQSetSimpleAnswer>(choice);
    return answers[static_cast<std::size_t>(choice)];
}

bool MQSetSimpleAnswer::isTheSameAs(const MQSetAnswer* other) const {
    auto simple = dynamic_cast<const MQSetSimpleAnswer*>(other);
    return simple && simple->choice_ == choice_;
}

std::optional<std::string> MQSetSimpleAnswer::stringWithAnswer() const {
    if (choice_ < 1 || choice_ > 5) return std::nullopt;
    return std::string(1, static_cast<char>('A' + choice_ - 1));
}

std::optional<std::string> MQSetSimpleAnswer::jsString() const { return "[" + std::to_string(choice_) + "]"; }
