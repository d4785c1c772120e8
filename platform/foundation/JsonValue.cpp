#include "platform/foundation/JsonValue.h"

namespace fnd {

namespace {
const JsonValue& nullValue() {
    static const JsonValue value;
    return value;
}
}  // namespace

bool JsonValue::asBool(bool fallback) const {
    const bool* b = std::get_if<bool>(&value_);
    return b ? *b : fallback;
}

std::int64_t JsonValue::asInteger(std::int64_t fallback) const {
    if (const auto* i = std::get_if<std::int64_t>(&value_)) return *i;
    if (const auto* d = std::get_if<double>(&value_)) {
        // Only reals an integer can hold; the rest (and NaN) answer the fallback.
        if (*d >= -9.2e18 && *d <= 9.2e18) return static_cast<std::int64_t>(*d);
    }
    return fallback;
}

double JsonValue::asReal(double fallback) const {
    if (const auto* d = std::get_if<double>(&value_)) return *d;
    if (const auto* i = std::get_if<std::int64_t>(&value_)) return static_cast<double>(*i);
    return fallback;
}

const std::string& JsonValue::asString() const {
    static const std::string empty;
    const auto* s = std::get_if<std::string>(&value_);
    return s ? *s : empty;
}

const JsonValue::Array& JsonValue::asArray() const {
    static const Array empty;
    const auto* a = std::get_if<Array>(&value_);
    return a ? *a : empty;
}

const JsonValue::Map& JsonValue::asMap() const {
    static const Map empty;
    const auto* m = std::get_if<Map>(&value_);
    return m ? *m : empty;
}

std::optional<Date> JsonValue::asDate() const {
    const auto* d = std::get_if<Date>(&value_);
    return d ? std::optional<Date>(*d) : std::nullopt;
}

std::shared_ptr<Object> JsonValue::asObject() const {
    const auto* o = std::get_if<std::shared_ptr<Object>>(&value_);
    return o ? *o : nullptr;
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
    const Map& map = asMap();
    auto it = map.find(key);
    return it == map.end() ? nullValue() : it->second;
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    const Array& array = asArray();
    return index < array.size() ? array[index] : nullValue();
}

bool JsonValue::contains(std::string_view key) const { return asMap().find(key) != asMap().end(); }

}  // namespace fnd
