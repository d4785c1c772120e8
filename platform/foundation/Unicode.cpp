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

std::u16string toUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        auto [bytes, units] = step(utf8, i);
        auto c = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0xFFFD;
        if (bytes == 1 && c < 0x80) {
            cp = c;
        } else if (bytes > 1) {
            cp = c & (0x7F >> bytes);
            for (std::size_t k = 1; k < bytes; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        if (units == 2 && cp > 0xFFFF && cp <= 0x10FFFF) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(cp > 0xFFFF || (cp >= 0xD800 && cp <= 0xDFFF) ? u'\uFFFD'
                                                                        : static_cast<char16_t>(cp));
        }
        i += bytes;
    }
    return out;
}

std::string fromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        appendUtf8(out, cp);
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isWellFormedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = wellFormedUtf8Length(text.substr(i));
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace fnd
