#include "Classes/game/MGameTopics.h"

#include <cctype>
#include <climits>
#include <string>

#include "Classes/game/MGameLevel.h"
#include "Classes/game/MGameTopic.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {

std::string historyKey(const MGameTopic& topic, const MGameLevel& level) {
    return topic.name() + "_" + std::to_string(level.startTestLevel()) + "_" +
           std::to_string(level.endTestLevel());
}

// The integer a text begins with, after blanks and an optional sign; 0 when there is none, and the
// nearest int when it is out of range.
int leadingInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::optional<int> storedHighScore(const fnd::ArchiveValue& value) {
    if (const std::string* text = value.string()) return leadingInt(*text);
    if (auto number = value.int64Value()) {
        if (*number > INT_MAX) return INT_MAX;
        if (*number < INT_MIN) return INT_MIN;
        return static_cast<int>(*number);
    }
    return std::nullopt;
}

}  // namespace

MGameTopics::MGameTopics() { populate(); }

void MGameTopics::populate() {
    topics_.push_back(MGameTopic::makeAsPropertiesOfNumbers());
    topics_.push_back(MGameTopic::makeAsPercent());
    topics_.push_back(MGameTopic::makeAsProbabilityAndCounting());
}

void MGameTopics::fillHistoryDictionary(fnd::ArchiveDictionary& history) const {
    for (const auto& topic : topics_)
        for (const auto& level : topic->levels())
            if (!level->isLocked())
                history.insert_or_assign(historyKey(*topic, *level), std::to_string(level->highScore()));
}

void MGameTopics::restoreHistory(const fnd::ArchiveDictionary& history) {
    for (const auto& topic : topics_) {
        for (const auto& level : topic->levels()) {
            auto entry = history.find(historyKey(*topic, *level));
            if (entry == history.end()) continue;
            if (auto score = storedHighScore(entry->second)) {
                level->setHighScore(*score);
                level->setIsLocked(false);
            }
        }
        topic->setStartScore();
    }
}

void MGameTopics::encodeHistory(fnd::KeyedArchiver& coder) const {
    auto history = fnd::ArchiveValue::makeDictionary();
    fillHistoryDictionary(*history);
    coder.encodeObject(kHistoryKey, history);
}

void MGameTopics::restoreHistory(fnd::KeyedUnarchiver& coder) {
    if (!coder.containsValueForKey(kHistoryKey)) return;
    if (auto history = coder.decodeDictionary(kHistoryKey)) restoreHistory(*history);
}
