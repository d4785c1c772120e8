#include "platform/foundation/BinaryPropertyListReader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <type_traits>

#include "platform/foundation/Unicode.h"

namespace fnd {

namespace {

std::uint64_t bigEndian(const std::uint8_t* p, std::size_t n) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i) v = (v << 8) | p[i];
    return v;
}

// The same for a width known when compiling. The offset table and the references of a list all
// have one width, and a large list has millions of them, so each is read with a load or two
// instead of a loop over its bytes.
template <std::size_t N>
std::uint64_t bigEndianOf(const std::uint8_t* p) {
    if constexpr (N == 1) {
        return p[0];
    } else if constexpr (N == 2) {
        std::uint16_t v;
        std::memcpy(&v, p, 2);
        return __builtin_bswap16(v);
    } else if constexpr (N == 3) {
        return (std::uint64_t{p[0]} << 16) | (std::uint64_t{p[1]} << 8) | p[2];
    } else if constexpr (N == 4) {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        return __builtin_bswap32(v);
    } else if constexpr (N == 8) {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        return __builtin_bswap64(v);
    } else {
        return bigEndian(p, N);
    }
}

// Calls `read` with the width (1 to 8) as a compile-time constant.
template <class Read>
bool withWidth(std::size_t width, Read&& read) {
    switch (width) {
        case 1:
            return read(std::integral_constant<std::size_t, 1>{});
        case 2:
            return read(std::integral_constant<std::size_t, 2>{});
        case 3:
            return read(std::integral_constant<std::size_t, 3>{});
        case 4:
            return read(std::integral_constant<std::size_t, 4>{});
        case 8:
            return read(std::integral_constant<std::size_t, 8>{});
        default:
            return read(width);
    }
}

// The big-endian number of a width that is either a compile-time constant or a plain size.
template <class Width>
std::uint64_t bigEndianAs(const std::uint8_t* p, Width width) {
    if constexpr (std::is_same_v<Width, std::size_t>)
        return bigEndian(p, width);
    else
        return bigEndianOf<Width::value>(p);
}

}  // namespace

struct BinaryPropertyListReader::Parser {
    using Kind = PropertyList::Kind;
    using Ref = PropertyList::Ref;

    const std::uint8_t* in;
    std::size_t size;
    PropertyList& out;
    std::string message;

    std::size_t offsetSize = 0, refSize = 0;
    std::uint64_t objectCount = 0, tableOffset = 0;
    std::uint64_t budget = 0;        // bytes the objects may still claim: shared bytes may not multiply them
    std::vector<bool> uidSeen = {};  // per UID number below the object count: whether a UID object holds it

    bool fail(std::string why) {
        message = std::move(why);
        return false;
    }
    // Whether n bytes from p lie before the offset table (p itself always does).
    bool fits(std::size_t p, std::uint64_t n) const { return n <= tableOffset - p; }

    bool run() {
        if (size < 8 + 32) return fail("too short for a binary property list");
        if (std::memcmp(in, "bplist00", 8) != 0) return fail("not a binary property list");
        const std::uint8_t* trailer = in + size - 32;
        offsetSize = trailer[6];
        refSize = trailer[7];
        objectCount = bigEndian(trailer + 8, 8);
        std::uint64_t top = bigEndian(trailer + 16, 8);
        tableOffset = bigEndian(trailer + 24, 8);
        std::uint64_t end = size - 32;
        if (offsetSize < 1 || offsetSize > 8 || refSize < 1 || refSize > 8)
            return fail("bad offset or reference size");
        if (tableOffset < 8 || tableOffset > end) return fail("offset table outside the file");
        if (objectCount == 0 || objectCount > (end - tableOffset) / offsetSize)
            return fail("object count does not fit the offset table");
        if (objectCount >= std::numeric_limits<Ref>::max()) return fail("too many objects");
        if (top >= objectCount) return fail("top object out of range");

        budget = tableOffset - 8;
        // One node per object, written in place as each object is read.
        out.nodes_.resize(objectCount);
        out.text_.reserve(tableOffset);
        // References lie before the offset table, so this bounds their number in a well-formed
        // list. The table is sized once, its members written in place and the rest cut off at the
        // end; growing it by doubling instead would copy it and touch fresh memory each time.
        out.members_.resize(tableOffset / refSize);
        out.references_.assign(objectCount, 0);
        uidSeen.assign(objectCount, false);
        out.uidRepeated_.assign(objectCount, false);
        const std::uint8_t* table = in + tableOffset;
        bool parsed = withWidth(offsetSize, [&](auto width) {
            for (std::uint64_t i = 0; i < objectCount; ++i) {
                std::uint64_t offset = bigEndianAs(table + i * offsetSize, width);
                if (offset < 8 || offset >= tableOffset) return fail("object offset outside the file");
                if (!object(static_cast<Ref>(i), static_cast<std::size_t>(offset))) return false;
            }
            return true;
        });
        if (!parsed) return false;
        out.members_.resize(members);
        out.top_ = static_cast<Ref>(top);
        return true;
    }

