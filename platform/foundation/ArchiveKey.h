#pragma once
// The key of an archived dictionary: a string, as most dictionaries use, or a number, as a
// dictionary keyed by question type is written. Keys keep the kind they were written with and are
// compared by value: every number orders before every string, numbers by their value (so 2 and 2.0
// are one key), strings by their bytes. A key is made implicitly from a string or an integer, so
// `dictionary["title"]` and `dictionary[5]` read as they did, and strings are looked up without a copy.

#include <compare>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace fnd {

class ArchiveKey {
  public:
    ArchiveKey(std::string text) : key_(std::move(text)) {}
    ArchiveKey(std::string_view text) : key_(std::string(text)) {}
    ArchiveKey(const char* text) : key_(std::string(text)) {}
    template <std::integral T>
    requires(!std::same_as<T, bool>) ArchiveKey(T number) : key_(static_cast<std::int64_t>(number)) {}
    static ArchiveKey real(double number) { return ArchiveKey(Storage(number)); }

    // Each accessor answers nothing when the key is of another kind.
    const std::string* string() const { return std::get_if<std::string>(&key_); }
    std::optional<std::int64_t> integer() const;
    std::optional<double> real() const;
    bool isNumber() const { return !string(); }
    bool isReal() const { return std::holds_alternative<double>(key_); }
    // The key as text, numbers in decimal: for messages and for readers of older string keys.
    std::string text() const;

    std::partial_ordering operator<=>(const ArchiveKey& other) const;
    bool operator==(const ArchiveKey& other) const { return (*this <=> other) == 0; }
    // Against text, one overload per kind of string, so that none of them is ambiguous with a key.
    std::strong_ordering operator<=>(std::string_view text) const { return compareText(text); }
    std::strong_ordering operator<=>(const std::string& text) const { return compareText(text); }
    std::strong_ordering operator<=>(const char* text) const { return compareText(text); }
    bool operator==(std::string_view text) const { return compareText(text) == 0; }
    bool operator==(const std::string& text) const { return compareText(text) == 0; }
    bool operator==(const char* text) const { return compareText(text) == 0; }

  private:
    using Storage = std::variant<std::string, std::int64_t, double>;
    explicit ArchiveKey(Storage key) : key_(std::move(key)) {}
    std::strong_ordering compareText(std::string_view text) const;
    Storage key_;
};

}  // namespace fnd
