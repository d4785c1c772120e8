// The practice answers' text backup of a small fixture, compared whole (a set without answers,
// forum addresses that give topic number 0), the mail body arriving whole, and the restore: into
// fresh data, twice, the duplicate windows, lines that add nothing, and what does not match.

#include <gtest/gtest.h>

#include <sstream>

#include "Classes/core/TextBackup.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/PracticeBackup.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/TimeZone.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

namespace {

using practice_test::addQuestion;
using Counts = PracticeBackup::Counts;

// 15 March 2026, 14:05:09 UTC.
const double kDay = fnd::Date::fromUnix(1773583509).timeIntervalSinceReferenceDate();
const std::string kRule(48, '-');
const std::string kForum = "https://forum.example.org/viewtopic.php?f=1&t=";

class PracticeBackupTest : public testing::Test {
  protected:
    void SetUp() override {
        fnd::TimeZone::setCurrent(fnd::TimeZone::gmt());
        sets = fixture();
        answer(0, 0, 2, 65.2, 0);
        answer(0, 0, 3, 30, 3600);
        answer(0, 2, 1, 5, 7200);
        answer(1, 0, 4, 40, 86400);
        answer(1, 1, 5, 12, 86400);
        answer(1, 3, 1, 7, 86400);
    }
    void TearDown() override { fnd::TimeZone::resetCurrent(); }

    // A built-in set of three questions, the forum set of four (a topic address, one of eight
    // digits, one that ends in letters, and none) and a custom set whose question has no answer.
    static PracticeBackup::Sets fixture() {
        auto built = MQSet::make(1000, "Test Set A", " (fixture)", "Sets_myset.png", true);
        addQuestion(built, 1, 1, 2);
        addQuestion(built, 2, 2, 1);
        addQuestion(built, 3, 3, 5);
        auto forum = MQSet::make(MQSet::kForumSetUID, "Forum", "", "Sets_myset.png", true);
        for (auto [number, type, address] : {std::tuple{1, 1, kForum + "123456"},
                                             {2, 2, kForum + "12345678"},
                                             {3, 4, kForum + "99x"},
                                             {4, 3, std::string()}}) {
            auto q = addQuestion(forum, number, type, 1);
            if (!address.empty()) q->setThreadURL(address);
            q->setupKey();
        }
        auto mine = MQSet::make(7001, "Mine", "", "Sets_custom.png", false);
        addQuestion(mine, 1, 1, 1);
        return {built, forum, mine};
    }
    void answer(std::size_t set, std::size_t question, int choice, double seconds, double after) {
        practice_test::answer(sets[set]->questions()[question], choice, seconds, kDay + after);
    }
    static std::string line(const std::string& fields) { return "Practice-" + fields + ";\n"; }
    const MQSetQuestion& question(std::size_t set, std::size_t index) const {
        return *sets[set]->questions()[index];
    }

