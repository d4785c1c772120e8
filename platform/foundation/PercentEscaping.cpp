#include "platform/foundation/PercentEscaping.h"

#include <unicode/unistr.h>

namespace fnd {

namespace {

bool isAlphanumeric(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

template <class Keep>
std::string escape(std::string_view text, Keep keep) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (keep(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string percentEscapeValue(std::string_view text) {
    return escape(text, [](unsigned char c) {
        if (isAlphanumeric(c)) return true;
        switch (c) {
            case '!':
            case '$':
            case '\'':
            case '(':
            case ')':
            case '*':
            case ',':
            case '-':
            case '.':
            case '/':
            case ':':
            case '@':
            case '_':
            case '~':
                return true;
            default:
                return false;
        }
    });
}

std::string percentEscapeStrict(std::string_view text) {
    return escape(text, [](unsigned char c) {
        return isAlphanumeric(c) || c == '-' || c == '.' || c == '_' || c == '~';
    });
}

std::string percentEscapeStrict(std::string_view text, std::string_view keep) {
    return escape(text, [keep](unsigned char c) {
        return isAlphanumeric(c) || c == '-' || c == '.' || c == '_' || c == '~' ||
               keep.find(static_cast<char>(c)) != std::string_view::npos;
    });
}

std::string percentEscapeURL(std::string_view text) {
    static constexpr std::string_view kUnsafe = " \"<>%\\^`{|}[]";
    return escape(text, [](unsigned char c) {
        return c > 0x20 && c < 0x7f && kUnsafe.find(static_cast<char>(c)) == std::string_view::npos;
    });
}

std::string percentDecodeBytes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        int high = -1, low = -1;
        if (text[i] == '%' && i + 2 < text.size()) {
            high = hexValue(text[i + 1]);
            low = hexValue(text[i + 2]);
        }
        if (high >= 0 && low >= 0) {
            bytes += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

std::string percentUnescape(std::string_view text) {
    // Decoded bytes need not be UTF-8; the text handed on always is.
    std::string out;
    icu::UnicodeString::fromUTF8(percentDecodeBytes(text)).toUTF8String(out);
    return out;
}

}  // namespace fnd
