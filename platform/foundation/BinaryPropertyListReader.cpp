#include "platform/foundation/BinaryPropertyListReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>
#include <type_traits>

#include "platform/foundation/FileContents.h"
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

// The width itself, a constant where it is one.
template <class Width>
constexpr std::size_t widthOf(Width width) {
    if constexpr (std::is_same_v<Width, std::size_t>)
        return width;
    else
        return Width::value;
}

}  // namespace

// Where the parser takes its bytes from. `objects` hands out bytes before the offset table, asked
// for at rising offsets, from a window onto them that `fill` moves; `table` the offset table and the
// trailer. Each pointer stays valid until the next call of the same function. Null when the bytes
// cannot be had: see backward and failed.
struct BinaryPropertyListReader::Input {
    virtual ~Input() = default;
    const std::uint8_t* objects(std::uint64_t offset, std::size_t n) {
        if (const std::uint8_t* bytes = held(offset, n)) return bytes;
        return fill(offset, n);
    }
    // The same when the window holds them already, else null: nothing is read.
    const std::uint8_t* held(std::uint64_t offset, std::size_t n) const {
        if (offset >= start && offset - start + n <= length) return window + (offset - start);
        return nullptr;
    }
    virtual const std::uint8_t* table(std::uint64_t offset, std::size_t n) = 0;

    std::uint64_t size = 0;
    bool backward = false;  // objects were asked for before bytes already let go of
    bool failed = false;    // the bytes could not be read

  protected:
    virtual const std::uint8_t* fill(std::uint64_t offset, std::size_t n) = 0;
    // The bytes [start, start + length) of the input.
    const std::uint8_t* window = nullptr;
    std::uint64_t start = 0, length = 0;
};

namespace {

// A list held whole in memory: the window is all of it.
struct MemoryInput : BinaryPropertyListReader::Input {
    explicit MemoryInput(std::span<const std::uint8_t> bytes) {
        window = bytes.data();
        size = length = bytes.size();
    }
    const std::uint8_t* table(std::uint64_t offset, std::size_t) override { return window + offset; }
    const std::uint8_t* fill(std::uint64_t, std::size_t) override { return nullptr; }  // never asked
};

// A file read in pieces into two small buffers, one for the objects and one for the offset table,
// so that a large list never needs memory for the whole file. Objects are read forward only: every
// writer stores them in the order of their numbers, and a file that does not is read whole instead.
class FileInput : public BinaryPropertyListReader::Input {
  public:
    FileInput(int fd, std::uint64_t fileSize) : fd_(fd) { size = fileSize; }

    const std::uint8_t* table(std::uint64_t offset, std::size_t n) override {
        if (offset >= tableStart_ && offset - tableStart_ + n <= tableLength_)
            return tableBuffer_.data() + (offset - tableStart_);
        if (!read(tableBuffer_, offset, n, kTablePiece, tableLength_)) return nullptr;
        tableStart_ = offset;
        return tableBuffer_.data();
    }

  protected:
    const std::uint8_t* fill(std::uint64_t offset, std::size_t n) override {
        if (offset < start) {
            backward = true;
            return nullptr;
        }
        if (!read(objectBuffer_, offset, n, kObjectPiece, length)) return nullptr;
        start = offset;
        window = objectBuffer_.data();
        return window;
    }

  private:
    static constexpr std::size_t kObjectPiece = 256 << 10, kTablePiece = 64 << 10;

    // Reads at least n bytes from `offset` (which the caller has checked lie in the file), a piece
    // when there are that many, into the buffer; `length` becomes their number.
    bool read(std::vector<std::uint8_t>& buffer, std::uint64_t offset, std::size_t n, std::size_t piece,
              std::uint64_t& length) {
        std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(std::max(n, piece), size - offset));
        if (buffer.size() < want) buffer.resize(want);
        length = 0;
        std::size_t got = 0;
        while (got < want) {
            ssize_t r = ::pread(fd_, buffer.data() + got, want - got, static_cast<off_t>(offset + got));
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) {
                failed = true;
                return false;
            }
            got += static_cast<std::size_t>(r);
        }
        length = want;
        return true;
    }

    int fd_;
    std::vector<std::uint8_t> objectBuffer_, tableBuffer_;
    std::uint64_t tableStart_ = 0, tableLength_ = 0;
};

}  // namespace

struct BinaryPropertyListReader::Parser {
    using Kind = PropertyList::Kind;
    using Ref = PropertyList::Ref;

    Input& in;
    PropertyList& out;
    std::string message;

