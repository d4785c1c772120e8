#pragma once
// Lengths and offsets of UTF-8 text counted as the original's strings count them: UTF-16 units.

#include <cstddef>
#include <string>
#include <string_view>

namespace fnd {

// UTF-16 units of the UTF-8 text; an invalid byte counts as one unit (it reads as U+FFFD).
std::size_t utf16Length(std::string_view utf8);
// The byte offset in `utf8` of UTF-16 unit `units` (clamped to the text's end; never inside a character).
std::size_t utf8OffsetOfUtf16(std::string_view utf8, std::size_t units);
// The text's first `units` UTF-16 units (never splitting a character).
std::string utf16Prefix(std::string_view utf8, std::size_t units);
// The text as UTF-16 units (an invalid byte becomes U+FFFD), and back (a lone surrogate becomes U+FFFD).
std::u16string toUtf16(std::string_view utf8);
std::string fromUtf16(std::u16string_view utf16);
// Appends one code point as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

// The length in bytes of the well-formed UTF-8 character that `text` starts with (no overlong form,
// no surrogate, nothing beyond U+10FFFF), or 0 when it starts with none or is empty.
inline std::size_t wellFormedUtf8Length(std::string_view text) {
    auto at = [text](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0; };
    auto in = [](unsigned char c, unsigned char low, unsigned char high) { return c >= low && c <= high; };
    auto tail = [&](std::size_t i) { return in(at(i), 0x80, 0xBF); };
    if (text.empty()) return 0;
    unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    if (in(lead, 0xC2, 0xDF)) return tail(1) ? 2 : 0;
    if (lead == 0xE0) return in(at(1), 0xA0, 0xBF) && tail(2) ? 3 : 0;
    if (lead == 0xED) return in(at(1), 0x80, 0x9F) && tail(2) ? 3 : 0;
    if (in(lead, 0xE1, 0xEF)) return tail(1) && tail(2) ? 3 : 0;
    if (lead == 0xF0) return in(at(1), 0x90, 0xBF) && tail(2) && tail(3) ? 4 : 0;
    if (lead == 0xF4) return in(at(1), 0x80, 0x8F) && tail(2) && tail(3) ? 4 : 0;
    if (in(lead, 0xF1, 0xF3)) return tail(1) && tail(2) && tail(3) ? 4 : 0;
    return 0;
}

// Whether the whole text is well-formed UTF-8.
bool isWellFormedUtf8(std::string_view text);

}  // namespace fnd
