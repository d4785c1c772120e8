#include "Classes/practice/MKeyWordsSet.h"

#include <cctype>
#include <climits>
#include <optional>

#include "Classes/practice/PracticeCoding.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Unicode.h"

MKeyWordsSet::MKeyWordsSet() {
    kws_[5] = std::make_shared<KeyWords>(KeyWords{
        "despite", "thus", "although", "however", "previously", "recent", "today", "early", "hypothesis",
        "history", "seem", "critics", "author", "true", "false", "least", "except", "[12]\\d{3}s*"});
    kws_[4] = std::make_shared<KeyWords>(KeyWords{
        "must",      "true",    "false",      "weakens*",      "strengthens*",  "supports*",   "most",
        "majority",  "doubt",   "thus",       "increase[sd]*", "decrease[sd]*", "reduce[sd]*", "thus",
        "therefore", "thereby", "because",    "but",           "however",       "likely",      "greater",
        "large",     "few",     "fewer",      "lower",         "small",         "higher",      "all",
        "better",    "than",    "number",     "amount",        "more",          "less",        "only",
        "lack\\sof", "best",    "strongest",  "lowest",        "equal",         "same",        "every",
        "sometimes", "main",    "conclusion", "inferred",      "effect",        "cause"});
    kws_[3] = std::make_shared<KeyWords>(
        KeyWords{"that", "which", "it", "its", "he", "his", "she", "her", "they", "their", "them"});
    auto quant = std::make_shared<KeyWords>(KeyWords{"distinct", "even", "odd", "consecutive", "integers*",
                                                     "negative", "positive", "non-negative", "not"});
    kws_[1] = quant;
    kws_[2] = quant;
}

void MKeyWordsSet::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    // A list held under two types is archived once, so it is shared again when read back.
    std::map<const KeyWords*, std::shared_ptr<fnd::ArchiveArray>> written;
    auto dictionary = fnd::ArchiveValue::makeDictionary();
    for (const auto& [type, list] : kws_) {
        if (!list) continue;
        auto& array = written[list.get()];
        if (!array) array = PracticeCoding::stringArray(*list);
        dictionary->emplace(type, array);
    }
    coder.encodeObject("kws", dictionary);
}

namespace {

// The question type a key names: a number, as the lists are written, or the decimal text that
// earlier versions of the program wrote. Anything else names no type.
std::optional<std::int32_t> typeOfKey(const fnd::ArchiveKey& key) {
    if (const std::string* text = key.string()) {
        if (text->empty() || text->size() > 9 || text->find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        return static_cast<std::int32_t>(std::stoi(*text));
    }
    auto number = key.integer();
    if (!number || *number < INT32_MIN || *number > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(*number);
}

}  // namespace

void MKeyWordsSet::initWithCoder(fnd::KeyedUnarchiver& coder) {
    kws_.clear();
    auto dictionary = coder.decodeDictionary("kws");
    if (!dictionary) return;
    // One stored array under two types becomes one list again.
    std::map<const void*, std::shared_ptr<KeyWords>> read;
    for (const auto& [key, value] : *dictionary) {
        std::optional<std::int32_t> type = typeOfKey(key);
        if (!value.array() || !type) continue;
        auto& list = read[value.identity()];
        if (!list) list = std::make_shared<KeyWords>(PracticeCoding::strings(value));
        kws_[*type] = list;
    }
}

std::shared_ptr<MKeyWordsSet::KeyWords> MKeyWordsSet::keyWordsForQType(std::int32_t type) const {
    auto found = kws_.find(type);
    return found == kws_.end() ? nullptr : found->second;
}

void MKeyWordsSet::setKeyWordsForQType(std::int32_t type, KeyWords list) {
    auto shared = std::make_shared<KeyWords>(std::move(list));
    if (type == 1 || type == 2) {
        kws_[1] = kws_[2] = shared;
    } else if (type == 5 || type == 6) {
        kws_[5] = kws_[6] = shared;
    } else {
        kws_[type] = shared;
    }
}

namespace {

// Marks the keyword in the text pieces of a fragment, leaving every tag (a "<" followed by a
// letter, "/" or "!", up to the next ">") as it is.
std::string markOutsideTags(const std::string& fragment, const std::string& pattern,
                            const std::string& replacement) {
    std::string result;
    std::size_t pos = 0;
    while (pos < fragment.size()) {
        std::size_t tag = pos;
        while (true) {
            tag = fragment.find('<', tag);
            if (tag == std::string::npos || tag + 1 >= fragment.size()) {
                tag = std::string::npos;
                break;
            }
            unsigned char next = static_cast<unsigned char>(fragment[tag + 1]);
            if ((std::isalpha(next) || next == '/' || next == '!') &&
                fragment.find('>', tag) != std::string::npos)
                break;
            ++tag;
        }
        std::size_t textEnd = tag == std::string::npos ? fragment.size() : tag;
        if (textEnd > pos)
            result += ostrand::Regex::replaceAll(std::string_view(fragment).substr(pos, textEnd - pos),
                                                 pattern, replacement);
        if (tag == std::string::npos) break;
        std::size_t tagEnd = fragment.find('>', tag) + 1;
        result.append(fragment, tag, tagEnd - tag);
        pos = tagEnd;
    }
    return result;
}

}  // namespace

std::string MKeyWordsSet::addKeyWordsTagsToString(const std::string& html, std::int32_t type,
                                                  bool isActive) const {
    auto list = keyWordsForQType(type);
    if (!list) return html;
    // The text between tags as pieces in place: marks go exactly where their text was, never into
    // another piece that happens to read the same.
    std::vector<std::string> fragments = ostrand::Regex::allMatches(html, ">+([^\\>]+)<+");
    std::vector<std::string> gaps;
    std::size_t pos = 0;
    for (const auto& fragment : fragments) {
        std::size_t at = html.find(fragment, pos);
        if (at == std::string::npos) return html;  // cannot happen: the matches come in order
        gaps.push_back(html.substr(pos, at - pos));
        pos = at + fragment.size();
    }
    gaps.push_back(html.substr(pos));

    // The whole match goes into the mark: a keyword that closes and opens groups of its own would
    // otherwise lose the text after its first group.
    const std::string replacement =
        isActive ? "<span class=\"kwselected\">$0</span>" : "<span class=\"kwdeselected\">$0</span>";
    for (const auto& keyword : *list) {
        if (fnd::utf16Length(keyword) < 2) continue;
        const std::string pattern = "(?i)(\\b" + keyword + "\\b)";
        for (auto& fragment : fragments) fragment = markOutsideTags(fragment, pattern, replacement);
    }
    std::string result = gaps[0];
    for (std::size_t i = 0; i < fragments.size(); ++i) result += fragments[i] + gaps[i + 1];
    return result;
}
