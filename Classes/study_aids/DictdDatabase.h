#pragma once
// One dictd dictionary: its index (".index": a headword, the offset and the length of its entry in
// dictd's base-64 numbers, separated by tabs, one entry a line) and its text (".dict.dz", read with
// DictzipFile). The index is read whole when the database opens and looked up by headword without
// regard to letter case; malformed index lines are skipped. Not for use from two threads at once.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Classes/study_aids/DictzipFile.h"

class DictdDatabase {
  public:
    // The database of `name` in the folder (NAME.index and NAME.dict.dz); nothing, with the
    // reason in `error`, when either file is missing or unreadable.
    static std::unique_ptr<DictdDatabase> open(const std::filesystem::path& folder, const std::string& name,
                                               std::string& error);

    // The entries of the headword, in the index's order. Empty when it has none; an entry that
    // cannot be read is left out and its reason put in `error`.
    std::vector<std::string> define(std::string_view headword, std::string& error);
    bool contains(std::string_view headword) const;
    // The number of index lines read (a headword with several entries counts each).
    std::size_t entryCount() const { return index_.size(); }

    // A number in dictd's base 64 ("A" is 0, "/" is 63, most significant digit first); nothing
    // for an empty text, another character or a value beyond 2^48.
    static std::optional<std::uint64_t> decodeNumber(std::string_view text);
    // The key a headword is filed under: ASCII letters in lower case.
    static std::string key(std::string_view headword);

  private:
    // One index line: its headword's key (a view into keys_) and its entry's place. The lines are
    // sorted by key, entries of one headword in the index's order, so a lookup is a binary search.
    struct Line {
        std::string_view key;
        std::uint64_t offset;
        std::uint64_t length;
    };
    explicit DictdDatabase(DictzipFile text) : text_(std::move(text)) {}
    void readIndex(std::string contents);
    std::pair<std::vector<Line>::const_iterator, std::vector<Line>::const_iterator> linesOf(
        std::string_view headword) const;

    DictzipFile text_;
    // The index file in lower case; every key points into it.
    std::string keys_;
    std::vector<Line> index_;
};
