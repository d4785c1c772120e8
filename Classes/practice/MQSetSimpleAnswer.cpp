#include "Classes/practice/MQSetSimpleAnswer.h"

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

void MQSetSimpleAnswer::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("choice", choice_);
}

void MQSetSimpleAnswer::initWithCoder(fnd::KeyedUnarchiver& coder) { choice_ = coder.decodeInt32("choice"); }

bool MQSetSimpleAnswer::isTheSameAs(const MQSetAnswer* other) const {
    auto simple = dynamic_cast<const MQSetSimpleAnswer*>(other);
    return simple && simple->choice_ == choice_;
}

std::optional<std::string> MQSetSimpleAnswer::stringWithAnswer() const {
    if (choice_ < 1 || choice_ > 5) return std::nullopt;
    return std::string(1, static_cast<char>('A' + choice_ - 1));
}

std::optional<std::string> MQSetSimpleAnswer::jsString() const { return "[" + std::to_string(choice_) + "]"; }
