#pragma once
// A property list held as the binary format holds it: a flat table of objects that refer to one
// another by index. Containers list the indexes of their members, so a shared member is stored once
// and nothing is nested in memory. Text is kept as UTF-8.

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/LargePages.h"

namespace fnd {

class PropertyList {
  public:
    using Ref = std::uint32_t;
    enum class Kind : std::uint8_t {
        Null,
        Boolean,
        Integer,          // a signed 64-bit integer
        UnsignedInteger,  // an integer above the signed 64-bit range (stored in 16 bytes)
        Real,
        Date,  // seconds since 2001-01-01 00:00 UTC
        Data,
        String,
        Uid,  // a reference into a keyed archive's object table
        Array,
        Dictionary,
    };

    PropertyList();
    ~PropertyList();
    PropertyList(PropertyList&&) noexcept;
    PropertyList& operator=(PropertyList&&) noexcept;

    // Building. Equal strings, numbers, dates and UIDs are stored once: adding one again answers
    // the index it already has. Containers are always new objects; their members must exist.
    Ref addNull();
    Ref addBoolean(bool value);
    Ref addInteger(std::int64_t value);
    Ref addUnsignedInteger(std::uint64_t value);  // stored as Integer when it fits
    Ref addReal(double value);
    Ref addFloat(float value);  // a real written in 4 bytes
    Ref addDate(double secondsSinceReference);
    Ref addData(std::span<const std::uint8_t> bytes);
    Ref addString(std::string_view utf8);
    Ref addUid(std::uint32_t uid);
    Ref addArray(std::span<const Ref> items);
    Ref addDictionary(std::span<const Ref> keys, std::span<const Ref> values);

    void setTop(Ref ref) { top_ = ref; }
    Ref top() const { return top_; }
    std::size_t size() const { return nodes_.size(); }
    void reserve(std::size_t objects, std::size_t textBytes, std::size_t members);

    // Reading. Each accessor expects an index below size() and an object of its kind.
    Kind kind(Ref ref) const { return nodes_[ref].kind; }
    bool boolean(Ref ref) const { return nodes_[ref].value != 0; }
    std::int64_t integer(Ref ref) const { return static_cast<std::int64_t>(nodes_[ref].value); }
    std::uint64_t unsignedInteger(Ref ref) const { return nodes_[ref].value; }
    double real(Ref ref) const;  // also a date's seconds
    bool isFloat(Ref ref) const { return (nodes_[ref].flags & kFloat) != 0; }
    std::uint32_t uid(Ref ref) const { return static_cast<std::uint32_t>(nodes_[ref].value); }
    std::string_view string(Ref ref) const;
    std::span<const std::uint8_t> data(Ref ref) const;
    std::span<const Ref> items(Ref array) const;
    std::span<const Ref> keys(Ref dictionary) const;
    std::span<const Ref> values(Ref dictionary) const;
    std::size_t count(Ref ref) const { return nodes_[ref].count; }

