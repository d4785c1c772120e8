#include "Classes/library_store/MIBHRecord.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MIBQuestion.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/support/TestEnvironment.h"

namespace {

std::shared_ptr<MIBHRecord> answer(bool right) {
    return std::make_shared<MIBHRecord>(std::nullopt, 0, right, right ? "B" : "A");
}

constexpr const char* kIndex = R"({
  "name": "Bk",
  "questions": [
    {"section": "1", "number": 1, "tags": ["Ratios", "Algebra"]},
    {"section": "1", "number": 2, "tags": ["Ratios"]},
    {"section": "10", "number": "3", "tags": ["Algebra"]},
    {"section": 2, "number": 1},
    {"section": "1", "number": 2, "tags": ["Replaced"]}
  ],
  "fileNameSectionDict": {"one.html": ["1"], "two.html": [2]}
})";

class IBIndexTest : public testing_support::TestEnvironment {};

TEST_F(IBIndexTest, ReadsQuestionsKeysAndFileSections) {
    auto index = MIBIndex::initWithText(kIndex);
    EXPECT_EQ(index->bookName(), "Bk");
    std::vector<std::string> keys;
    for (const auto& [key, question] : index->questionDict()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"Bk_10_3", "Bk_1_1", "Bk_1_2", "Bk_2_1"}));
    EXPECT_TRUE(index->questionDict().at("Bk_1_2")->hasTag("Replaced"));
    EXPECT_FALSE(index->questionDict().at("Bk_2_1")->tags());
    ASSERT_TRUE(index->fileNameSectionDict());
    EXPECT_EQ(index->fileNameSectionDict()->at("two.html"), std::vector<std::string>{"2"});

    // UTF-16 with a byte-order mark reads the same.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string(R"({"name":"B\u00e9","questions":[{"section":"1","number":1}]})"))
        utf16 += c, utf16 += '\0';
    EXPECT_EQ(MIBIndex::initWithText(utf16)->bookName(), "B\xc3\xa9");

    for (const char* bad : {"", "[1,2]", "{\"name\": ", "not json"}) {
        auto empty = MIBIndex::initWithText(bad);
        EXPECT_EQ(empty->bookName(), "");
        EXPECT_TRUE(empty->questionDict().empty());
        EXPECT_FALSE(empty->fileNameSectionDict());
    }
    EXPECT_TRUE(MIBIndex::initWithContentsOfFile(temporary / "missing.txt")->questionDict().empty());
}

TEST_F(IBIndexTest, StatisticsCountTheLastAnswerAndUseAPrefixTestForSections) {
    auto index = MIBIndex::initWithText(kIndex);
    index->questionDict().at("Bk_1_1")->addIBHRecord(answer(false));
    index->questionDict().at("Bk_1_1")->addIBHRecord(answer(true));
    index->questionDict().at("Bk_10_3")->addIBHRecord(answer(false));

    // Section "1" also takes in section "10".
    EXPECT_EQ(index->statsForFileName("one.html"), (MIBStats{3, 1, 1}));
    EXPECT_EQ(index->statsForFileName("two.html"), (MIBStats{1, 0, 0}));
    EXPECT_EQ(index->statsForFileName("three.html"), (MIBStats{}));
    EXPECT_EQ(index->statsForKey("Bk_1_1"), (MIBStats{1, 1, 0}));
    EXPECT_EQ(index->statsForKey("nope"), (MIBStats{}));
    EXPECT_EQ(index->statsForTag("Algebra"), (MIBStats{2, 1, 1}));
    // A question with two of the given tags counts twice.
    EXPECT_EQ(index->statsForKeys(std::nullopt, std::vector<std::string>{"Ratios", "Algebra"}),
              (MIBStats{3, 2, 1}));
    EXPECT_EQ(index->statsForKeys(std::vector<std::string>{"Bk_1_1", "Bk_2_1"}, std::nullopt),
              (MIBStats{2, 1, 0}));
}

TEST_F(IBIndexTest, HistoriesMoveToAndFromTheRepositoryDictionary) {
    auto index = MIBIndex::initWithText(kIndex);
    MIBIndex::HistoryDictionary stored{{"Bk_1_1", {answer(true)}}, {"Other_1_1", {answer(false)}}};
    index->questionDict().at("Bk_1_2")->addIBHRecord(answer(false));

    index->addHistoryFromHistoryDictionary({});
    EXPECT_TRUE(index->questionDict().at("Bk_1_2")->history());  // an empty dictionary changes nothing
    index->addHistoryFromHistoryDictionary(stored);
    EXPECT_FALSE(index->questionDict().at("Bk_1_2")->history());  // cleared: its key is not stored
    ASSERT_TRUE(index->questionDict().at("Bk_1_1")->history());

    index->questionDict().at("Bk_2_1")->addIBHRecord(answer(true));
    index->fillHistoryDictionary(stored);
    EXPECT_EQ(stored.size(), 3u);
    EXPECT_TRUE(stored.count("Bk_2_1"));

    index->deleteHistory();
    index->fillHistoryDictionary(stored);
    EXPECT_EQ(stored.size(), 1u);
    EXPECT_TRUE(stored.count("Other_1_1"));
}

TEST_F(IBIndexTest, AnswerTimesAndTheirArchive) {
    auto text = [](double seconds) {
        return MIBHRecord(std::nullopt, seconds, true, std::nullopt).stringWithTime();
    };
    EXPECT_EQ(text(0), "00:00");
    EXPECT_EQ(text(59.2), "01:00");
    EXPECT_EQ(text(60.2), "01:01");
    EXPECT_EQ(text(7499.5), "125:00");

    auto record = std::make_shared<MIBHRecord>(fnd::Date(1000.5), 42.25, true, "C");
    auto bytes = fnd::KeyedArchiver::archive("r", record);
    ASSERT_TRUE(bytes);
    auto back = fnd::KeyedUnarchiver::unarchive(*bytes, "r").object<MIBHRecord>();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->date()->timeIntervalSinceReferenceDate(), 1000.5);
    EXPECT_EQ(back->time(), 42.25);
    EXPECT_TRUE(back->isRight());
    EXPECT_EQ(back->answer(), "C");
}

}  // namespace
