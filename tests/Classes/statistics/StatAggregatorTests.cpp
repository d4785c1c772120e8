// Answer outcomes gathered from practice and the error log: which type takes which question, right
// and wrong, date order across both sources, the time total, and what is left out.

#include <gtest/gtest.h>

#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/statistics/StatAggregator.h"
#include "tests/support/StatisticsFixtures.h"

namespace {

using statistics_test::ErrorLogFixture;
using statistics_test::PracticeFixture;

std::vector<double> datesOf(const StatAggregator& aggregator) {
    std::vector<double> dates;
    for (const auto& r : aggregator.statRecords()) dates.push_back(r.date().timeIntervalSinceReferenceDate());
    return dates;
}

TEST(StatAggregator, EmptySourcesGiveNothing) {
    auto snapshot = StatSnapshot::take({}, {});
    StatAggregator all(*snapshot, 0);
    EXPECT_TRUE(all.statRecords().empty());
    EXPECT_EQ(all.totalTime(), 0);
    EXPECT_EQ(all.coveredPeriod(fnd::Date(1000)), 0);

    PracticeFixture practice;
    practice.addQuestion(1, 2, {});  // never answered
    ErrorLogFixture log;
    log.addQuestion(1, 2, {});
    EXPECT_TRUE(StatAggregator(*StatSnapshot::take(practice.sets, log.books), 0).statRecords().empty());
}

TEST(StatAggregator, TypesRightnessOrderAndTime) {
    PracticeFixture practice;
    practice.addQuestion(1, 2, {{300, 10, 2}, {100, 20, 3}});  // PS: right at 300, wrong at 100
    practice.addQuestion(5, 1, {{250, 5, 1}});                 // RC
    practice.addQuestion(6, 1, {{260, 7, 1}});                 // a passage's first: only in "all"
    ErrorLogFixture log;
    log.addQuestion(6, 4, {{200, 30, 4}, {400, 40, 1}});  // passage's first: reading comprehension
    log.addQuestion(2, 3, {{150, 1, 3}});                 // DS
    auto snapshot = StatSnapshot::take(practice.sets, log.books);

    StatAggregator all(*snapshot, 0);
    EXPECT_EQ(datesOf(all), (std::vector<double>{100, 150, 200, 250, 260, 300, 400}));
    std::vector<bool> right;
    for (const auto& r : all.statRecords()) right.push_back(r.isRight());
    EXPECT_EQ(right, (std::vector<bool>{false, true, true, true, true, true, false}));
    EXPECT_DOUBLE_EQ(all.totalTime(), 113);
    EXPECT_DOUBLE_EQ(all.coveredPeriod(fnd::Date(3700)), 3600);

    StatAggregator rc(*snapshot, 5);
    EXPECT_EQ(datesOf(rc), (std::vector<double>{200, 250, 400}));
    EXPECT_DOUBLE_EQ(rc.totalTime(), 75);
    EXPECT_EQ(datesOf(StatAggregator(*snapshot, 1)), (std::vector<double>{100, 300}));
    EXPECT_EQ(datesOf(StatAggregator(*snapshot, 2)), (std::vector<double>{150}));
    EXPECT_EQ(datesOf(StatAggregator(*snapshot, 6)),
              (std::vector<double>{260}));  // the error log's went to 5
    EXPECT_TRUE(StatAggregator(*snapshot, 3).statRecords().empty());
}

TEST(StatAggregator, AttemptsWithoutAKnownRightAnswerAreLeftOut) {
    PracticeFixture practice;
    practice.addQuestion(1, 1, {{10, 5, 1}});
    ErrorLogFixture log;
    log.addQuestion(1, 0, {{20, 50, 1}, {30, 60, 2}});  // no key installed: unscored
    log.addQuestion(1, 3, {{40, 8, 2}});
    // An answer of no comparable kind, as only a damaged file can give.
    practice.sets.front()->questions().front()->addHistoryRecord(
        std::make_shared<MQSetHRecord>(fnd::Date(50), 9, std::make_shared<MQSetAnswer>()));
    StatAggregator all(*StatSnapshot::take(practice.sets, log.books), 0);
    EXPECT_EQ(datesOf(all), (std::vector<double>{10, 40}));
    EXPECT_FALSE(all.statRecords()[1].isRight());
    EXPECT_DOUBLE_EQ(all.totalTime(), 13);
}

}  // namespace

// The count stops at its limit and leaves out what the snapshot leaves out, in both sources and
// whichever source the limit falls in.
TEST(StatAggregator, CountingAttemptsStopsAtTheLimitAndSkipsWhatTheSnapshotSkips) {
    PracticeFixture practice;
    practice.addQuestion(1, 1, {{10, 5, 1}, {11, 5, 2}});
    practice.addQuestion(2, 3, {});
    practice.sets.front()->questions().front()->addHistoryRecord(
        std::make_shared<MQSetHRecord>(fnd::Date(13), 9, std::make_shared<MQSetAnswer>()));  // damaged
    ErrorLogFixture log;
    log.addQuestion(1, 0, {{20, 50, 1}});  // unscored
    log.addQuestion(6, 3, {{40, 8, 2}, {41, 8, 3}, {42, 8, 1}});
    const std::size_t all = StatSnapshot::take(practice.sets, log.books)->attempts().size();
    ASSERT_EQ(all, 5u);
    for (std::size_t limit : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 100u})
        EXPECT_EQ(StatSnapshot::countAttempts(practice.sets, log.books, limit), std::min(all, limit))
            << "limit " << limit;
    EXPECT_EQ(StatSnapshot::countAttempts({}, {}, 10), 0u);
    EXPECT_EQ(StatSnapshot::countAttempts({}, log.books, 10), 3u);
    EXPECT_EQ(StatSnapshot::countAttempts(*statistics_test::repositoryWith(practice, log), 4), 4u);
}
