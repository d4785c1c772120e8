#include "platform/foundation/PropertyList.h"

#include <bit>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>
#include <unordered_map>

namespace fnd {

// Hash tables that find an equal scalar or string already in the table. Strings are found by the
// hash of their text, then compared, so the tables never point into text_ (which moves as it grows).
struct PropertyList::Uniquing {
    enum Slot { Integer, Unsigned, Double, Float, Date, Uid, SlotCount };
    std::unordered_map<std::uint64_t, Ref> scalars[SlotCount];
    std::unordered_multimap<std::size_t, Ref> strings;
    std::optional<Ref> null, no, yes;
};

PropertyList::PropertyList() = default;
PropertyList::~PropertyList() = default;
PropertyList::PropertyList(PropertyList&&) noexcept = default;
PropertyList& PropertyList::operator=(PropertyList&&) noexcept = default;

void PropertyList::reserve(std::size_t objects, std::size_t textBytes, std::size_t members) {
    nodes_.reserve(objects);
    text_.reserve(textBytes);
    members_.reserve(members);
}

PropertyList::Ref PropertyList::push(Kind kind, std::uint64_t value, std::uint32_t count, std::uint8_t flags) {
    if (nodes_.size() >= std::numeric_limits<Ref>::max())
        throw std::length_error("property list: too many objects");
    nodes_.push_back(Node{kind, flags, count, value});
    return static_cast<Ref>(nodes_.size() - 1);
}

PropertyList::Ref PropertyList::unique(Kind kind, std::uint64_t bits, std::uint8_t flags) {
    if (!uniquing_) uniquing_ = std::make_unique<Uniquing>();
    int slot = kind == Kind::Integer           ? Uniquing::Integer
               : kind == Kind::UnsignedInteger ? Uniquing::Unsigned
               : kind == Kind::Date            ? Uniquing::Date
               : kind == Kind::Uid             ? Uniquing::Uid
               : (flags & kFloat)              ? Uniquing::Float
                                               : Uniquing::Double;
    auto [it, inserted] = uniquing_->scalars[slot].try_emplace(bits, 0);
    if (inserted) it->second = push(kind, bits, 0, flags);
    return it->second;
}

PropertyList::Ref PropertyList::addNull() {
    if (!uniquing_) uniquing_ = std::make_unique<Uniquing>();
    if (!uniquing_->null) uniquing_->null = push(Kind::Null, 0);
    return *uniquing_->null;
}

PropertyList::Ref PropertyList::addBoolean(bool value) {
    if (!uniquing_) uniquing_ = std::make_unique<Uniquing>();
    std::optional<Ref>& slot = value ? uniquing_->yes : uniquing_->no;
    if (!slot) slot = push(Kind::Boolean, value ? 1 : 0);
    return *slot;
}

PropertyList::Ref PropertyList::addInteger(std::int64_t value) {
    return unique(Kind::Integer, static_cast<std::uint64_t>(value));
}

PropertyList::Ref PropertyList::addUnsignedInteger(std::uint64_t value) {
    if (value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return unique(Kind::Integer, value);
    return unique(Kind::UnsignedInteger, value);
}

PropertyList::Ref PropertyList::addReal(double value) { return unique(Kind::Real, std::bit_cast<std::uint64_t>(value)); }

PropertyList::Ref PropertyList::addFloat(float value) {
    return unique(Kind::Real, std::bit_cast<std::uint64_t>(static_cast<double>(value)), kFloat);
}

PropertyList::Ref PropertyList::addDate(double secondsSinceReference) {
    return unique(Kind::Date, std::bit_cast<std::uint64_t>(secondsSinceReference));
}

PropertyList::Ref PropertyList::addUid(std::uint32_t uid) { return unique(Kind::Uid, uid); }

PropertyList::Ref PropertyList::addData(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("property list: data too large");
    std::uint64_t offset = text_.size();
    text_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return push(Kind::Data, offset, static_cast<std::uint32_t>(bytes.size()));
}

PropertyList::Ref PropertyList::addString(std::string_view utf8) {
    if (utf8.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("property list: string too large");
    if (!uniquing_) uniquing_ = std::make_unique<Uniquing>();
    std::size_t hash = std::hash<std::string_view>{}(utf8);
    auto [first, last] = uniquing_->strings.equal_range(hash);
    for (auto it = first; it != last; ++it)
        if (string(it->second) == utf8) return it->second;
    std::uint64_t offset = text_.size();
    text_.append(utf8);
    Ref ref = push(Kind::String, offset, static_cast<std::uint32_t>(utf8.size()));
    uniquing_->strings.emplace(hash, ref);
    return ref;
}

PropertyList::Ref PropertyList::addArray(std::span<const Ref> items) {
    std::uint64_t offset = members_.size();
    members_.insert(members_.end(), items.begin(), items.end());
    return push(Kind::Array, offset, static_cast<std::uint32_t>(items.size()));
}

PropertyList::Ref PropertyList::addDictionary(std::span<const Ref> keys, std::span<const Ref> values) {
    if (keys.size() != values.size()) throw std::invalid_argument("property list: keys and values differ in count");
    std::uint64_t offset = members_.size();
    members_.insert(members_.end(), keys.begin(), keys.end());
    members_.insert(members_.end(), values.begin(), values.end());
    return push(Kind::Dictionary, offset, static_cast<std::uint32_t>(keys.size()));
}

double PropertyList::real(Ref ref) const { return std::bit_cast<double>(nodes_[ref].value); }

std::string_view PropertyList::string(Ref ref) const {
    const Node& n = nodes_[ref];
    return std::string_view(text_.data() + n.value, n.count);
}

std::span<const std::uint8_t> PropertyList::data(Ref ref) const {
    const Node& n = nodes_[ref];
    return {reinterpret_cast<const std::uint8_t*>(text_.data()) + n.value, n.count};
}

std::span<const PropertyList::Ref> PropertyList::items(Ref array) const {
    const Node& n = nodes_[array];
    return {members_.data() + n.value, n.count};
}

std::span<const PropertyList::Ref> PropertyList::keys(Ref dictionary) const {
    const Node& n = nodes_[dictionary];
    return {members_.data() + n.value, n.count};
}

std::span<const PropertyList::Ref> PropertyList::values(Ref dictionary) const {
    const Node& n = nodes_[dictionary];
    return {members_.data() + n.value + n.count, n.count};
}

std::optional<PropertyList::Ref> PropertyList::find(Ref dictionary, std::string_view key) const {
    const Node& n = nodes_[dictionary];
    const Ref* keys = members_.data() + n.value;
    for (std::uint32_t i = n.count; i-- > 0;) {
        const Node& k = nodes_[keys[i]];
        if (k.kind == Kind::String && k.count == key.size() &&
            (key.empty() || std::memcmp(text_.data() + k.value, key.data(), key.size()) == 0))
            return keys[i + n.count];
    }
    return std::nullopt;
}

}  // namespace fnd
