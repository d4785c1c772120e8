// The error log's model: attempts, counts, the four sort orders, tag search, clearing, and the
// sync information's rules and archive.

#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/errorlog/MBook.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/support/TestEnvironment.h"

namespace {

using Tags = std::vector<std::string>;

class ErrorLogModelTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        AbstractAppDelegate::registerClasses();
        clock->setWallTime(800000000);
        book = std::make_shared<MBook>("Book", "BK", std::nullopt, 1, 100, nullptr);
        section = std::make_shared<MSection>("Problem Solving", "PS", "", 5, 10, 40);
        book->addSection(section);
    }

    // Question `number` on page 10 + number / 3, right answer `right` (0: unknown).
    std::shared_ptr<MQuestion> add(int number, int right, std::optional<Tags> tags = std::nullopt) {
        MQuestion::Tags list = tags ? std::make_shared<const Tags>(*tags) : nullptr;
        auto q =
            std::make_shared<MQuestion>(book.get(), section.get(), 1, number, 10 + number / 3, right, list);
        section->addQuestion(q);
        return q;
    }
    static void answer(MQuestion& q, int letter, double seconds = 30, bool guess = false) {
        q.addHRecord(MHRecord::initWithDate(fnd::Date::now(), seconds, letter, guess));
    }
    std::vector<int> order() const {
        std::vector<int> numbers;
        for (const auto& q : section->questions()) numbers.push_back(q->number());
        return numbers;
    }

    std::shared_ptr<MBook> book;
    std::shared_ptr<MSection> section;
};

TEST_F(ErrorLogModelTest, TextsOfTypesAnswersAndTimes) {
    EXPECT_EQ(MBook::nameForType(6), "RCFirst");
    EXPECT_EQ(MBook::nameForType(1), "PS");
    EXPECT_FALSE(MBook::nameForType(0));
    EXPECT_FALSE(MBook::nameForType(7));
    EXPECT_FALSE(MBook::nameForType(-3));
    EXPECT_EQ(MHRecord::letterForAnswer(5), "E");
    EXPECT_FALSE(MHRecord::letterForAnswer(0));
    EXPECT_FALSE(MHRecord::letterForAnswer(6));
    EXPECT_FALSE(add(1, 0)->stringWithRightAnswer());
    for (auto [seconds, text] : std::vector<std::pair<double, std::string>>{{0, "00:00"},
                                                                            {0.5, "00:01"},
                                                                            {59, "00:59"},
                                                                            {59.2, "01:00"},
                                                                            {59.5, "01:00"},
                                                                            {754, "12:34"},
                                                                            {6000, "100:00"}})
        EXPECT_EQ(MHRecord::stringWithTime(seconds), text) << seconds;
}

TEST_F(ErrorLogModelTest, KeyNamesBookSectionPageAndNumber) { EXPECT_EQ(add(6, 2)->key(), "BK_PS_12_6"); }

TEST_F(ErrorLogModelTest, CountsUseTheLastAttemptAndSkipUnscoredQuestions) {
    auto wrongThenRight = add(1, 2);
    answer(*wrongThenRight, 4);
    answer(*wrongThenRight, 2);
    auto rightThenWrong = add(2, 3);
    answer(*rightThenWrong, 3);
    answer(*rightThenWrong, 1);
    auto emptyHistory = add(3, 1);
    emptyHistory->setHistory(MQuestion::History{});
    auto unscored = add(4, 0);
    answer(*unscored, 1);
    add(5, 1);  // never answered
    EXPECT_EQ(section->numberOfRightAnswers(), 1);
    EXPECT_EQ(section->numberOfWrongAnswers(), 2);
    EXPECT_EQ(book->numberOfRightAnswers(), 1);
    EXPECT_EQ(book->numberOfWrongAnswers(), 2);
    EXPECT_EQ(book->numberOfQuestions(), 5);
}

