#include "platform/foundation/BinaryPropertyListStream.h"

#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#include "platform/foundation/BinaryPropertyListFormat.h"
#include "platform/foundation/HashIndex.h"

namespace fnd {

namespace {
using Format = BinaryPropertyListFormat;

// References are written in this many bytes until the list ends.
constexpr unsigned kWideRef = 4;
// The buffer goes to the sink in pieces of about this size.
constexpr std::size_t kSpillBytes = 256 * 1024;
// Numbers and UIDs remembered once the list is past kExactObjects: enough for the keys, classes and
// values that recur in every entry of a large archive.
constexpr unsigned kCacheBits = 12;
constexpr std::size_t kCacheSlots = std::size_t{1} << kCacheBits;

enum Slot { kIntegerSlot, kUnsignedSlot, kDoubleSlot, kFloatSlot, kDateSlot, kUidSlot, kSlotCount };
enum Marker : std::uint8_t { kInteger, kUnsigned, kDouble, kFloat, kDate, kUid };

std::uint64_t readBigEndian(const std::uint8_t* p, unsigned n) {
    std::uint64_t v = 0;
    for (unsigned i = 0; i < n; ++i) v = (v << 8) | p[i];
    return v;
}
}  // namespace

struct BinaryPropertyListStream::Tables {
    std::optional<Ref> null, no, yes;
    // Strings by the hash of their text, each kept once in `text`.
    struct Text {
        std::uint64_t offset;
        std::uint32_t size;
        Ref ref;
    };
    HashIndex stringIndex;
    std::vector<Text> strings;
    std::string text;
    // Every number and UID while the list is small.
    HashIndex exact[kSlotCount];
    bool isExact = true;
    // Past that, the latest of each hash only.
    struct Cached {
        std::uint64_t bits = 0;
        Ref ref = 0;
        std::uint8_t slot = 0;
        bool used = false;
    };
    std::vector<Cached> cache;
};

BinaryPropertyListStream::BinaryPropertyListStream() : BinaryPropertyListStream(Sink{}) {}

BinaryPropertyListStream::BinaryPropertyListStream(Sink sink)
    : sink_(std::move(sink)), tables_(std::make_unique<Tables>()) {
    buffer_.insert(buffer_.end(), {'b', 'p', 'l', 'i', 's', 't', '0', '0'});
}

BinaryPropertyListStream::~BinaryPropertyListStream() = default;

BinaryPropertyListStream::Ref BinaryPropertyListStream::added(std::uint64_t offset) {
    if (offsets_.size() >= std::numeric_limits<Ref>::max())
        throw std::length_error("property list: too many objects");
    offsets_.push_back(offset);
    Ref ref = static_cast<Ref>(offsets_.size() - 1);
    if (offsets_.size() > kExactObjects && tables_->isExact) {
        for (HashIndex& table : tables_->exact) table = HashIndex();
        tables_->isExact = false;
        tables_->cache.assign(kCacheSlots, Tables::Cached{});
    }
    spill(false);
    return ref;
}

void BinaryPropertyListStream::spill(bool all) {
    if (!sink_ || buffer_.empty()) return;
    if (!all && (offsets_.size() <= kExactObjects || buffer_.size() < kSpillBytes)) return;
    if (!failed_ && !sink_(buffer_)) failed_ = true;
    spilled_ += buffer_.size();
    buffer_.clear();
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::unique(int slot, std::uint64_t bits,
                                                               std::uint8_t kind) {
    auto write = [&] {
        std::uint64_t offset = spilled_ + buffer_.size();
        switch (kind) {
            case kInteger:
                Format::integer(buffer_, bits, false);
                break;
            case kUnsigned:
                Format::integer(buffer_, bits, true);
                break;
            case kDouble:
                Format::real(buffer_, std::bit_cast<double>(bits), false);
                break;
            case kFloat:
                Format::real(buffer_, std::bit_cast<double>(bits), true);
                break;
            case kDate:
                Format::date(buffer_, std::bit_cast<double>(bits));
                break;
            default:
                Format::uid(buffer_, static_cast<std::uint32_t>(bits));
                break;
        }
        return added(offset);
    };
    Tables& t = *tables_;
    if (t.isExact) {
        // The table stores the number the object is about to get; it is written after the look-up,
        // because writing it may end exactness and drop the table.
        bool isNew = false;
        Ref found = t.exact[slot].findOrInsert(bits, [&] {
            isNew = true;
            return static_cast<Ref>(offsets_.size());
        });
        return isNew ? write() : found;
    }
    // The top bits of a multiplicative hash (the low bits of a real's pattern are mostly zero) pick
    // a pair of slots, the latest used first, so that values met all along outlast passing ones.
    std::uint64_t key =
        (bits + static_cast<std::uint64_t>(slot) * 0x632BE59BD9B4E019ULL) * 0x9E3779B97F4A7C15ULL;
    Tables::Cached* pair = &t.cache[2 * (key >> (64 - kCacheBits + 1))];
    for (int k = 0; k < 2; ++k) {
        if (pair[k].used && pair[k].bits == bits && pair[k].slot == slot) {
            if (k == 1) std::swap(pair[0], pair[1]);
            return pair[0].ref;
        }
    }
    Ref ref = write();
    pair[1] = pair[0];
    pair[0] = Tables::Cached{bits, ref, static_cast<std::uint8_t>(slot), true};
    return ref;
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addNull() {
    if (!tables_->null) {
        std::uint64_t offset = spilled_ + buffer_.size();
        Format::null(buffer_);
        tables_->null = added(offset);
    }
    return *tables_->null;
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addBoolean(bool value) {
    std::optional<Ref>& slot = value ? tables_->yes : tables_->no;
    if (!slot) {
        std::uint64_t offset = spilled_ + buffer_.size();
        Format::boolean(buffer_, value);
        slot = added(offset);
    }
    return *slot;
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addInteger(std::int64_t value) {
    return unique(kIntegerSlot, static_cast<std::uint64_t>(value), kInteger);
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addUnsignedInteger(std::uint64_t value) {
    if (value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return unique(kIntegerSlot, value, kInteger);
    return unique(kUnsignedSlot, value, kUnsigned);
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addReal(double value) {
    return unique(kDoubleSlot, std::bit_cast<std::uint64_t>(value), kDouble);
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addFloat(float value) {
    return unique(kFloatSlot, std::bit_cast<std::uint64_t>(static_cast<double>(value)), kFloat);
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addDate(double secondsSinceReference) {
    return unique(kDateSlot, std::bit_cast<std::uint64_t>(secondsSinceReference), kDate);
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addUid(std::uint32_t uid) {
    return unique(kUidSlot, uid, kUid);
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addData(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("property list: data too large");
    std::uint64_t offset = spilled_ + buffer_.size();
    Format::data(buffer_, bytes);
    return added(offset);
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addString(std::string_view utf8) {
    if (utf8.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("property list: string too large");
    Tables& t = *tables_;
    bool isNew = false;
    std::uint32_t index = t.stringIndex.findOrInsert(
        std::hash<std::string_view>{}(utf8),
        [&](std::uint32_t i) {
            return std::string_view(t.text).substr(t.strings[i].offset, t.strings[i].size) == utf8;
        },
        [&] {
            isNew = true;
            t.strings.push_back(Tables::Text{t.text.size(), static_cast<std::uint32_t>(utf8.size()), 0});
            t.text.append(utf8);
            return static_cast<std::uint32_t>(t.strings.size() - 1);
        });
    if (isNew) {
        std::uint64_t offset = spilled_ + buffer_.size();
        Format::string(buffer_, utf8);
        t.strings[index].ref = added(offset);
    }
    return t.strings[index].ref;
}

void BinaryPropertyListStream::references(std::span<const Ref> refs) {
    for (std::size_t i = 0; i < refs.size(); ++i) {
        if (refs[i] >= offsets_.size())
            throw std::invalid_argument("property list: a member is not written yet");
        Format::bigEndian(buffer_, refs[i], kWideRef);
        // A large container (an archive's table of entries) leaves in pieces too.
        if (i % 4096 == 4095) spill(false);
    }
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addArray(std::span<const Ref> items) {
    std::uint64_t offset = spilled_ + buffer_.size();
    Format::arrayHead(buffer_, items.size());
    references(items);
    return added(offset);
}

BinaryPropertyListStream::Ref BinaryPropertyListStream::addDictionary(std::span<const Ref> keys,
                                                                      std::span<const Ref> values) {
    if (keys.size() != values.size())
        throw std::invalid_argument("property list: keys and values differ in count");
    std::uint64_t offset = spilled_ + buffer_.size();
    Format::dictionaryHead(buffer_, keys.size());
    references(keys);
    references(values);
    return added(offset);
}

void BinaryPropertyListStream::narrow(unsigned refSize) {
    std::size_t count = offsets_.size();
    std::uint8_t* b = buffer_.data();
    std::size_t to = offsets_[0];
    for (std::size_t r = 0; r < count; ++r) {
        std::size_t from = offsets_[r];
        std::size_t end = r + 1 < count ? offsets_[r + 1] : buffer_.size();
        offsets_.set(r, to);
        std::uint8_t type = b[from] >> 4;
        if (type != 0xA && type != 0xD) {
            std::memmove(b + to, b + from, end - from);
            to += end - from;
            continue;
        }
        std::size_t head = 1;
        std::uint64_t n = b[from] & 0xF;
        if (n == 0xF) {
            unsigned bytes = 1u << (b[from + 1] & 0xF);
            n = readBigEndian(b + from + 2, bytes);
            head = 2 + bytes;
        }
        std::memmove(b + to, b + from, head);
        to += head;
        // Each reference is read before its narrower form is written, at or before where it lay.
        std::size_t refs = type == 0xD ? 2 * n : n;
        for (std::size_t i = 0; i < refs; ++i) {
            std::uint64_t ref = readBigEndian(b + from + head + i * kWideRef, kWideRef);
            for (unsigned k = refSize; k-- > 0; ref >>= 8) b[to + k] = static_cast<std::uint8_t>(ref);
            to += refSize;
        }
    }
    buffer_.resize(to);
}

bool BinaryPropertyListStream::finish(Ref top) {
    if (offsets_.empty()) top = addNull();
    tables_.reset();
    std::uint64_t count = offsets_.size();
    unsigned refSize = Format::bytesFor(count - 1);
    // Up to kExactObjects objects nothing has left the buffer, and references may still narrow.
    if (refSize < kWideRef) narrow(refSize);
    std::uint64_t tableOffset = spilled_ + buffer_.size();
    unsigned offsetSize = Format::bytesFor(offsets_.back());
    while (!offsets_.empty()) {
        Format::bigEndian(buffer_, offsets_.front(), offsetSize);
        offsets_.pop_front();
        if (buffer_.size() >= kSpillBytes) spill(true);
    }
    Format::trailer(buffer_, offsetSize, refSize, count, top, tableOffset);
    spill(true);
    return !failed_;
}

}  // namespace fnd
