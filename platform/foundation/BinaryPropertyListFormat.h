#pragma once
// The pieces of the binary property-list format ("bplist00") that its writers share: each object's
// bytes, appended to a buffer, and the trailer that ends a file.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace fnd {

class BinaryPropertyListFormat {
  public:
    using Buffer = std::vector<std::uint8_t>;

    // The fewest bytes (1, 2, 4 or 8) that hold `value`.
    static unsigned bytesFor(std::uint64_t value) {
        return value <= 0xFF ? 1 : value <= 0xFFFF ? 2 : value <= 0xFFFFFFFFu ? 4 : 8;
    }
    static void bigEndian(Buffer& out, std::uint64_t value, unsigned bytes);
    // A marker with its count: inline when below 15, else followed by an integer object.
    static void marker(Buffer& out, std::uint8_t type, std::uint64_t count);

    static void null(Buffer& out) { out.push_back(0x00); }
    static void boolean(Buffer& out, bool value) { out.push_back(value ? 0x09 : 0x08); }
    // A signed 64-bit integer in the fewest bytes; `wide` writes the bits as an unsigned integer
    // above the signed range (16 bytes, the high half zero).
    static void integer(Buffer& out, std::uint64_t bits, bool wide);
    static void real(Buffer& out, double value, bool asFloat);
    static void date(Buffer& out, double secondsSinceReference);
    static void data(Buffer& out, std::span<const std::uint8_t> bytes);
    // ASCII as it is, anything else as UTF-16 with U+FFFD in place of each byte that is not valid
    // UTF-8.
    static void string(Buffer& out, std::string_view utf8);
    static void uid(Buffer& out, std::uint32_t uid);
    // A container's marker; its members follow as references.
    static void arrayHead(Buffer& out, std::uint64_t count) { marker(out, 0xA, count); }
    static void dictionaryHead(Buffer& out, std::uint64_t count) { marker(out, 0xD, count); }

    // The 32 bytes that end a file, after its offset table.
    static void trailer(Buffer& out, unsigned offsetSize, unsigned refSize, std::uint64_t count,
                        std::uint64_t top, std::uint64_t tableOffset);
};

}  // namespace fnd
