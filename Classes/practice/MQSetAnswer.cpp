#include "Classes/practice/MQSetAnswer.h"

void MQSetAnswer::encodeWithCoder(fnd::KeyedArchiver&) const {}

void MQSetAnswer::initWithCoder(fnd::KeyedUnarchiver&) {}

bool MQSetAnswer::isTheSameAs(const MQSetAnswer*) const { throw fnd::UnrecognizedSelector("isTheSameAs:"); }

std::optional<std::string> MQSetAnswer::stringWithAnswer() const {
    throw fnd::UnrecognizedSelector("stringWithAnswer");
}

std::optional<std::string> MQSetAnswer::jsString() const { return std::nullopt; }