    std::size_t offsetSize = 0, refSize = 0;
    std::uint64_t objectCount = 0, tableOffset = 0;
    std::uint64_t budget = 0;  // bytes the objects may still claim: shared bytes may not multiply them
    // Per UID number below the object count: whether a UID object holds it (a byte each, as it is
    // set for nearly every object of a keyed archive).
    std::vector<std::uint8_t> uidSeen = {};

    bool fail(std::string why) {
        message = std::move(why);
        return false;
    }
    // The input could not give the bytes asked for; the message is the caller's to choose.
    bool unavailable() { return fail({}); }
    // Whether n bytes from p lie before the offset table (p itself always does).
    bool fits(std::size_t p, std::uint64_t n) const { return n <= tableOffset - p; }

    bool run() {
        std::uint64_t size = in.size;
        if (size < 8 + 32) return fail("too short for a binary property list");
        const std::uint8_t* magic = in.objects(0, 8);
        if (!magic) return unavailable();
        if (std::memcmp(magic, "bplist00", 8) != 0) return fail("not a binary property list");
        const std::uint8_t* trailer = in.table(size - 32, 32);
        if (!trailer) return unavailable();
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
        uidSeen.assign(objectCount, 0);
        out.uidRepeated_.assign(objectCount, false);
        // Both widths are constants of the loop: a large list has millions of offsets and
        // references, all of these widths.
        bool parsed = withWidth(offsetSize, [&](auto width) {
            return withWidth(refSize, [&](auto refWidth) {
                // The offsets are taken a batch at a time.
                constexpr std::uint64_t kBatch = 4096;
                for (std::uint64_t first = 0; first < objectCount; first += kBatch) {
                    std::uint64_t count = std::min(kBatch, objectCount - first);
                    const std::uint8_t* table =
                        in.table(tableOffset + first * offsetSize, count * offsetSize);
                    if (!table) return unavailable();
                    for (std::uint64_t i = 0; i < count; ++i) {
                        std::uint64_t offset = bigEndianAs(table + i * offsetSize, width);
                        if (offset < 8 || offset >= tableOffset)
                            return fail("object offset outside the file");
                        Ref index = static_cast<Ref>(first + i);
                        if (!common(index, static_cast<std::size_t>(offset), refWidth) &&
                            !object(index, static_cast<std::size_t>(offset), refWidth))
                            return false;
                    }
                }
                return true;
            });
        });
        if (!parsed) return false;
        out.members_.resize(members);
        out.top_ = static_cast<Ref>(top);
        return true;
    }

    // The object being read: its number, its offset, and its bytes from there on, as many as were
    // asked for (see reach).
    Ref current = 0;
    std::size_t pos = 0;
    const std::uint8_t* at = nullptr;
    std::size_t members = 0;  // the members written so far

    // The byte at offset p of the input, which the object's bytes asked for cover.
    const std::uint8_t* byte(std::size_t p) const { return at + (p - pos); }
    // Makes the object's bytes up to offset `end` (checked to lie before the offset table)
    // available through byte().
    bool reach(std::size_t end) {
        at = in.objects(pos, end - pos);
        return at != nullptr;
    }

    bool count(std::uint8_t info, std::size_t& p, std::uint64_t& n) {
        if (info != 0xF) {
            n = info;
            return true;
        }
        if (!fits(p, 1)) return fail("truncated count");
        std::uint8_t marker = *byte(p);
        if ((marker >> 4) != 0x1 || (marker & 0xF) > 3) return fail("bad count");
        std::size_t bytes = std::size_t{1} << (marker & 0xF);
        if (!fits(p + 1, bytes)) return fail("truncated count");
        n = bigEndian(byte(p + 1), bytes);
        p += 1 + bytes;
        if (n > std::numeric_limits<std::uint32_t>::max()) return fail("count too large");
        return true;
    }

    void push(Kind kind, std::uint64_t value, std::uint64_t count = 0, std::uint8_t flags = 0) {
        out.nodes_[current] = PropertyList::Node{kind, flags, static_cast<std::uint32_t>(count), value};
    }

    template <class Width>
    bool refs(std::size_t p, std::uint64_t n, Width width) {
        // The table has room for every reference the input can hold (see run). Containers that
        // share their bytes could claim more; such a list fails the check of the bytes claimed
        // once this object is read, so it fails with that message here, unless a reference is
        // out of range, which is found first.
        if (n > out.members_.size() - members) {
            for (std::uint64_t i = 0; i < n; ++i)
                if (bigEndianAs(byte(p + i * refSize), width) >= objectCount)
                    return fail("reference out of range");
            return fail("objects claim more bytes than the file holds");
        }
        return copyRefs(byte(p), n, width);
    }

