#include "platform/foundation/PropertyList.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>

#include "platform/foundation/HashIndex.h"

namespace fnd {

// Tables that find an equal scalar or string already in the list. Strings are found by the hash of
// their text and then compared, so the tables never point into text_ (which moves as it grows).
struct PropertyList::Uniquing {
    enum Slot { Integer, Unsigned, Double, Float, Date, Uid, String, SlotCount };
    HashIndex tables[SlotCount];
    std::optional<Ref> null, no, yes;
    // UIDs of a keyed archive are dense, from 0 up to the object count: a plain table serves them.
    static constexpr Ref kNone = std::numeric_limits<Ref>::max();
    std::vector<Ref> uids;
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

PropertyList::Ref PropertyList::push(Kind kind, std::uint64_t value, std::uint32_t count,
                                     std::uint8_t flags) {
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
    return uniquing_->tables[slot].findOrInsert(bits, [&] { return push(kind, bits, 0, flags); });
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

PropertyList::Ref PropertyList::addReal(double value) {
    return unique(Kind::Real, std::bit_cast<std::uint64_t>(value));
}

PropertyList::Ref PropertyList::addFloat(float value) {
    return unique(Kind::Real, std::bit_cast<std::uint64_t>(static_cast<double>(value)), kFloat);
}

PropertyList::Ref PropertyList::addDate(double secondsSinceReference) {
    return unique(Kind::Date, std::bit_cast<std::uint64_t>(secondsSinceReference));
}

PropertyList::Ref PropertyList::addUid(std::uint32_t uid) {
    if (!uniquing_) uniquing_ = std::make_unique<Uniquing>();
    std::vector<Ref>& dense = uniquing_->uids;
    if (uid >= dense.size()) {
        if (uid > 2 * nodes_.size() + 1024) return unique(Kind::Uid, uid);
        dense.resize(std::max<std::size_t>(uid + 1, dense.size() * 2), Uniquing::kNone);
    }
    if (dense[uid] == Uniquing::kNone) dense[uid] = push(Kind::Uid, uid);
    return dense[uid];
}

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
    return uniquing_->tables[Uniquing::String].findOrInsert(
        std::hash<std::string_view>{}(utf8), [&](Ref ref) { return string(ref) == utf8; },
        [&] {
            std::uint64_t offset = text_.size();
            text_.append(utf8);
            return push(Kind::String, offset, static_cast<std::uint32_t>(utf8.size()));
        });
}

void PropertyList::internLastString(Ref last) {
    if (!uniquing_) uniquing_ = std::make_unique<Uniquing>();
    std::string_view text = string(last);
    Ref first = uniquing_->tables[Uniquing::String].findOrInsert(
        std::hash<std::string_view>{}(text), [&](Ref ref) { return string(ref) == text; },
        [&] { return last; });
    if (first == last) return;
    stringsUnique_ = false;
    text_.resize(nodes_[last].value);
    nodes_[last].value = nodes_[first].value;
}

std::optional<PropertyList::Atom> PropertyList::atom(std::string_view text) const {
    if (!uniquing_) return std::nullopt;
    auto ref = uniquing_->tables[Uniquing::String].find(std::hash<std::string_view>{}(text),
                                                        [&](Ref r) { return string(r) == text; });
    if (!ref) return std::nullopt;
    return Atom{nodes_[*ref].value, nodes_[*ref].count, *ref};
}

PropertyList::Ref PropertyList::addArray(std::span<const Ref> items) {
    std::uint64_t offset = members_.size();
    members_.insert(members_.end(), items.begin(), items.end());
    return push(Kind::Array, offset, static_cast<std::uint32_t>(items.size()));
}

PropertyList::Ref PropertyList::addDictionary(std::span<const Ref> keys, std::span<const Ref> values) {
    if (keys.size() != values.size())
        throw std::invalid_argument("property list: keys and values differ in count");
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

}  // namespace fnd
