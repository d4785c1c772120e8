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

}  // namespace fnd
