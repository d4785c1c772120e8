#include "Classes/library_store/MIBIndex.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "Classes/library_store/MIBHRecord.h"
#include "Classes/library_store/MIBQuestion.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/JsonValue.h"

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

// The text as UTF-8: a UTF-8 byte-order mark is dropped, UTF-16 with a mark is converted (an
// unpaired surrogate becomes U+FFFD); anything else is taken as UTF-8.
std::string decodeText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
    bool little = bytes.starts_with("\xFF\xFE");
    if (!little && !bytes.starts_with("\xFE\xFF")) return std::string(bytes);
    auto unit = [&](std::size_t at) -> char16_t {
        auto lo = static_cast<unsigned char>(bytes[at + (little ? 0 : 1)]);
        auto hi = static_cast<unsigned char>(bytes[at + (little ? 1 : 0)]);
        return static_cast<char16_t>(hi << 8 | lo);
    };
    std::string out;
    for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
        char16_t u = unit(at);
        if (u >= 0xd800 && u < 0xdc00 && at + 3 < bytes.size() && unit(at + 2) >= 0xdc00 &&
            unit(at + 2) < 0xe000) {
            appendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xd800) << 10) + (unit(at + 2) - 0xdc00));
            at += 2;
        } else {
            appendUtf8(out, u >= 0xd800 && u < 0xe000 ? 0xfffd : u);
        }
    }
    return out;
}

// A section as it stands in a key: a text as it is, a number in its plain decimal form.
std::string sectionText(const fnd::JsonValue& value) {
    if (value.isString()) return value.asString();
    if (value.kind() == fnd::JsonValue::Kind::Integer) return std::to_string(value.asInteger());
    if (value.isNumber()) {
        char text[64];
        std::snprintf(text, sizeof text, "%.15g", value.asReal());
        return text;
    }
    return "";
}

int numberValue(const fnd::JsonValue& value) {
    if (value.isString()) return static_cast<int>(std::strtol(value.asString().c_str(), nullptr, 10));
    return static_cast<int>(value.asInteger());
}

void count(MIBStats& stats, const MIBQuestion& question) {
    ++stats.numberOfTotal;
    if (!question.history() || question.history()->empty()) return;
    if (question.history()->back()->isRight())
        ++stats.numberOfRight;
    else
        ++stats.numberOfWrong;
}

}  // namespace

MIBIndex::MIBIndex(std::string bookName) : bookName_(std::move(bookName)) {}

std::shared_ptr<MIBIndex> MIBIndex::initWithContentsOfFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::make_shared<MIBIndex>();
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return initWithText(bytes);
}

std::shared_ptr<MIBIndex> MIBIndex::initWithText(std::string_view text) {
    auto index = std::make_shared<MIBIndex>();
    std::optional<fnd::JsonValue> json = fnd::Json::parse(decodeText(text));
    if (!json || !json->isMap()) return index;
    const fnd::JsonValue& root = *json;
    index->bookName_ = root["name"].asString();
    for (const fnd::JsonValue& entry : root["questions"].asArray()) {
        if (!entry.isMap()) continue;
        std::optional<MIBQuestion::Tags> tags;
        if (entry["tags"].isArray()) {
            tags.emplace();
            for (const fnd::JsonValue& tag : entry["tags"].asArray())
                if (tag.isString()) tags->push_back(tag.asString());
        }
        index->addQuestion(std::make_shared<MIBQuestion>(index->bookName_, sectionText(entry["section"]),
                                                         numberValue(entry["number"]), std::move(tags),
                                                         std::nullopt));
    }
    if (root["fileNameSectionDict"].isMap()) {
        index->fileNameSectionDict_.emplace();
        for (const auto& [file, sections] : root["fileNameSectionDict"].asMap()) {
            std::vector<std::string>& list = (*index->fileNameSectionDict_)[file];
            for (const fnd::JsonValue& section : sections.asArray()) list.push_back(sectionText(section));
        }
    }
    return index;
}

void MIBIndex::addQuestion(std::shared_ptr<MIBQuestion> question) {
    std::string key = question->key();
    questionDict_[key] = std::move(question);
}

void MIBIndex::addHistoryFromHistoryDictionary(const HistoryDictionary& dictionary) {
    if (dictionary.empty()) return;
    for (auto& [key, question] : questionDict_) {
        auto found = dictionary.find(key);
        question->setHistory(found == dictionary.end() ? std::nullopt
                                                       : std::optional<MIBQuestion::History>(found->second));
    }
}

void MIBIndex::fillHistoryDictionary(HistoryDictionary& dictionary) const {
    for (const auto& [key, question] : questionDict_) {
        if (question->history())
            dictionary[key] = *question->history();
        else if (auto found = dictionary.find(key); found != dictionary.end())
            dictionary.erase(found);
    }
}

void MIBIndex::deleteHistory() {
    for (auto& [key, question] : questionDict_) question->setHistory(std::nullopt);
}

MIBStats MIBIndex::statsForFileName(const std::string& fileName) const {
    MIBStats stats;
    if (!fileNameSectionDict_) return stats;
    auto sections = fileNameSectionDict_->find(fileName);
    if (sections == fileNameSectionDict_->end()) return stats;
    for (const auto& [key, question] : questionDict_) {
        for (const std::string& section : sections->second) {
            if (key.starts_with(bookName_ + "_" + section)) {
                count(stats, *question);
                break;
            }
        }
    }
    return stats;
}

MIBStats MIBIndex::statsForKeys(const std::optional<std::vector<std::string>>& keys,
                                const std::optional<std::vector<std::string>>& tags) const {
    std::vector<const MIBQuestion*> questions;
    if (keys) {
        for (const std::string& key : *keys)
            if (auto found = questionDict_.find(key); found != questionDict_.end())
                questions.push_back(found->second.get());
    } else {
        for (const auto& [key, question] : questionDict_) questions.push_back(question.get());
    }
    MIBStats stats;
    for (const MIBQuestion* question : questions) {
        if (!tags) {
            count(stats, *question);
            continue;
        }
        if (!question->tags()) continue;
        for (const std::string& own : *question->tags())
            for (const std::string& wanted : *tags)
                if (own == wanted) count(stats, *question);
    }
    return stats;
}

MIBStats MIBIndex::statsForKey(const std::string& key) const {
    return statsForKeys(std::vector<std::string>{key}, std::nullopt);
}

MIBStats MIBIndex::statsForTag(const std::string& tag) const {
    return statsForKeys(std::nullopt, std::vector<std::string>{tag});
}