    // Writes n references read from `from` as the next members, counting the references to each
    // object; false when one is out of range. The table has room for them.
    template <class Width>
    bool copyRefs(const std::uint8_t* from, std::uint64_t n, Width width) {
        Ref* into = out.members_.data() + members;
        members += n;
        std::uint8_t* counts = out.references_.data();
        for (std::uint64_t i = 0; i < n; ++i, from += widthOf(width)) {
            std::uint64_t ref = bigEndianAs(from, width);
            if (ref >= objectCount) return fail("reference out of range");
            into[i] = static_cast<Ref>(ref);
            counts[ref] += counts[ref] < 2;
        }
        return true;
    }

    // Notes that a UID object holds `uid`, and whether another one held it before.
    void noteUid(std::uint64_t uid) {
        // A number beyond the object count names nothing a keyed archive holds.
        if (uid < objectCount) {
            if (uidSeen[uid]) out.uidRepeated_[uid] = true;
            uidSeen[uid] = 1;
        }
    }

    // The objects a keyed archive is mostly made of, read with one look at bytes already at hand:
    // references of up to four bytes, containers of fewer than 15 members, and 8-byte reals. True
    // when the object was read so; false for any other object or one whose bytes are not at hand
    // or reach a limit, which the general path then reads with its checks and messages (a
    // reference out of range, which fails the whole list, it finds again). A million objects of a
    // large archive take this way.
    template <class RefWidth>
    [[gnu::always_inline]] bool common(Ref index, std::size_t offset, RefWidth refWidth) {
        constexpr std::size_t kLongest = 1 + 28 * 8;  // the marker and 14 pairs of 8-byte references
        std::size_t room = static_cast<std::size_t>(std::min<std::uint64_t>(kLongest, tableOffset - offset));
        const std::uint8_t* at = in.held(offset, room);
        if (!at) return false;
        std::uint8_t marker = at[0];
        std::uint8_t info = marker & 0xF;
        // The object's bytes are claimed before anything of it is written: one over the budget is
        // left whole to the general path, which fails the list with its message.
        auto claim = [this](std::size_t extent) {
            if (extent > budget) return false;
            budget -= extent;
            return true;
        };
        switch (marker >> 4) {
            case 0x8: {
                std::size_t bytes = info + 1u;
                if (bytes == 3 || bytes > 4 || bytes >= room || !claim(1 + bytes)) return false;
                std::uint64_t uid = bytes == 1   ? bigEndianOf<1>(at + 1)
                                    : bytes == 2 ? bigEndianOf<2>(at + 1)
                                                 : bigEndianOf<4>(at + 1);
                out.nodes_[index] = PropertyList::Node{Kind::Uid, 0, 0, uid};
                noteUid(uid);
                return true;
            }
            case 0xA:
            case 0xD: {
                if (info == 0xF) return false;
                std::uint64_t slots = marker >> 4 == 0xD ? 2u * info : info;
                std::size_t extent = 1 + slots * widthOf(refWidth);
                if (extent > room || slots > out.members_.size() - members || !claim(extent)) return false;
                out.nodes_[index] =
                    PropertyList::Node{marker >> 4 == 0xA ? Kind::Array : Kind::Dictionary, 0, info, members};
                return copyRefs(at + 1, slots, refWidth);
            }
            case 0x2:
                if (info != 3 || room < 9 || !claim(9)) return false;
                out.nodes_[index] = PropertyList::Node{Kind::Real, 0, 0, bigEndianOf<8>(at + 1)};
                return true;
            default:
                return false;
        }
    }

    // The most bytes an object's marker, count and number take: the marker, a count's marker and
    // 8 bytes, or an integer or UID of 16 bytes after the marker.
    static constexpr std::size_t kHead = 17;