    bool count(std::uint8_t info, std::size_t& p, std::uint64_t& n) {
        if (info != 0xF) {
            n = info;
            return true;
        }
        if (!fits(p, 1)) return fail("truncated count");
        std::uint8_t marker = in[p];
        if ((marker >> 4) != 0x1 || (marker & 0xF) > 3) return fail("bad count");
        std::size_t bytes = std::size_t{1} << (marker & 0xF);
        if (!fits(p + 1, bytes)) return fail("truncated count");
        n = bigEndian(in + p + 1, bytes);
        p += 1 + bytes;
        if (n > std::numeric_limits<std::uint32_t>::max()) return fail("count too large");
        return true;
    }

    Ref current = 0;          // the object being read
    std::size_t members = 0;  // the members written so far

    void push(Kind kind, std::uint64_t value, std::uint64_t count = 0, std::uint8_t flags = 0) {
        out.nodes_[current] = PropertyList::Node{kind, flags, static_cast<std::uint32_t>(count), value};
    }

    bool refs(std::size_t p, std::uint64_t n) {
        return withWidth(refSize, [&](auto width) {
            // The table has room for every reference the input can hold (see run). Containers
            // that share their bytes could claim more; such a list fails the check of the bytes
            // claimed once this object is read, so it fails with that message here, unless a
            // reference is out of range, which is found first.
            if (n > out.members_.size() - members) {
                for (std::uint64_t i = 0; i < n; ++i)
                    if (bigEndianAs(in + p + i * refSize, width) >= objectCount)
                        return fail("reference out of range");
                return fail("objects claim more bytes than the file holds");
            }
            Ref* into = out.members_.data() + members;
            members += n;
            std::uint8_t* counts = out.references_.data();
            const std::uint8_t* at = in + p;
            for (std::uint64_t i = 0; i < n; ++i, at += refSize) {
                std::uint64_t ref = bigEndianAs(at, width);
                if (ref >= objectCount) return fail("reference out of range");
                into[i] = static_cast<Ref>(ref);
                counts[ref] += counts[ref] < 2;
            }
            return true;
        });
    }

