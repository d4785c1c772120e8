#pragma once
// Reading the values of a flashcard history entry (a dictionary of the central archive). A key
// that is absent, or holds a value of another kind, reads as nothing, so that damaged or older
// entries fall back to defaults.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/ArchiveValue.h"

class MHistoryEntry {
  public:
    using Dictionary = fnd::ArchiveDictionary;

    static std::optional<std::string> string(const Dictionary& entry, const std::string& key);
    // An address stored as a URL (or, from hand-made entries, as text).
    static std::optional<std::string> url(const Dictionary& entry, const std::string& key);
    static std::optional<fnd::Date> date(const Dictionary& entry, const std::string& key);
    static std::optional<bool> boolean(const Dictionary& entry, const std::string& key);
    static std::optional<double> real(const Dictionary& entry, const std::string& key);
    static std::optional<std::int64_t> integer(const Dictionary& entry, const std::string& key);
    // An unsigned 32-bit number; nothing when the value is negative or larger.
    static std::optional<std::uint32_t> unsigned32(const Dictionary& entry, const std::string& key);
    static std::shared_ptr<fnd::ArchiveArray> array(const Dictionary& entry, const std::string& key);
    static std::shared_ptr<Dictionary> dictionary(const Dictionary& entry, const std::string& key);
    // The strings of an array; other values are skipped. Nothing when the key holds no array.
    static std::optional<std::vector<std::string>> strings(const Dictionary& entry, const std::string& key);
    // The unsigned 32-bit numbers of an array, in order; other values are skipped.
    static std::vector<std::uint32_t> identifiers(const Dictionary& entry, const std::string& key);

    // The writing side of the same: an array of strings and an array of identifiers.
    static fnd::ArchiveValue stringArray(const std::vector<std::string>& texts);
    static fnd::ArchiveValue identifierArray(const std::vector<std::uint32_t>& ids);
};
