#pragma once
// The atoms of the keys a reader of a property list asks for, remembered by where the caller's
// text lies and checked against a copy of it (a key built anew may lie where another one did).
// Nearly every key is a literal asked for once per object, so a look-up is a few loads and
// compares, never a hash of the text. A key may sit in any of a few neighbouring entries: literals
// that land on one entry would otherwise push each other out for every object read.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/foundation/PropertyList.h"

namespace fnd {

class KeyAtoms {
  public:
    using Atom = PropertyList::Atom;

    // The atom of the key's text in the list; nothing when no string of the list has that text.
    std::optional<Atom> of(const PropertyList& plist, std::string_view key) {
        if (key.size() > kLongest) return plist.atom(key);
        std::uint64_t where = reinterpret_cast<std::uintptr_t>(key.data()) ^ key.size();
        std::size_t home = static_cast<std::size_t>((where * 0x9E3779B97F4A7C15ull) >> 57);  // 0..127
        for (std::size_t i = 0; i < kWays; ++i) {
            const Entry& e = entries_[(home + i) % kEntries];
            if (e.where == key.data() && e.size == key.size() && sameText(e.text, key)) return e.atom;
        }
        Entry& e = entries_[(home + replaced_++ % kWays) % kEntries];
        e.where = key.data();
        e.size = static_cast<std::uint8_t>(key.size());
        std::memcpy(e.text, key.data(), key.size());
        e.atom = plist.atom(key);
        return e.atom;
    }

  private:
    static constexpr std::size_t kLongest = 32, kEntries = 128, kWays = 4;
    struct Entry {
        const char* where = nullptr;
        std::uint8_t size = 0;
        char text[kLongest];
        std::optional<Atom> atom;
    };
    // Short texts of equal length, compared a word at a time: the last word overlaps the one
    // before it rather than being read byte by byte, as most keys are a few letters long.
    template <class Word>
    static bool sameWord(const char* a, const char* b) {
        Word x, y;
        std::memcpy(&x, a, sizeof x);
        std::memcpy(&y, b, sizeof y);
        return x == y;
    }
    static bool sameText(const char* copy, std::string_view key) {
        const char* text = key.data();
        std::size_t n = key.size();
        if (n >= 8) {
            for (std::size_t i = 0; i + 8 < n; i += 8)
                if (!sameWord<std::uint64_t>(copy + i, text + i)) return false;
            return sameWord<std::uint64_t>(copy + n - 8, text + n - 8);
        }
        if (n >= 4)
            return sameWord<std::uint32_t>(copy, text) && sameWord<std::uint32_t>(copy + n - 4, text + n - 4);
        for (std::size_t i = 0; i < n; ++i)
            if (copy[i] != text[i]) return false;
        return true;
    }
    Entry entries_[kEntries];
    std::size_t replaced_ = 0;
};

}  // namespace fnd