TEST_F(ErrorLogModelTest, SortByAnswerRanksWorstFirstAndUnscoredAsUnanswered) {
    auto rightTwice = add(1, 1);
    answer(*rightTwice, 1), answer(*rightTwice, 1);
    auto never = add(2, 1);
    auto rightOnce = add(3, 1);
    answer(*rightOnce, 1);
    auto wrongThenRight = add(4, 1);
    answer(*wrongThenRight, 2), answer(*wrongThenRight, 1);
    auto rightThenWrong = add(5, 1);
    answer(*rightThenWrong, 1), answer(*rightThenWrong, 2);
    auto wrongOnce = add(6, 1);
    answer(*wrongOnce, 3);
    auto wrongTwice = add(7, 1);
    answer(*wrongTwice, 3), answer(*wrongTwice, 4);
    auto unscored = add(8, 0);
    answer(*unscored, 3);
    auto empty = add(9, 1);
    empty->setHistory(MQuestion::History{});

    section->sortSection(MSection::kByAnswer);
    EXPECT_EQ(order(), (std::vector<int>{7, 6, 5, 4, 2, 8, 9, 3, 1}));
    EXPECT_EQ(section->sortType(), 3);
    section->sortSection(MSection::kByNumber);
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ErrorLogModelTest, SortByTimeAndGuessPutUnansweredLastInPageOrder) {
    auto a = add(1, 1);
    add(2, 1);
    auto c = add(3, 1);
    auto d = add(4, 1);
    add(5, 1)->setHistory(MQuestion::History{});
    answer(*a, 1, 20, true);
    answer(*c, 1, 90);
    answer(*d, 2, 45, true);
    section->sortSection(MSection::kByTime);
    EXPECT_EQ(order(), (std::vector<int>{3, 4, 1, 2, 5}));
    section->sortSection(MSection::kByGuess);
    EXPECT_EQ(order(), (std::vector<int>{1, 4, 3, 2, 5}));
    // Another sort type is stored and changes nothing.
    section->sortSection(5);
    EXPECT_EQ(section->sortType(), 5);
    EXPECT_EQ(order(), (std::vector<int>{1, 4, 3, 2, 5}));
    // A copy in page order leaves the live list alone.
    std::vector<int> copy;
    for (const auto& q : section->questionsByNumber()) copy.push_back(q->number());
    EXPECT_EQ(copy, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(order(), (std::vector<int>{1, 4, 3, 2, 5}));
}

TEST_F(ErrorLogModelTest, TagSearchMatchesEveryTextIgnoringCase) {
    add(1, 1, Tags{"Arithmetic", "Percents", "Hard"});
    add(2, 1, Tags{"Algebra", "Ratios", "Easy"});
    add(3, 1, Tags{"Arithmetic", "Rational Numbers", "Hard"});
    add(4, 1);
    auto numbers = [](const std::vector<std::shared_ptr<MQuestion>>& found) {
        std::vector<int> n;
        for (const auto& q : found) n.push_back(q->number());
        return n;
    };
    EXPECT_EQ(numbers(section->searchTags({"arithmetic", "HARD"})), (std::vector<int>{1, 3}));
    EXPECT_EQ(numbers(section->searchTags({"ratio"})), (std::vector<int>{2, 3}));
    EXPECT_EQ(numbers(section->searchTags({})), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(section->searchTags({""}).empty());
    EXPECT_TRUE(section->searchTags({"Percents", "Easy"}).empty());
    MSection empty("Data Sufficiency", "DS", "", 6, 1, 2);
    EXPECT_TRUE(empty.searchTags({}).empty());
}

TEST_F(ErrorLogModelTest, ClearingDropsHistoriesAndMarksTheSectionCleared) {
    MSection empty("Data Sufficiency", "DS", "", 6, 1, 2);
    empty.clearHistory();
    ASSERT_TRUE(empty.syncInfo()->clearTime());

    answer(*add(1, 1), 1);
    answer(*add(2, 1), 2);
    clock->setWallTime(800000100);
    book->clearHistory();
    EXPECT_EQ(section->numberOfRightAnswers() + section->numberOfWrongAnswers(), 0);
    EXPECT_FALSE(section->questions()[0]->history());
    const SyncInfo& info = *section->syncInfo();
    EXPECT_EQ(info.clearTime(), fnd::Date(800000100));
    EXPECT_EQ(info.updateTime(), fnd::Date(800000100));
    EXPECT_EQ(info.syncVector().at("*"), fnd::Date(800000100));
}

TEST_F(ErrorLogModelTest, SyncInfoComparesWithinFiveMillisecondsAndKnowsWhenItIsDirty) {
    fnd::Date t(1000);
    EXPECT_EQ(SyncInfo::compareLessStrictly(t, t.addingTimeInterval(0.004)), 0);
    EXPECT_EQ(SyncInfo::compareLessStrictly(t, t.addingTimeInterval(0.006)), -1);
    EXPECT_EQ(SyncInfo::compareLessStrictly(t.addingTimeInterval(0.006), t), 1);

    auto info = SyncInfo::initWithData();
    EXPECT_FALSE(info->isDirtyAgainstTime(std::nullopt));
    EXPECT_FALSE(info->isDirtyAgainstTime(fnd::Date(0)));
    info->updated();
    EXPECT_TRUE(info->isDirtyAgainstTime(std::nullopt));
    EXPECT_TRUE(info->isDirtyAgainstTime(fnd::Date(800000000 - 1)));
    EXPECT_FALSE(info->isDirtyAgainstTime(fnd::Date(800000000 - 0.004)));
    EXPECT_FALSE(info->isDirtyAgainstTime(fnd::Date(800000001)));
}

TEST_F(ErrorLogModelTest, SyncInfoJsonAndMergeOfWireTexts) {
    auto info = SyncInfo::initWithData();
    info->updated();
    fnd::JsonValue json = info->proxyForJson();
    EXPECT_EQ(json["u"]["*"].asString(), SyncInfo::wireText(fnd::Date(800000000)));
    EXPECT_EQ(json["cr"].asString(), "20260509061320.000");
    EXPECT_FALSE(json.contains("cl"));
    EXPECT_EQ(SyncInfo::dateFromWireText("20260509061320.250"), fnd::Date(800000000.25));
    EXPECT_FALSE(SyncInfo::dateFromWireText("2026-05-09"));

    info->syncedInWithSyncVector({{"*", "20260509061330.000"}, {"x", "junk"}}, {{"*", "junk"}}, std::nullopt);
    EXPECT_EQ(info->syncVector().at("*"), fnd::Date(800000010));
    EXPECT_FALSE(info->syncVector().contains("x"));
    EXPECT_FALSE(info->updateTime());
    EXPECT_FALSE(info->clearTime());
    info->syncedInWithSyncVector({}, {}, std::string("20260509061320.000"));
    EXPECT_EQ(info->clearTime(), fnd::Date(800000000));
    EXPECT_TRUE(info->proxyForJson().contains("cl"));
    info->syncedInWithSyncVector({}, {}, std::string("never"));
    EXPECT_FALSE(info->clearTime());
}

TEST_F(ErrorLogModelTest, RecordsAndSyncInfoRoundTripAndReadDamagedValuesSafely) {
    auto info = SyncInfo::initWithData();
    info->cleared();
    auto root = fnd::ArchiveValue::makeDictionary();
    (*root)["info"] = fnd::ArchiveValue(info);
    (*root)["record"] = fnd::ArchiveValue(MHRecord::initWithDate(fnd::Date(5), 75.5, 3, true));
    auto bytes = fnd::KeyedArchiver::archive("root", root);
    ASSERT_TRUE(bytes);
    auto back = fnd::KeyedUnarchiver::unarchive(*bytes, "root").dictionary();
    ASSERT_TRUE(back);
    auto record = back->at("record").object<MHRecord>();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->date(), fnd::Date(5));
    EXPECT_EQ(record->time(), 75.5);
    EXPECT_EQ(record->answer(), 3);
    EXPECT_TRUE(record->fguess());
    auto info2 = back->at("info").object<SyncInfo>();
    ASSERT_TRUE(info2);
    EXPECT_EQ(info2->clearTime(), info->clearTime());
    EXPECT_EQ(info2->createTime(), info->createTime());
    EXPECT_EQ(info2->syncVector(), info->syncVector());

    // A record without a guess mark, and sync vectors holding values that are not dates.
    class Foreign : public fnd::Object, public fnd::Coding {
      public:
        void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
            coder.encodeInt32("kAnswer", 2);
            auto vector = fnd::ArchiveValue::makeDictionary();
            (*vector)["*"] = fnd::ArchiveValue("not a date");
            coder.encodeObject("syncVector", vector);
            coder.encodeString("clearTime", "text");
        }
        void initWithCoder(fnd::KeyedUnarchiver&) override {}
    };
    // The same keys read as a record and as sync information.
    auto& classes = fnd::ClassRegistry::shared();
    auto foreignAs = [&](const char* name) {
        classes.registerClass<Foreign>(name);
        auto bytes = fnd::KeyedArchiver::archive("root", fnd::ArchiveValue(std::make_shared<Foreign>()));
        classes.registerClass<MHRecord>(MHRecord::kClassName);
        classes.registerClass<SyncInfo>(SyncInfo::kClassName);
        return fnd::KeyedUnarchiver::unarchive(bytes.value(), "root");
    };
    auto old = foreignAs(MHRecord::kClassName).object<MHRecord>();
    ASSERT_TRUE(old);
    EXPECT_FALSE(old->fguess());
    EXPECT_EQ(old->answer(), 2);
    EXPECT_FALSE(old->date());
    auto damaged = foreignAs(SyncInfo::kClassName).object<SyncInfo>();
    ASSERT_TRUE(damaged);
    EXPECT_TRUE(damaged->syncVector().empty());
    EXPECT_FALSE(damaged->clearTime());
}

}  // namespace
