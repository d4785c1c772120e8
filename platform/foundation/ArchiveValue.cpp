#include "platform/foundation/ArchiveValue.h"

#include <cmath>
#include <limits>

namespace fnd {

ArchiveValue ArchiveValue::unsignedInteger(std::uint64_t value) {
    if (value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return integer(static_cast<std::int64_t>(value));
    return ArchiveValue(Storage(value));
}

bool ArchiveValue::isNumber() const {
    Kind k = kind();
    return k == Kind::Boolean || k == Kind::Integer || k == Kind::UnsignedInteger || k == Kind::Real;
}

const char* ArchiveValue::className(Kind kind) {
    switch (kind) {
        case Kind::Nil:
            return "nil";
        case Kind::Boolean:
        case Kind::Integer:
        case Kind::UnsignedInteger:
        case Kind::Real:
            return "NSNumber";
        case Kind::String:
            return "NSString";
        case Kind::Date:
            return "NSDate";
        case Kind::Data:
            return "NSData";
        case Kind::URL:
            return "NSURL";
        case Kind::Array:
            return "NSArray";
        case Kind::Dictionary:
            return "NSDictionary";
        case Kind::Object:
            return "an archived object";
    }
    return "?";
}

std::optional<Date> ArchiveValue::date() const {
    if (auto d = std::get_if<Date>(&value_)) return *d;
    return std::nullopt;
}

const std::string* ArchiveValue::url() const {
    auto u = std::get_if<URLString>(&value_);
    return u ? &u->absolute : nullptr;
}

std::shared_ptr<ArchiveArray> ArchiveValue::array() const {
    auto p = std::get_if<std::shared_ptr<ArchiveArray>>(&value_);
    return p ? *p : nullptr;
}

std::shared_ptr<ArchiveDictionary> ArchiveValue::dictionary() const {
    auto p = std::get_if<std::shared_ptr<ArchiveDictionary>>(&value_);
    return p ? *p : nullptr;
}

std::optional<std::int64_t> ArchiveValue::int64Value() const {
    switch (kind()) {
        case Kind::Boolean:
            return std::get<bool>(value_) ? 1 : 0;
        case Kind::Integer:
            return std::get<std::int64_t>(value_);
        case Kind::Real: {
            double d = std::trunc(std::get<double>(value_));
            // The range check keeps the conversion defined: -2^63 <= d < 2^63.
            if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0)) return std::nullopt;
            return static_cast<std::int64_t>(d);
        }
        default:
            return std::nullopt;
    }
}

std::optional<std::uint64_t> ArchiveValue::uint64Value() const {
    if (auto u = std::get_if<std::uint64_t>(&value_)) return *u;
    if (kind() == Kind::Real) {
        double d = std::trunc(std::get<double>(value_));
        if (!(d >= 0.0 && d < 18446744073709551616.0)) return std::nullopt;
        return static_cast<std::uint64_t>(d);
    }
    auto i = int64Value();
    if (!i || *i < 0) return std::nullopt;
    return static_cast<std::uint64_t>(*i);
}

std::optional<double> ArchiveValue::doubleValue() const {
    switch (kind()) {
        case Kind::Boolean:
            return std::get<bool>(value_) ? 1.0 : 0.0;
        case Kind::Integer:
            return static_cast<double>(std::get<std::int64_t>(value_));
        case Kind::UnsignedInteger:
            return static_cast<double>(std::get<std::uint64_t>(value_));
        case Kind::Real:
            return std::get<double>(value_);
        default:
            return std::nullopt;
    }
}

std::optional<bool> ArchiveValue::boolValue() const {
    if (auto b = std::get_if<bool>(&value_)) return *b;
    if (kind() == Kind::UnsignedInteger) return true;
    auto d = doubleValue();
    if (!d) return std::nullopt;
    return *d != 0.0;
}

const void* ArchiveValue::identity() const {
    if (auto a = std::get_if<std::shared_ptr<ArchiveArray>>(&value_)) return a->get();
    if (auto d = std::get_if<std::shared_ptr<ArchiveDictionary>>(&value_)) return d->get();
    if (auto o = std::get_if<std::shared_ptr<Object>>(&value_)) return o->get();
    return nullptr;
}

}  // namespace fnd