    PracticeBackup::Sets sets;
};

TEST_F(PracticeBackupTest, TheBackupHasAHeadingPerSetAndALinePerRecordOldestFirst) {
    EXPECT_EQ(
        PracticeBackup::backupText(sets),
        std::string(PracticeBackup::kBanner) + "\n\n" + kRule + "\nTest Set A (fixture)\n" + kRule + "\n\n" +
            line("1000-PS-1-01:06-[2]-14:05:09|03152026") + line("1000-PS-1-00:30-[3]-15:05:09|03152026") +
            line("1000-SC-3-00:05-[1]-16:05:09|03152026") + "\n\n" + kRule + "\nForum\n" + kRule + "\n\n" +
            line("90000-PS-123456-00:40-[4]-14:05:09|03162026") +
            line("90000-DS-0-00:12-[5]-14:05:09|03162026") + line("90000-SC-0-00:07-[1]-14:05:09|03162026") +
            "\n\n" + kRule + "\nMine\n" + kRule + "\n\n");
}

TEST_F(PracticeBackupTest, TheMailBodyArrivesWholeWhateverTheSetsAreCalled) {
    sets[0]->setSetName("R&D #1 + 2 = 3? 100%\nsecond line");
    std::string text = PracticeBackup::backupText(sets);
    std::string url = TextBackup::mailURL(text);
    const std::string head = "mailto:?subject=Tovrida&body=";
    ASSERT_EQ(url.substr(0, head.size()), head);
    std::string escaped = url.substr(head.size());
    EXPECT_EQ(escaped.find_first_of("&#+=?\n "), std::string::npos);
    EXPECT_EQ(fnd::percentUnescape(escaped), text);
}

TEST_F(PracticeBackupTest, ABackupRestoresIntoFreshDataOnceAndTwiceAddsNothing) {
    std::string backup = PracticeBackup::backupText(sets);
    EXPECT_EQ(PracticeBackup::restore(sets, backup), (Counts{0, 6}));  // all there
    PracticeBackup::Sets fresh = fixture();
    // Four lines name their question; the forum's topic number 0 names none.
    EXPECT_EQ(PracticeBackup::restore(fresh, "some words first\n" + backup), (Counts{4, 6}));
    EXPECT_EQ(PracticeBackup::restore(fresh, backup), (Counts{0, 6}));
    // The same histories, times in whole seconds as written.
    std::istringstream lines(backup);
    std::string expected;
    for (std::string l; std::getline(lines, l);)
        if (l.find("-0-") == std::string::npos) expected += l + "\n";
    EXPECT_EQ(PracticeBackup::backupText(fresh), expected);
    const MQSetHRecord& first = *fresh[0]->questions()[0]->history().front();
    EXPECT_EQ(first.time(), 66);
    EXPECT_EQ(first.date(), fnd::Date(kDay));
    EXPECT_EQ(first.stringWithAnswer(), "[2]");
    EXPECT_FALSE(fresh[1]->questions()[1]->hasHistory());
}

TEST_F(PracticeBackupTest, DuplicatesAreTheSameAnswerWithinTwoSecondsAndAMinute) {
    struct Case {
        const char* second;
        std::size_t records;
    } cases[] = {
        {"1000-DS-2-01:00-[4]-10:00:30|01012026", 1},  // 30 s later
        {"1000-DS-2-01:00-[4]-10:00:59|01012026", 1},  // 59 s
        {"1000-DS-2-01:00-[4]-09:59:01|01012026", 1},  // 59 s earlier
        {"1000-DS-2-01:00-[4]-10:02:00|01012026", 2},  // 2 minutes
        {"1000-DS-2-01:01-[4]-10:00:00|01012026", 1},  // a second longer
        {"1000-DS-2-01:02-[4]-10:00:00|01012026", 2},  // two seconds longer
        {"1000-DS-2-01:00-[3]-10:00:00|01012026", 2},  // another answer
    };
    for (const auto& c : cases) {
        sets = fixture();
        std::string text = line("1000-DS-2-01:00-[4]-10:00:00|01012026") + line(c.second);
        EXPECT_EQ(PracticeBackup::restore(sets, text), (Counts{int(c.records), 2})) << c.second;
        EXPECT_EQ(question(0, 1).history().size(), c.records) << c.second;
    }
}

TEST_F(PracticeBackupTest, FoundLinesThatNameNothingOrCannotBeReadAddNothing) {
    sets = fixture();
    std::string found = line("1000-PS-1-01:00-[9]-10:00:00|01012026") +    // no such choice
                        line("1000-PS-1-01:00-[0]-10:00:00|01012026") +    //
                        line("1000-PS-1-01:00-[x]-10:00:00|01012026") +    // no choice at all
                        line("1000-PS-1-01:00-[1,2]-10:00:00|01012026") +  // two
                        line("1000-PS-1-01:00-[2.5]-10:00:00|01012026") +  //
                        line("1000-PS-1-01:00-[1]-ab:cd:ef|ghijklmn") +    // a date that does not read
                        line("1000-PS-1-01:00-[1]-10:60:00|01012026") +    // nor a minute 60
                        line("1000-PS-1-01:00-[1]-10:00:00|02302026") +    // nor 30 February
                        line("1000-PS-1-01:00-[1]-10:00:00|0101202") +     // a digit short: ";" is the 17th
                        line("4242-PS-1-01:00-[1]-10:00:00|01012026") +    // no such set
                        line("99999999999999999999-PS-1-01:00-[1]-10:00:00|01012026") +  //
                        line("1000-PS-99-01:00-[1]-10:00:00|01012026") +                 // no such number
                        line("1000-PS-0-01:00-[1]-10:00:00|01012026") +                  // nor 0
                        line("1000-DS-1-01:00-[1]-10:00:00|01012026") +                  // another type
                        line("1000-XY-1-01:00-[1]-10:00:00|01012026");                   // no type at all
    std::string unmatched = line("1000-PS-1-01:00-[-1]-10:00:00|01012026") +             // eight parts
                            line("1000-PS-1-100:00-[1]-10:00:00|01012026") +             // 100 minutes
                            line("1000-PS-1-01:00-[]-10:00:00|01012026") +               // no answer
                            "practice-1000-PS-1-01:00-[1]-10:00:00|01012026;\n";
    EXPECT_EQ(PracticeBackup::restore(sets, found + unmatched), (Counts{0, 15}));
    for (const auto& set : sets)
        for (const auto& q : set->questions()) EXPECT_FALSE(q->hasHistory()) << q->key();
    EXPECT_EQ(PracticeBackup::restore(sets, ""), (Counts{0, 0}));
    EXPECT_EQ(PracticeBackup::restore(sets, unmatched), (Counts{0, 0}));
    // A good line among them still restores.
    EXPECT_EQ(
        PracticeBackup::restore(sets, found + line("1000-PS-1-01:00-[1]-10:00:00|01012026") + unmatched),
        (Counts{1, 16}));
    EXPECT_EQ(TextBackup::label({1, 16}), "1/16");
}

TEST(PracticeBackupTopics, TheTopicNumberEndsTheForumAddress) {
    struct Case {
        std::string address;
        std::int32_t topic;
    } cases[] = {
        {kForum + "123456", 123456}, {kForum + "1234567", 1234567}, {kForum + "12345678", 0},
        {kForum + "12x", 0},         {kForum + "12#end", 0},        {"no topic at all", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(PracticeBackup::topicNumber(c.address), c.topic) << c.address;
}

}  // namespace
