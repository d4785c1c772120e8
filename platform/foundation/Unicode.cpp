#include "platform/foundation/Unicode.h"

namespace fnd {

namespace {
// Length in bytes of the UTF-8 sequence at `i` and its UTF-16 units; an invalid lead or
// truncated sequence is one byte, one unit.
std::pair<std::size_t, std::size_t> step(std::string_view s, std::size_t i) {
    auto c = static_cast<unsigned char>(s[i]);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || i + len > s.size()) return {1, 1};
    for (std::size_t k = 1; k < len; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return {1, 1};
    return {len, len == 4 ? 2 : 1};
}
}  // namespace

std::size_t utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        auto [bytes, u] = step(utf8, i);
        i += bytes;
        units += u;
    }
    return units;
}

std::size_t utf8OffsetOfUtf16(std::string_view utf8, std::size_t units) {
    std::size_t i = 0, counted = 0;
    while (i < utf8.size()) {
        auto [bytes, u] = step(utf8, i);
        if (counted + u > units) break;
        counted += u;
        i += bytes;
    }
    return i;
}

std::string utf16Prefix(std::string_view utf8, std::size_t units) {
    return std::string(utf8.substr(0, utf8OffsetOfUtf16(utf8, units)));
}

}  // namespace fnd
