#include "platform/foundation/BinaryPropertyListFormat.h"

#include <bit>
#include <string>

namespace fnd {

namespace {

// The code point of the UTF-8 sequence at s[i], advancing i; a bad or truncated sequence, an
// overlong form or an encoded surrogate is one byte read as U+FFFD.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (len == 1) return s[i++] & 0x7F;
    if (len == 0 || i + len > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = c & (0x7F >> len);
    for (std::size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
        ++i;
        return 0xFFFD;
    }
    i += len;
    return cp;
}

void raw(BinaryPropertyListFormat::Buffer& out, const void* p, std::size_t n) {
    auto* b = static_cast<const std::uint8_t*>(p);
    out.insert(out.end(), b, b + n);
}

}  // namespace

void BinaryPropertyListFormat::bigEndian(Buffer& out, std::uint64_t value, unsigned bytes) {
    std::size_t at = out.size();
    out.resize(at + bytes);
    for (unsigned k = bytes; k-- > 0; value >>= 8) out[at + k] = static_cast<std::uint8_t>(value);
}

void BinaryPropertyListFormat::marker(Buffer& out, std::uint8_t type, std::uint64_t count) {
    if (count < 15) {
        out.push_back(static_cast<std::uint8_t>(type << 4 | count));
        return;
    }
    out.push_back(static_cast<std::uint8_t>(type << 4 | 0xF));
    unsigned n = bytesFor(count);
    out.push_back(static_cast<std::uint8_t>(0x10 | std::countr_zero(n)));
    bigEndian(out, count, n);
}

void BinaryPropertyListFormat::integer(Buffer& out, std::uint64_t bits, bool wide) {
    if (wide) {
        out.push_back(0x14);
        bigEndian(out, 0, 8);
        bigEndian(out, bits, 8);
        return;
    }
    unsigned n = static_cast<std::int64_t>(bits) < 0 ? 8 : bytesFor(bits);
    out.push_back(static_cast<std::uint8_t>(0x10 | std::countr_zero(n)));
    bigEndian(out, bits, n);
}

void BinaryPropertyListFormat::real(Buffer& out, double value, bool asFloat) {
    if (asFloat) {
        out.push_back(0x22);
        bigEndian(out, std::bit_cast<std::uint32_t>(static_cast<float>(value)), 4);
    } else {
        out.push_back(0x23);
        bigEndian(out, std::bit_cast<std::uint64_t>(value), 8);
    }
}

void BinaryPropertyListFormat::date(Buffer& out, double secondsSinceReference) {
    out.push_back(0x33);
    bigEndian(out, std::bit_cast<std::uint64_t>(secondsSinceReference), 8);
}

void BinaryPropertyListFormat::data(Buffer& out, std::span<const std::uint8_t> bytes) {
    marker(out, 0x4, bytes.size());
    raw(out, bytes.data(), bytes.size());
}

void BinaryPropertyListFormat::string(Buffer& out, std::string_view s) {
    bool ascii = true;
    for (char c : s) ascii &= static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        marker(out, 0x5, s.size());
        raw(out, s.data(), s.size());
        return;
    }
    std::u16string units;
    units.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp = nextCodePoint(s, i);
        if (cp >= 0x10000) {
            units.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(cp));
        }
    }
    marker(out, 0x6, units.size());
    for (char16_t u : units) bigEndian(out, u, 2);
}

void BinaryPropertyListFormat::uid(Buffer& out, std::uint32_t uid) {
    unsigned n = bytesFor(uid);
    out.push_back(static_cast<std::uint8_t>(0x80 | (n - 1)));
    bigEndian(out, uid, n);
}

void BinaryPropertyListFormat::trailer(Buffer& out, unsigned offsetSize, unsigned refSize,
                                       std::uint64_t count, std::uint64_t top, std::uint64_t tableOffset) {
    for (int i = 0; i < 6; ++i) out.push_back(0);
    out.push_back(static_cast<std::uint8_t>(offsetSize));
    out.push_back(static_cast<std::uint8_t>(refSize));
    bigEndian(out, count, 8);
    bigEndian(out, top, 8);
    bigEndian(out, tableOffset, 8);
}

}  // namespace fnd