    // The value under the string `key` in a dictionary. The search starts at entry `cursor` and
    // wraps around; the cursor is left after the entry found, so keys read in the order they were
    // written are each found at the first look. (A key that appears twice, which writers never
    // do, reads as one of its values.)
    [[gnu::always_inline]] std::optional<Ref> find(Ref dictionary, std::string_view key,
                                                   std::uint32_t& cursor) const {
        // Inline, with the texts compared a word at a time: a reader of a large archive looks up
        // several keys of every object, and keys are a few letters long, so a key of another
        // length is passed over on its length alone.
        const Node& n = nodes_[dictionary];
        const Ref* keys = members_.data() + n.value;
        if (cursor >= n.count) cursor = 0;
        for (std::uint32_t k = 0, i = cursor; k < n.count; ++k, i = i + 1 == n.count ? 0 : i + 1) {
            const Node& name = nodes_[keys[i]];
            if (name.count == key.size() && name.kind == Kind::String &&
                sameText(text_.data() + name.value, key.data(), key.size())) {
                cursor = i + 1;
                return keys[i + n.count];
            }
        }
        return std::nullopt;
    }
    std::optional<Ref> find(Ref dictionary, std::string_view key) const {
        std::uint32_t cursor = 0;
        return find(dictionary, key, cursor);
    }
    // Keys by identity. Strings of equal text are one "atom" (a list that was read shares their
    // text, one that was built stores them once), so a reader that looks up the same key in many
    // dictionaries finds its atom once and then compares numbers, never text.
    struct Atom {
        std::uint64_t offset;
        std::uint32_t size;
        Ref ref;  // the first string of that text
    };
    std::optional<Atom> atom(std::string_view text) const;
    std::optional<Ref> find(Ref dictionary, Atom key, std::uint32_t& cursor) const {
        // Inline: a reader of a large archive looks up several keys of every object.
        const Node& n = nodes_[dictionary];
        const Ref* keys = members_.data() + n.value;
        if (cursor >= n.count) cursor = 0;
        for (std::uint32_t k = 0, i = cursor; k < n.count; ++k, i = i + 1 == n.count ? 0 : i + 1) {
            bool same;
            if (stringsUnique_) {
                same = keys[i] == key.ref;
            } else {
                const Node& name = nodes_[keys[i]];
                same = name.value == key.offset && name.count == key.size && name.kind == Kind::String;
            }
            if (same) {
                cursor = i + 1;
                return keys[i + n.count];
            }
        }
        return std::nullopt;
    }
    // Whether the UID object `ref` is referred to from exactly one place in the whole list (one
    // member of one container) and no other UID object holds its number, so that what it names is
    // reached through this reference alone. Known for a list that was read; a list that was built
    // answers false.
    bool soleReference(Ref ref) const {
        if (ref >= references_.size() || references_[ref] != 1 || nodes_[ref].kind != Kind::Uid) return false;
        std::uint64_t uid = nodes_[ref].value;
        return uid < uidRepeated_.size() && !uidRepeated_[uid];
    }
    // Whether an index names an object of the given kind.
    bool is(Ref ref, Kind kind) const { return ref < nodes_.size() && nodes_[ref].kind == kind; }

    // Whether n bytes at a and at b are equal. Short texts are compared a word at a time, the last
    // word overlapping the one before it rather than read byte by byte.
    static bool sameText(const char* a, const char* b, std::size_t n) {
        if (n >= 8) {
            for (std::size_t i = 0; i + 8 < n; i += 8)
                if (!sameWord<std::uint64_t>(a + i, b + i)) return false;
            return sameWord<std::uint64_t>(a + n - 8, b + n - 8);
        }
        if (n >= 4) return sameWord<std::uint32_t>(a, b) && sameWord<std::uint32_t>(a + n - 4, b + n - 4);
        for (std::size_t i = 0; i < n; ++i)
            if (a[i] != b[i]) return false;
        return true;
    }

  private:
    friend class BinaryPropertyListReader;

    template <class Word>
    static bool sameWord(const char* a, const char* b) {
        Word x, y;
        std::memcpy(&x, a, sizeof x);
        std::memcpy(&y, b, sizeof y);
        return x == y;
    }

    static constexpr std::uint8_t kFloat = 1;
    struct Node {
        Kind kind;
        std::uint8_t flags;
        std::uint32_t count;  // bytes of text or data, members of an array, entries of a dictionary
        std::uint64_t value;  // number bits, UID, or offset into text_ or members_
    };
    struct Uniquing;

    Ref push(Kind kind, std::uint64_t value, std::uint32_t count = 0, std::uint8_t flags = 0);
    // For the reader: the string `last`, just read, whose text is the last thing in text_, shares
    // the text of an equal string read before it.
    void internLastString(Ref last);
    Ref unique(Kind kind, std::uint64_t bits, std::uint8_t flags = 0);

    // A large list's tables are filled as it is read, so they take memory of their own.
    std::vector<Node, LargePageAllocator<Node>> nodes_;
    std::string text_;                                   // UTF-8 of strings and bytes of data
    std::vector<Ref, LargePageAllocator<Ref>> members_;  // array members; dictionary keys then values
    Ref top_ = 0;
    std::unique_ptr<Uniquing> uniquing_;  // made by the first add
    // Whether no two strings have equal text (always so for a built list; a list read from a file
    // of another writer may repeat one), so that a key's string is its atom's and a look-up by
    // atom compares indexes without reading the keys.
    bool stringsUnique_ = true;
    // Of a list that was read: per object, how many container members refer to it (counted up to
    // two), and per UID number below the object count, whether more than one UID object holds it.
    std::vector<std::uint8_t> references_;
    std::vector<bool> uidRepeated_;
};

}  // namespace fnd
