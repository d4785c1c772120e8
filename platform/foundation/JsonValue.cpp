#include "platform/foundation/JsonValue.h"

#include <algorithm>

#include "platform/foundation/SortStably.h"

namespace fnd {

namespace {

const JsonValue& nullValue() {
    static const JsonValue value;
    return value;
}

using Member = JsonValue::Map::value_type;

bool memberBefore(const Member& a, const Member& b) { return JsonValue::Map::keyBefore(a.first, b.first); }

}  // namespace

JsonValue::Map::Map(Members members) : members_(std::move(members)) {
    auto notAfter = [](const Member& a, const Member& b) { return !memberBefore(a, b); };
    if (std::adjacent_find(members_.begin(), members_.end(), notAfter) == members_.end()) return;
    sortStably(members_.begin(), members_.end(), memberBefore);
    // Of a run of equal keys, the last member came last and is the one kept.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < members_.size(); ++i) {
        if (kept > 0 && !memberBefore(members_[kept - 1], members_[i]))
            members_[kept - 1].second = std::move(members_[i].second);
        else if (kept++ != i)
            members_[kept - 1] = std::move(members_[i]);
    }
    members_.erase(members_.begin() + static_cast<std::ptrdiff_t>(kept), members_.end());
}

JsonValue::Map::iterator JsonValue::Map::lowerBound(std::string_view key) {
    return std::lower_bound(
        members_.begin(), members_.end(), key,
        [](const Member& member, std::string_view k) { return keyBefore(member.first, k); });
}

JsonValue::Map::iterator JsonValue::Map::find(std::string_view key) {
    auto it = lowerBound(key);
    return it != members_.end() && it->first == key ? it : members_.end();
}

JsonValue::Map::const_iterator JsonValue::Map::find(std::string_view key) const {
    return const_cast<Map*>(this)->find(key);
}

JsonValue& JsonValue::Map::operator[](std::string_view key) {
    auto it = lowerBound(key);
    if (it == members_.end() || it->first != key) it = members_.emplace(it, std::string(key), JsonValue());
    return it->second;
}

std::pair<JsonValue::Map::iterator, bool> JsonValue::Map::insert_or_assign(std::string key, JsonValue value) {
    auto it = lowerBound(key);
    if (it != members_.end() && it->first == key) {
        it->second = std::move(value);
        return {it, false};
    }
    return {members_.emplace(it, std::move(key), std::move(value)), true};
}

std::pair<JsonValue::Map::iterator, bool> JsonValue::Map::emplace(std::string key, JsonValue value) {
    auto it = lowerBound(key);
    if (it != members_.end() && it->first == key) return {it, false};
    return {members_.emplace(it, std::move(key), std::move(value)), true};
}

std::size_t JsonValue::Map::erase(std::string_view key) {
    auto it = find(key);
    if (it == members_.end()) return 0;
    members_.erase(it);
    return 1;
}

bool JsonValue::Map::operator==(const Map& other) const { return members_ == other.members_; }

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
