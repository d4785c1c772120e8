#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

#include "Classes/game/MGameLevel.h"
#include "Classes/game/MGameTopic.h"
#include "Classes/game/MGameTopics.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {

using Row = std::tuple<int, int, int>;

std::vector<Row> ladder(const MGameTopic& topic) {
    std::vector<Row> rows;
    for (const auto& level : topic.levels())
        rows.emplace_back(level->startTestLevel(), level->endTestLevel(), level->numberOfQuestions());
    return rows;
}

const MGameTopic& topicNamed(const MGameTopics& topics, const std::string& name) {
    for (const auto& topic : topics.topics())
        if (topic->name() == name) return *topic;
    throw std::runtime_error("no topic " + name);
}

std::map<std::string, std::string> asStrings(const fnd::ArchiveDictionary& history) {
    std::map<std::string, std::string> out;
    for (const auto& [key, value] : history)
        out[key.text()] = value.string() ? *value.string() : "<not a string>";
    return out;
}

TEST(GameTopicsTest, ThreeTopicsWithTheirLaddersAndOnlyTheFirstLevelsOpen) {
    MGameTopics topics;
    ASSERT_EQ(topics.topics().size(), 3u);
    EXPECT_EQ(topics.topics()[0]->name(), "Properties of Integers");
    EXPECT_EQ(topics.topics()[1]->name(), "Percents");
    EXPECT_EQ(topics.topics()[2]->name(), "Probability and Counting");

    const std::vector<Row> fifteen = {{420, 520, 12}, {440, 540, 12}, {460, 560, 12}, {480, 580, 12},
                                      {500, 600, 24}, {520, 620, 12}, {540, 640, 12}, {560, 660, 12},
                                      {580, 680, 12}, {600, 700, 24}, {620, 720, 12}, {640, 740, 12},
                                      {660, 760, 12}, {680, 780, 12}, {700, 800, 24}};
    const std::vector<Row> percents = {{430, 530, 12}, {460, 560, 12}, {490, 590, 12}, {520, 620, 12},
                                       {550, 650, 24}, {580, 680, 12}, {610, 710, 12}, {640, 740, 12},
                                       {670, 770, 12}, {700, 800, 24}};
    EXPECT_EQ(ladder(*topics.topics()[0]), fifteen);
    EXPECT_EQ(ladder(*topics.topics()[1]), percents);
    EXPECT_EQ(ladder(*topics.topics()[2]), fifteen);

    for (const auto& topic : topics.topics()) {
        EXPECT_EQ(topic->startScore(), 0);
        EXPECT_EQ(topic->score(), 0);
        for (std::size_t i = 0; i < topic->levels().size(); ++i) {
            EXPECT_EQ(topic->levels()[i]->isLocked(), i != 0);
            EXPECT_EQ(topic->levels()[i]->highScore(), 0);
            EXPECT_FALSE(topic->levels()[i]->keywords());
        }
    }
}

TEST(GameTopicsTest, HalfStarsAndTopicScores) {
    MGameLevel twelve(420, 520, 12);
    MGameLevel twentyFour(500, 600, 24);
    EXPECT_EQ(twelve.maxScore(), 2700);
    EXPECT_EQ(twentyFour.maxScore(), 5100);
    // The first score of each half star, and the last score before it.
    const std::vector<int> from12 = {833, 1368, 1635, 1902, 2169, 2436};
    const std::vector<int> from24 = {1833, 2768, 3235, 3703, 4170, 4638};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(MGameLevel::semistarsForLevel(twelve, from12[i]), i + 1) << from12[i];
        EXPECT_EQ(MGameLevel::semistarsForLevel(twelve, from12[i] - 1), i) << from12[i] - 1;
        EXPECT_EQ(MGameLevel::semistarsForLevel(twentyFour, from24[i]), i + 1) << from24[i];
        EXPECT_EQ(MGameLevel::semistarsForLevel(twentyFour, from24[i] - 1), i) << from24[i] - 1;
    }
    EXPECT_EQ(MGameLevel::semistarsForLevel(twelve, 0), 0);
    twelve.setHighScore(2700);
    EXPECT_EQ(twelve.semistars(), 6);

    MGameTopics topics;
    topics.topics()[0]->levels()[0]->setHighScore(2700);
    EXPECT_EQ(topics.topics()[0]->score(), 566);  // 2700 of 47700
    topics.topics()[0]->setStartScore();
    EXPECT_EQ(topics.topics()[0]->startScore(), 566);
    EXPECT_EQ(MGameTopic().score(), 0);
}