    template <class RefWidth>
    bool object(Ref index, std::size_t offset, RefWidth refWidth) {
        current = index;
        pos = offset;
        if (!reach(pos + std::min<std::uint64_t>(kHead, tableOffset - pos))) return unavailable();
        std::uint8_t marker = *byte(pos);
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
                    push(Kind::Integer, bigEndian(byte(p), bytes));  // 8 bytes: two's complement as stored
                } else {
                    std::uint64_t high = bigEndian(byte(p), 8), low = bigEndian(byte(p + 8), 8);
                    bool negative = high == ~std::uint64_t{0} && (low >> 63) == 1;
                    if (high != 0 && !negative) return fail("integer out of range");
                    push(high == 0 && (low >> 63) ? Kind::UnsignedInteger : Kind::Integer, low);
                }
                p += bytes;
                break;
            }
            case 0x2:
                if (info == 2 && fits(p, 4)) {
                    float f = std::bit_cast<float>(static_cast<std::uint32_t>(bigEndian(byte(p), 4)));
                    push(Kind::Real, std::bit_cast<std::uint64_t>(static_cast<double>(f)), 0,
                         PropertyList::kFloat);
                    p += 4;
                } else if (info == 3 && fits(p, 8)) {
                    push(Kind::Real, bigEndianOf<8>(byte(p)));
                    p += 8;
                } else {
                    return fail("bad real");
                }
                break;
            case 0x3:
                if (info != 3 || !fits(p, 8)) return fail("bad date");
                push(Kind::Date, bigEndianOf<8>(byte(p)));
                p += 8;
                break;
            case 0x4:
            case 0x5: {
                if (!count(info, p, n)) return false;
                if (!fits(p, n)) return fail("truncated data or string");
                if (!reach(p + n)) return unavailable();
                push(type == 0x4 ? Kind::Data : Kind::String, out.text_.size(), 0);
                const std::uint8_t* text = byte(p);
                if (type == 0x4 || std::all_of(text, text + n, [](std::uint8_t b) { return b < 0x80; })) {
                    out.text_.append(reinterpret_cast<const char*>(text), n);
                } else {
                    for (std::uint64_t i = 0; i < n; ++i) appendUtf8(out.text_, text[i]);  // bytes as Latin-1
                }
                if (out.text_.size() - out.nodes_[current].value > std::numeric_limits<std::uint32_t>::max())
                    return fail("string too large");
                out.nodes_[current].count =
                    static_cast<std::uint32_t>(out.text_.size() - out.nodes_[current].value);
                if (type == 0x5) out.internLastString(current);
                p += n;
                break;
            }
            case 0x6: {
                if (!count(info, p, n)) return false;
                if (n > (tableOffset - p) / 2) return fail("truncated string");
                if (!reach(p + 2 * n)) return unavailable();
                const std::uint8_t* text = byte(p);
                std::size_t start = out.text_.size();
                for (std::uint64_t i = 0; i < n; ++i) {
                    std::uint32_t u = static_cast<std::uint32_t>(bigEndian(text + 2 * i, 2));
                    if (u >= 0xD800 && u < 0xDC00 && i + 1 < n) {
                        std::uint32_t low = static_cast<std::uint32_t>(bigEndian(text + 2 * i + 2, 2));
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
                std::uint64_t high = bytes > 8 ? bigEndian(byte(p), bytes - 8) : 0;
                std::uint64_t uid = 0;
                const std::uint8_t* low = byte(p + (bytes > 8 ? bytes - 8 : 0));
                withWidth(bytes > 8 ? 8 : bytes, [&](auto width) {
                    uid = bigEndianAs(low, width);
                    return true;
                });
                if (high != 0 || uid > std::numeric_limits<std::uint32_t>::max())
                    return fail("reference too large");
                push(Kind::Uid, uid);
                noteUid(uid);
                p += bytes;
                break;
            }
            case 0xA:
            case 0xD: {
                if (!count(info, p, n)) return false;
                std::uint64_t slots = type == 0xD ? 2 * n : n;
                if (slots > (tableOffset - p) / refSize) return fail("truncated container");
                if (!reach(p + slots * refSize)) return unavailable();
                push(type == 0xA ? Kind::Array : Kind::Dictionary, members, n);
                if (!refs(p, slots, refWidth)) return false;
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
    MemoryInput input(bytes);
    return read(input, error);
}

std::optional<PropertyList> BinaryPropertyListReader::read(Input& input, std::string* error) {
    PropertyList list;
    Parser parser{input, list, {}};
    if (!parser.run()) {
        if (error) *error = "binary property list: " + parser.message;
        return std::nullopt;
    }
    return list;
}

BinaryPropertyListReader::FileRead BinaryPropertyListReader::readFile(const std::filesystem::path& path) {
    FileRead result;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return result;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        ::close(fd);
        return result;
    }
    FileInput input(fd, static_cast<std::uint64_t>(info.st_size));
    std::string error;
    result.list = read(input, &error);
    ::close(fd);
    result.size = input.size;
    if (input.backward) {
        // Objects out of the order of their numbers: the file is read whole, as the reader needs it.
        std::optional<FileContents> contents = FileContents::read(path);
        if (!contents) return result;
        result.size = contents->size();
        result.list = read(contents->bytes(), &result.error);
    } else if (!input.failed) {
        result.error = std::move(error);
    } else {
        return result;
    }
    result.readable = true;
    return result;
}

}  // namespace fnd
