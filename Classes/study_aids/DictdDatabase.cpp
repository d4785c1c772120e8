#include "Classes/study_aids/DictdDatabase.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

constexpr std::string_view kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

std::optional<std::uint64_t> DictdDatabase::decodeNumber(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        std::size_t digit = kDigits.find(c);
        if (digit == std::string_view::npos) return std::nullopt;
        value = value * 64 + digit;
    }
    return value;
}

std::string DictdDatabase::key(std::string_view headword) {
    std::string k(headword);
    for (char& c : k)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return k;
}

std::unique_ptr<DictdDatabase> DictdDatabase::open(const std::filesystem::path& folder,
                                                   const std::string& name, std::string& error) {
    std::ifstream index(folder / (name + ".index"), std::ios::binary);
    if (!index) {
        error = "cannot open " + (folder / (name + ".index")).string();
        return nullptr;
    }
    std::optional<DictzipFile> text = DictzipFile::open(folder / (name + ".dict.dz"), error);
    if (!text) return nullptr;
    std::ostringstream contents;
    contents << index.rdbuf();
    std::unique_ptr<DictdDatabase> database(new DictdDatabase(std::move(*text)));
    database->readIndex(std::move(contents).str());
    return database;
}

void DictdDatabase::readIndex(std::string contents) {
    // Read whole and lowered once: the keys are views into it, so the index costs one string and
    // one vector rather than a string for each of WordNet's 150,000 headwords.
    keys_ = key(contents);
    std::string_view rest = keys_;
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        std::size_t tab1 = line.find('\t');
        std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos || tab1 == 0) continue;
        // A fourth field (the original headword of some indexes) is not needed. The numbers are
        // read from the original text: lowering would change their digits.
        std::size_t tab3 = line.find('\t', tab2 + 1);
        std::size_t at = std::size_t(line.data() - keys_.data());
        std::string_view original(contents.data() + at, line.size());
        std::optional<std::uint64_t> offset = decodeNumber(original.substr(tab1 + 1, tab2 - tab1 - 1));
        std::optional<std::uint64_t> length = decodeNumber(original.substr(tab2 + 1, tab3 - tab2 - 1));
        if (!offset || !length) continue;
        index_.push_back({line.substr(0, tab1), *offset, *length});
    }
    std::stable_sort(index_.begin(), index_.end(),
                     [](const Line& a, const Line& b) { return a.key < b.key; });
}

std::pair<std::vector<DictdDatabase::Line>::const_iterator, std::vector<DictdDatabase::Line>::const_iterator>
DictdDatabase::linesOf(std::string_view headword) const {
    std::string k = key(headword);
    return std::equal_range(index_.begin(), index_.end(), Line{k, 0, 0},
                            [](const Line& a, const Line& b) { return a.key < b.key; });
}

bool DictdDatabase::contains(std::string_view headword) const {
    auto [first, last] = linesOf(headword);
    return first != last;
}

std::vector<std::string> DictdDatabase::define(std::string_view headword, std::string& error) {
    std::vector<std::string> entries;
    auto [first, last] = linesOf(headword);
    for (auto line = first; line != last; ++line)
        if (std::optional<std::string> entry = text_.read(line->offset, line->length, error))
            entries.push_back(std::move(*entry));
    return entries;
}