TEST(GameTopicsTest, HistoryHoldsEveryOpenLevelAndRestoresIt) {
    MGameTopics fresh;
    fnd::ArchiveDictionary history;
    fresh.fillHistoryDictionary(history);
    EXPECT_EQ(asStrings(history),
              (std::map<std::string, std::string>{{"Properties of Integers_420_520", "0"},
                                                  {"Percents_430_530", "0"},
                                                  {"Probability and Counting_420_520", "0"}}));

    MGameTopics topics;
    fnd::ArchiveDictionary stored{{"Percents_460_560", "1500"}};
    topics.restoreHistory(stored);
    const MGameTopic& percents = topicNamed(topics, "Percents");
    EXPECT_FALSE(percents.levels()[0]->isLocked());
    EXPECT_EQ(percents.levels()[0]->highScore(), 0);
    EXPECT_FALSE(percents.levels()[1]->isLocked());
    EXPECT_EQ(percents.levels()[1]->highScore(), 1500);
    EXPECT_TRUE(percents.levels()[2]->isLocked());
    EXPECT_EQ(percents.score(), 471);
    EXPECT_EQ(percents.startScore(), 471);

    MGameTopics untouched;
    untouched.restoreHistory(fnd::ArchiveDictionary{});
    fnd::ArchiveDictionary again;
    untouched.fillHistoryDictionary(again);
    EXPECT_EQ(asStrings(again), asStrings(history));
}

TEST(GameTopicsTest, StoredValuesAreReadLikeNumbersAndStrangeEntriesPassedOver) {
    auto list = fnd::ArchiveValue::makeArray();
    fnd::ArchiveDictionary stored{
        {"Properties of Integers_440_540", "  812 points"},  // the leading integer
        {"Properties of Integers_460_560", "none"},          // no number: open with 0
        {"Properties of Integers_480_580", fnd::ArchiveValue::integer(640)},
        {"Properties of Integers_500_600", "99999999999"},  // beyond an int
        {"Properties of Integers_520_620", list},           // not a value at all: stays locked
        {"Properties of Integers_400_500", "700"},          // a band that no longer exists
    };
    MGameTopics topics;
    topics.restoreHistory(stored);
    std::vector<std::pair<bool, int>> states;
    for (const auto& level : topics.topics()[0]->levels())
        states.emplace_back(level->isLocked(), level->highScore());
    states.resize(6);
    EXPECT_EQ(states, (std::vector<std::pair<bool, int>>{
                          {false, 0}, {false, 812}, {false, 0}, {false, 640}, {false, INT_MAX}, {true, 0}}));
}

TEST(GameTopicsTest, ProgressSurvivesTheRepositoryArchive) {
    MGameTopics played;
    auto& integers = played.topics()[0]->levels();
    integers[0]->setHighScore(2435);
    integers[1]->setIsLocked(false);  // won the first level, never won the second
    played.topics()[2]->levels()[0]->setHighScore(900);

    fnd::KeyedArchiver archiver;
    played.encodeHistory(archiver);
    auto bytes = archiver.finishEncoding();
    ASSERT_TRUE(bytes) << archiver.error();

    fnd::KeyedUnarchiver reader(*bytes);
    ASSERT_TRUE(reader.valid());
    MGameTopics loaded;
    loaded.restoreHistory(reader);
    fnd::ArchiveDictionary before, after;
    played.fillHistoryDictionary(before);
    loaded.fillHistoryDictionary(after);
    EXPECT_EQ(asStrings(after), asStrings(before));
    EXPECT_EQ(loaded.topics()[0]->levels()[0]->highScore(), 2435);
    EXPECT_FALSE(loaded.topics()[0]->levels()[1]->isLocked());
    EXPECT_EQ(loaded.topics()[0]->startScore(), 2435 * 10000 / 47700);

    // An archive of an older version without the key leaves the topics as built.
    fnd::KeyedArchiver other;
    other.encodeInt32("kversion", 3);
    auto otherBytes = other.finishEncoding();
    ASSERT_TRUE(otherBytes);
    fnd::KeyedUnarchiver otherReader(*otherBytes);
    MGameTopics untouched;
    untouched.restoreHistory(otherReader);
    fnd::ArchiveDictionary history;
    untouched.fillHistoryDictionary(history);
    EXPECT_EQ(history.size(), 3u);
}

}  // namespace