    bool object(Ref index, std::size_t pos) {
        current = index;
        std::uint8_t marker = in[pos];
        std::uint8_t type = marker >> 4, info = marker & 0xF;
        std::size_t p = pos + 1;
        std::uint64_t n = 0;
        switch (type) {
            case 0x0:
                if (info == 0x0 || info == 0xF)
                    push(Kind::Null, 0);
                else if (info == 0x8 || info == 0x9)
                    push(Kind::Boolean, info == 0x9);
                else
                    return fail("unknown simple object");
                break;
            case 0x1: {
                if (info > 4) return fail("bad integer size");
                std::size_t bytes = std::size_t{1} << info;
                if (!fits(p, bytes)) return fail("truncated integer");
                if (bytes < 16) {
                    push(Kind::Integer, bigEndian(in + p, bytes));  // 8 bytes: two's complement as stored
                } else {
                    std::uint64_t high = bigEndian(in + p, 8), low = bigEndian(in + p + 8, 8);
                    bool negative = high == ~std::uint64_t{0} && (low >> 63) == 1;
                    if (high != 0 && !negative) return fail("integer out of range");
                    push(high == 0 && (low >> 63) ? Kind::UnsignedInteger : Kind::Integer, low);
                }
                p += bytes;
                break;
            }
            case 0x2:
                if (info == 2 && fits(p, 4)) {
                    float f = std::bit_cast<float>(static_cast<std::uint32_t>(bigEndian(in + p, 4)));
                    push(Kind::Real, std::bit_cast<std::uint64_t>(static_cast<double>(f)), 0,
                         PropertyList::kFloat);
                    p += 4;
                } else if (info == 3 && fits(p, 8)) {
                    push(Kind::Real, bigEndianOf<8>(in + p));
                    p += 8;
                } else {
                    return fail("bad real");
                }
                break;
            case 0x3:
                if (info != 3 || !fits(p, 8)) return fail("bad date");
                push(Kind::Date, bigEndianOf<8>(in + p));
                p += 8;
                break;
            case 0x4:
            case 0x5:
                if (!count(info, p, n)) return false;
                if (!fits(p, n)) return fail("truncated data or string");
                push(type == 0x4 ? Kind::Data : Kind::String, out.text_.size(), 0);
                if (type == 0x4 || std::all_of(in + p, in + p + n, [](std::uint8_t b) { return b < 0x80; })) {
                    out.text_.append(reinterpret_cast<const char*>(in + p), n);
                } else {
                    for (std::uint64_t i = 0; i < n; ++i)
                        appendUtf8(out.text_, in[p + i]);  // bytes as Latin-1
                }
                if (out.text_.size() - out.nodes_[current].value > std::numeric_limits<std::uint32_t>::max())
                    return fail("string too large");
                out.nodes_[current].count =
                    static_cast<std::uint32_t>(out.text_.size() - out.nodes_[current].value);
                if (type == 0x5) out.internLastString(current);
                p += n;
                break;
            case 0x6: {
                if (!count(info, p, n)) return false;
                if (n > (tableOffset - p) / 2) return fail("truncated string");
                std::size_t start = out.text_.size();
                for (std::uint64_t i = 0; i < n; ++i) {
                    std::uint32_t u = static_cast<std::uint32_t>(bigEndian(in + p + 2 * i, 2));
                    if (u >= 0xD800 && u < 0xDC00 && i + 1 < n) {
                        std::uint32_t low = static_cast<std::uint32_t>(bigEndian(in + p + 2 * i + 2, 2));
                        if (low >= 0xDC00 && low < 0xE000) {
                            appendUtf8(out.text_, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                            ++i;
                            continue;
                        }
                    }
                    appendUtf8(out.text_, u >= 0xD800 && u < 0xE000 ? 0xFFFD : u);
                }
                if (out.text_.size() - start > std::numeric_limits<std::uint32_t>::max())
                    return fail("string too large");
                push(Kind::String, start, out.text_.size() - start);
                out.internLastString(current);
                p += 2 * n;
                break;
            }
            case 0x8: {
                std::size_t bytes = info + 1u;
                if (!fits(p, bytes)) return fail("truncated reference");
                std::uint64_t high = bytes > 8 ? bigEndian(in + p, bytes - 8) : 0;
                std::uint64_t uid = bigEndian(in + p + (bytes > 8 ? bytes - 8 : 0), bytes > 8 ? 8 : bytes);
                if (high != 0 || uid > std::numeric_limits<std::uint32_t>::max())
                    return fail("reference too large");
                push(Kind::Uid, uid);
                // A number beyond the object count names nothing a keyed archive holds.
                if (uid < objectCount) {
                    if (uidSeen[uid]) out.uidRepeated_[uid] = true;
                    uidSeen[uid] = true;
                }
                p += bytes;
                break;
            }
            case 0xA:
            case 0xD: {
                if (!count(info, p, n)) return false;
                std::uint64_t slots = type == 0xD ? 2 * n : n;
                if (slots > (tableOffset - p) / refSize) return fail("truncated container");
                push(type == 0xA ? Kind::Array : Kind::Dictionary, members, n);
                if (!refs(p, slots)) return false;
                p += slots * refSize;
                break;
            }
            default:
                return fail("unsupported object type");
        }
        std::uint64_t extent = p - pos;
        if (extent > budget) return fail("objects claim more bytes than the file holds");
        budget -= extent;
        return true;
    }
};

std::optional<PropertyList> BinaryPropertyListReader::read(std::span<const std::uint8_t> bytes,
                                                           std::string* error) {
    PropertyList list;
    Parser parser{bytes.data(), bytes.size(), list, {}};
    if (!parser.run()) {
        if (error) *error = "binary property list: " + parser.message;
        return std::nullopt;
    }
    return list;
}

}  // namespace fnd
