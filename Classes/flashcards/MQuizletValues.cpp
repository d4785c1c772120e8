#include "Classes/flashcards/MQuizletValues.h"

#include <cmath>
#include <optional>

namespace {

// The number as a real, whatever kind of number it is; nothing for another kind of value.
std::optional<double> number(const fnd::JsonValue& value) {
    if (!value.isNumber()) return std::nullopt;
    return value.asReal();
}

// The whole part of the number when it lies in [0, largest]; otherwise 0.
std::int64_t inRange(const fnd::JsonValue& value, std::int64_t largest) {
    if (value.kind() == fnd::JsonValue::Kind::Integer) {
        std::int64_t whole = value.asInteger();
        return whole >= 0 && whole <= largest ? whole : 0;
    }
    std::optional<double> real = number(value);
    if (!real || !std::isfinite(*real) || *real < 0 || *real >= double(largest) + 1) return 0;
    return static_cast<std::int64_t>(*real);
}

}  // namespace

const std::string& MQuizletValues::text(const fnd::JsonValue& object, std::string_view key) {
    return object[key].asString();
}

std::uint32_t MQuizletValues::unsignedNumber(const fnd::JsonValue& object, std::string_view key) {
    return static_cast<std::uint32_t>(inRange(object[key], 4294967295));
}

int MQuizletValues::positiveInt(const fnd::JsonValue& object, std::string_view key) {
    return static_cast<int>(inRange(object[key], 2147483647));
}

double MQuizletValues::real(const fnd::JsonValue& object, std::string_view key) {
    double value = number(object[key]).value_or(0);
    return std::isfinite(value) ? value : 0;
}

bool MQuizletValues::flag(const fnd::JsonValue& object, std::string_view key) {
    const fnd::JsonValue& value = object[key];
    if (value.isBool()) return value.asBool();
    return number(value).value_or(0) != 0;
}

std::vector<std::string> MQuizletValues::texts(const fnd::JsonValue& object, std::string_view key) {
    std::vector<std::string> out;
    for (const fnd::JsonValue& item : object[key].asArray())
        if (item.isString()) out.push_back(item.asString());
    return out;
}
