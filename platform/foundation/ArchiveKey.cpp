#include "platform/foundation/ArchiveKey.h"

#include <cmath>
#include <sstream>

namespace fnd {

namespace {

// Integers are compared exactly; an integer and a real by their values as reals, which is exact for
// every integer a key of a stored file holds.
std::partial_ordering compareNumbers(const std::variant<std::string, std::int64_t, double>& a,
                                     const std::variant<std::string, std::int64_t, double>& b) {
    auto ia = std::get_if<std::int64_t>(&a);
    auto ib = std::get_if<std::int64_t>(&b);
    if (ia && ib) return *ia <=> *ib;
    double da = ia ? static_cast<double>(*ia) : std::get<double>(a);
    double db = ib ? static_cast<double>(*ib) : std::get<double>(b);
    return da <=> db;
}

}  // namespace

std::optional<std::int64_t> ArchiveKey::integer() const {
    if (auto i = std::get_if<std::int64_t>(&key_)) return *i;
    if (auto d = std::get_if<double>(&key_)) {
        if (std::trunc(*d) == *d && std::fabs(*d) < 9.2e18) return static_cast<std::int64_t>(*d);
    }
    return std::nullopt;
}

std::optional<double> ArchiveKey::real() const {
    if (auto i = std::get_if<std::int64_t>(&key_)) return static_cast<double>(*i);
    if (auto d = std::get_if<double>(&key_)) return *d;
    return std::nullopt;
}

std::string ArchiveKey::text() const {
    if (auto s = string()) return *s;
    if (auto i = std::get_if<std::int64_t>(&key_)) return std::to_string(*i);
    std::ostringstream out;
    out << std::get<double>(key_);
    return out.str();
}

std::partial_ordering ArchiveKey::operator<=>(const ArchiveKey& other) const {
    auto mine = string();
    auto theirs = other.string();
    if (mine && theirs) return *mine <=> *theirs;
    if (mine) return std::partial_ordering::greater;
    if (theirs) return std::partial_ordering::less;
    return compareNumbers(key_, other.key_);
}

std::strong_ordering ArchiveKey::compareText(std::string_view text) const {
    if (auto s = string()) return std::string_view(*s) <=> text;
    return std::strong_ordering::less;
}

}  // namespace fnd
