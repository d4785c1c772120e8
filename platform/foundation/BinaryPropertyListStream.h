#pragma once
// Writes a binary property list ("bplist00") object by object, as its producer makes them, with no
// property list held in between: each object's bytes are final when it is added, and what is kept
// is an offset per object and the tables that find equal strings and numbers. Objects are numbered
// in the order they are added, and a container's members are added before it.
//
// A list of up to kExactObjects objects comes out exactly as BinaryPropertyListWriter writes a
// PropertyList built by the same calls: equal scalars stored once, references in the fewest bytes.
// Past that size references take 4 bytes, which they would anyway, so every byte is final as soon as
// it is made and can leave for the sink; and equal numbers and UIDs are then found by a small cache
// only, so that one may be written more than once (which every reader accepts) rather than kept in a
// table as large as the list. Strings are always stored once.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/PropertyListOffsets.h"

namespace fnd {

class BinaryPropertyListStream {
  public:
    using Ref = std::uint32_t;
    // Takes the next piece of the file; answers false when it could not, which ends the writing.
    using Sink = std::function<bool(std::span<const std::uint8_t>)>;
    static constexpr std::size_t kExactObjects = 65536;

    // Keeps the whole file in memory, for take().
    BinaryPropertyListStream();
    // Hands the file to `sink` in pieces, once their bytes are final.
    explicit BinaryPropertyListStream(Sink sink);
    ~BinaryPropertyListStream();
    BinaryPropertyListStream(const BinaryPropertyListStream&) = delete;
    BinaryPropertyListStream& operator=(const BinaryPropertyListStream&) = delete;

    Ref addNull();
    Ref addBoolean(bool value);
    Ref addInteger(std::int64_t value);
    Ref addUnsignedInteger(std::uint64_t value);  // written as a signed integer when it fits
    Ref addReal(double value);
    Ref addFloat(float value);  // a real written in 4 bytes
    Ref addDate(double secondsSinceReference);
    Ref addData(std::span<const std::uint8_t> bytes);
    Ref addString(std::string_view utf8);
    Ref addUid(std::uint32_t uid);
    Ref addArray(std::span<const Ref> items);
    Ref addDictionary(std::span<const Ref> keys, std::span<const Ref> values);

    std::size_t size() const { return offsets_.size(); }

    // Writes the offset table and the trailer, with `top` as the root (an empty list gets a null
    // root), and lets go of the tables; called once, after which nothing is added. False when the
    // sink failed at any point.
    bool finish(Ref top);
    // After finish, when there is no sink: the file.
    std::vector<std::uint8_t> take() { return std::move(buffer_); }

  private:
    struct Tables;

    Ref added(std::uint64_t offset);
    Ref unique(int slot, std::uint64_t bits, std::uint8_t kind);
    void references(std::span<const Ref> refs);
    // Hands the buffer to the sink once it is large, or at once when `all`, unless its references
    // may still shrink.
    void spill(bool all);
    // Rewrites every reference in `refSize` bytes, when the whole list is still in the buffer.
    void narrow(unsigned refSize);

    Sink sink_;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t spilled_ = 0;  // bytes already handed to the sink
    PropertyListOffsets offsets_;
    std::unique_ptr<Tables> tables_;
    bool failed_ = false;
};

}  // namespace fnd
