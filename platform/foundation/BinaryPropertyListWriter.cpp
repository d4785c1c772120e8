#include "platform/foundation/BinaryPropertyListWriter.h"

#include <bit>
#include <cstring>
#include <limits>

namespace fnd {

namespace {

using Kind = PropertyList::Kind;
using Ref = PropertyList::Ref;

unsigned bytesFor(std::uint64_t value) {
    return value <= 0xFF ? 1 : value <= 0xFFFF ? 2 : value <= 0xFFFFFFFFu ? 4 : 8;
}

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

class Output {
  public:
    explicit Output(std::size_t estimate) { bytes_.reserve(estimate); }

    void byte(std::uint8_t b) { bytes_.push_back(b); }
    void bigEndian(std::uint64_t v, unsigned n) {
        std::size_t at = bytes_.size();
        bytes_.resize(at + n);
        for (unsigned k = n; k-- > 0; v >>= 8) bytes_[at + k] = static_cast<std::uint8_t>(v);
    }
    void raw(const void* p, std::size_t n) {
        auto* b = static_cast<const std::uint8_t*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
    }
    // A marker with its count: inline when below 15, else followed by an integer object.
    void marker(std::uint8_t type, std::uint64_t count) {
        if (count < 15) {
            byte(static_cast<std::uint8_t>(type << 4 | count));
            return;
        }
        byte(static_cast<std::uint8_t>(type << 4 | 0xF));
        unsigned n = bytesFor(count);
        byte(static_cast<std::uint8_t>(0x10 | std::countr_zero(n)));
        bigEndian(count, n);
    }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

void writeString(Output& out, std::string_view s) {
    bool ascii = true;
    for (char c : s) ascii &= static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        out.marker(0x5, s.size());
        out.raw(s.data(), s.size());
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
    out.marker(0x6, units.size());
    for (char16_t u : units) out.bigEndian(u, 2);
}

void writeInteger(Output& out, std::uint64_t bits, bool wide) {
    if (wide) {  // above the signed range: 16 bytes, the high half zero
        out.byte(0x14);
        out.bigEndian(0, 8);
        out.bigEndian(bits, 8);
        return;
    }
    unsigned n = static_cast<std::int64_t>(bits) < 0 ? 8 : bytesFor(bits);
    out.byte(static_cast<std::uint8_t>(0x10 | std::countr_zero(n)));
    out.bigEndian(bits, n);
}

}  // namespace

std::vector<std::uint8_t> BinaryPropertyListWriter::write(const PropertyList& list) {
    PropertyList fallback;
    const PropertyList* source = &list;
    if (list.size() == 0) {
        fallback.setTop(fallback.addNull());
        source = &fallback;
    }
    const PropertyList& pl = *source;
    std::size_t count = pl.size();
    unsigned refSize = bytesFor(count - 1);

    Output out(count * 10 + 64);
    out.raw("bplist00", 8);
    std::vector<std::uint64_t> offsets(count);
    for (Ref r = 0; r < count; ++r) {
        offsets[r] = out.size();
        switch (pl.kind(r)) {
            case Kind::Null:
                out.byte(0x00);
                break;
            case Kind::Boolean:
                out.byte(pl.boolean(r) ? 0x09 : 0x08);
                break;
            case Kind::Integer:
                writeInteger(out, pl.unsignedInteger(r), false);
                break;
            case Kind::UnsignedInteger:
                writeInteger(out, pl.unsignedInteger(r), true);
                break;
            case Kind::Real:
                if (pl.isFloat(r)) {
                    out.byte(0x22);
                    out.bigEndian(std::bit_cast<std::uint32_t>(static_cast<float>(pl.real(r))), 4);
                } else {
                    out.byte(0x23);
                    out.bigEndian(std::bit_cast<std::uint64_t>(pl.real(r)), 8);
                }
                break;
            case Kind::Date:
                out.byte(0x33);
                out.bigEndian(std::bit_cast<std::uint64_t>(pl.real(r)), 8);
                break;
            case Kind::Data: {
                auto bytes = pl.data(r);
                out.marker(0x4, bytes.size());
                out.raw(bytes.data(), bytes.size());
                break;
            }
            case Kind::String:
                writeString(out, pl.string(r));
                break;
            case Kind::Uid: {
                unsigned n = bytesFor(pl.uid(r));
                out.byte(static_cast<std::uint8_t>(0x80 | (n - 1)));
                out.bigEndian(pl.uid(r), n);
                break;
            }
            case Kind::Array:
                out.marker(0xA, pl.count(r));
                for (Ref m : pl.items(r)) out.bigEndian(m, refSize);
                break;
            case Kind::Dictionary:
                out.marker(0xD, pl.count(r));
                for (Ref k : pl.keys(r)) out.bigEndian(k, refSize);
                for (Ref v : pl.values(r)) out.bigEndian(v, refSize);
                break;
        }
    }
    std::uint64_t tableOffset = out.size();
    unsigned offsetSize = bytesFor(offsets.back());
    for (std::uint64_t o : offsets) out.bigEndian(o, offsetSize);
    for (int i = 0; i < 6; ++i) out.byte(0);
    out.byte(static_cast<std::uint8_t>(offsetSize));
    out.byte(static_cast<std::uint8_t>(refSize));
    out.bigEndian(count, 8);
    out.bigEndian(pl.top(), 8);
    out.bigEndian(tableOffset, 8);
    return out.take();
}

}  // namespace fnd
