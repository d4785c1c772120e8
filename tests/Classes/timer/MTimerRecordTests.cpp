// Pacing figures worked by hand for sections at given moments, the life of a record, and records
// through an archive.

#include <gtest/gtest.h>

#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/support/TestEnvironment.h"

namespace {

class MTimerRecordTest : public testing_support::TestEnvironment {
  protected:
    // Moves the clock to `at` seconds after the start of the test.
    void at(double seconds) { clock->advance(seconds - (clock->now() - origin)); }
    // Answers at each moment (seconds after the start of the test), "A" and sure.
    void answerAt(MTimerRecord& record, std::initializer_list<double> moments) {
        for (double t : moments) {
            at(t);
            record.addAnswer("A", false);
        }
    }
    double origin = 0;
};

TEST_F(MTimerRecordTest, QuantitativePaceByHand) {
    auto r = MTimerRecord::makeQuantitativeType();
    EXPECT_EQ(r->leftOrPassedTime(), 4500);
    EXPECT_EQ(r->currentQuestionTime(), -1.0);
    EXPECT_EQ(r->expecedQuestion(), 0);
    r->changeStatus(MTimerRecord::kRunning);
    EXPECT_EQ(r->expecedQuestion(), 1);
    // Ten answers, one every 130 s: the allotment is 4500 / 37 = 121 s.
    answerAt(*r, {130, 260, 390, 520, 650, 780, 910, 1040, 1170, 1300});
    at(1345);
    EXPECT_DOUBLE_EQ(r->leftOrPassedTime(), 3155);
    EXPECT_DOUBLE_EQ(r->currentQuestionTime(), 45);
    EXPECT_DOUBLE_EQ(r->averageQuestionTime(), 130);
    EXPECT_DOUBLE_EQ(r->reserveTime(), 1216 - 1300);  // 4500 x 10 / 37 = 1216.2
    EXPECT_EQ(r->expecedQuestion(), 12);              // 1345 / 121 = 11.1
    EXPECT_DOUBLE_EQ(r->questionTimeAtIndex(3), 130);
    EXPECT_EQ(r->questionTimeAtIndex(10), 0);
    EXPECT_EQ(r->questionTimeAtIndex(-1), 0);
}

TEST_F(MTimerRecordTest, PausedTimeCountsNowhere) {
    auto r = MTimerRecord::makeQuantitativeType();
    r->changeStatus(MTimerRecord::kRunning);
    answerAt(*r, {100, 200, 300});
    at(360);
    r->changeStatus(MTimerRecord::kPaused);
    at(390);
    EXPECT_DOUBLE_EQ(r->leftOrPassedTime(), 4500 - 360);
    EXPECT_DOUBLE_EQ(r->currentQuestionTime(), 60);
    EXPECT_EQ(r->expecedQuestion(), 4);  // keeps going with the clock: 390 / 121 = 3.2
    r->changeStatus(MTimerRecord::kRunning);
    EXPECT_EQ(r->expecedQuestion(), 3);  // falls back: the start moved to 30 s
    r->changeStatus(MTimerRecord::kReady);
    EXPECT_EQ(r->status(), MTimerRecord::kRunning);
    EXPECT_DOUBLE_EQ(r->leftOrPassedTime(), 4500 - 360);
    answerAt(*r, {430});
    EXPECT_DOUBLE_EQ(r->questionTimeAtIndex(3), 100);  // 60 s before the pause, 40 s after
    EXPECT_DOUBLE_EQ(r->questionTimeAtIndex(2), 100);
    EXPECT_DOUBLE_EQ(r->averageQuestionTime(), 100);
    EXPECT_DOUBLE_EQ(r->reserveTime(), 486 - 400);  // 4500 x 4 / 37 = 486.5
}

TEST_F(MTimerRecordTest, SectionsFinishByLastAnswerOrTimeAndStaySo) {
    auto sized = MTimerRecord::makeCustomType(2, 600, 7);
    sized->changeStatus(MTimerRecord::kRunning);
    answerAt(*sized, {50, 80});
    EXPECT_EQ(sized->status(), MTimerRecord::kFinished);
    at(500);
    sized->changeStatus(MTimerRecord::kRunning);
    sized->changeStatus(MTimerRecord::kPaused);
    EXPECT_EQ(sized->status(), MTimerRecord::kFinished);
    EXPECT_DOUBLE_EQ(sized->leftOrPassedTime(), 80);  // the time used, up to the last answer
    EXPECT_EQ(sized->currentQuestionTime(), -1.0);

    auto quant = MTimerRecord::makeQuantitativeType();
    at(1000);
    quant->changeStatus(MTimerRecord::kRunning);
    answerAt(*quant, {1000 + 20});
    at(1000 + 4500);
    quant->checkEndOfTest();
    EXPECT_EQ(quant->status(), MTimerRecord::kRunning);
    at(1000 + 4500.1);
    quant->checkEndOfTest();
    EXPECT_EQ(quant->status(), MTimerRecord::kFinished);
    EXPECT_DOUBLE_EQ(quant->leftOrPassedTime(), 20);

    auto zero = MTimerRecord::makeCustomType(5, 0, 1);
    zero->changeStatus(MTimerRecord::kRunning);
    clock->advance(0.1);
    zero->checkEndOfTest();
    EXPECT_EQ(zero->status(), MTimerRecord::kFinished);

    // Neither a pause nor an answer means anything before the start.
    auto ready = MTimerRecord::makeVerbalType();
    ready->changeStatus(MTimerRecord::kPaused);
    ready->addAnswer("B", true);
    EXPECT_EQ(ready->status(), MTimerRecord::kReady);
    EXPECT_TRUE(ready->dateStamps().empty());
    EXPECT_EQ(ready->numberOfAnswers(), 0);
}

TEST_F(MTimerRecordTest, OpenEndedSectionCountsUpWithoutPace) {
    auto r = MTimerRecord::makeCustomType(MTimerRecord::kOpenEnded, 600, 3);
    EXPECT_TRUE(r->isOpenEnded());
    EXPECT_EQ(r->totalTime(), MTimerRecord::kOpenEnded);
    EXPECT_EQ(r->leftOrPassedTime(), 0);
    r->changeStatus(MTimerRecord::kRunning);
    answerAt(*r, {50, 70});
    EXPECT_DOUBLE_EQ(r->leftOrPassedTime(), 70);
    EXPECT_EQ(r->reserveTime(), 0);
    EXPECT_EQ(r->expecedQuestion(), 0);
    at(100000);
    r->checkEndOfTest();
    EXPECT_EQ(r->status(), MTimerRecord::kRunning);
    r->changeStatus(MTimerRecord::kFinished);
    EXPECT_DOUBLE_EQ(r->leftOrPassedTime(), 70);
}

TEST_F(MTimerRecordTest, KindsAndCustomSizes) {
    EXPECT_EQ(MTimerRecord::makeCustomType(0, 600, 1)->totalNumber(), 1);
    EXPECT_EQ(MTimerRecord::makeCustomType(150, 600, 1)->totalNumber(), 99);
    EXPECT_EQ(MTimerRecord::makeCustomType(10, 1234.9, 1)->totalTime(), 1234);
    EXPECT_EQ(MTimerRecord::makeCustomType(10, -5, 1)->totalTime(), 0);
    EXPECT_EQ(MTimerRecord::makeCustomType(10, 1e12, 1)->totalTime(), 2147483647);
    EXPECT_EQ(MTimerRecord::makeWithType(5, 10, 600, 1), nullptr);
    auto quant = MTimerRecord::makeWithType(0, 3, 60, 9);
    EXPECT_EQ(quant->totalNumber(), 37);
    EXPECT_EQ(quant->startNumber(), 1);
    EXPECT_EQ(MTimerRecord::makeWithType(1, 3, 60, 9)->stringForSetType(), "Verbal");
    EXPECT_EQ(MTimerRecord::makeWithType(2, 3, 60, 9)->stringForSetType(), "Custom");
    MTimerRecord none;
    none.setSetType(7);
    EXPECT_FALSE(none.stringForSetType());

    // Less time than questions leaves no allotment and so no expected question.
    auto tight = MTimerRecord::makeCustomType(10, 5, 1);
    tight->changeStatus(MTimerRecord::kRunning);
    EXPECT_EQ(tight->expecedQuestion(), 0);

    // An old archive without a size, with answers: no pace, and no division by zero.
    MTimerRecord sizeless;
    sizeless.changeStatus(MTimerRecord::kRunning);
    answerAt(sizeless, {10, 20});
    EXPECT_EQ(sizeless.reserveTime(), 0);
    EXPECT_EQ(sizeless.expecedQuestion(), 0);

    // A start after now (the clock was set back) expects no question.
    MTimerRecord early;
    early.setDateStamps({fnd::Date::now().addingTimeInterval(1000)});
    early.setTotalNumber(37);
    early.setTotalTime(4500);
    early.setStatus(MTimerRecord::kRunning);
    EXPECT_EQ(early.expecedQuestion(), 0);
}

TEST_F(MTimerRecordTest, RecordSetKeepsNewestFirstThroughAnArchive) {
    auto set = std::make_shared<MTimerRecordSet>();
    auto older = MTimerRecord::makeVerbalType();
    older->changeStatus(MTimerRecord::kRunning);
    answerAt(*older, {61.25, 150});
    older->changeStatus(MTimerRecord::kFinished);
    auto newer = MTimerRecord::makeCustomType(20, 1800, 15);
    newer->setCustomName("Mock \u2713");
    newer->changeStatus(MTimerRecord::kRunning);
    at(300);
    newer->addAnswer("C", true);
    newer->changeStatus(MTimerRecord::kPaused);
    newer->grades()[0] = MTimerRecord::kWrong;
    set->addTimerRecord(older);
    set->addTimerRecord(newer);
    set->addTimerRecord(nullptr);
    EXPECT_EQ(set->timerRecordAtIndex(0), newer);
    EXPECT_EQ(set->timerRecordAtIndex(2), nullptr);

    // Every field comes back: the copy archives to the same bytes.
    auto bytes = fnd::KeyedArchiver::archive("kRepository", set);
    ASSERT_TRUE(bytes);
    auto copy = fnd::KeyedUnarchiver::unarchive(*bytes, "kRepository").object<MTimerRecordSet>();
    ASSERT_TRUE(copy);
    EXPECT_EQ(fnd::KeyedArchiver::archive("kRepository", copy), bytes);
    ASSERT_EQ(copy->count(), 2);
    EXPECT_EQ(copy->timerRecordAtIndex(0)->customName(), "Mock \u2713");
    EXPECT_EQ(copy->timerRecordAtIndex(0)->grades(), std::vector<int>{MTimerRecord::kWrong});
    EXPECT_EQ(copy->timerRecordAtIndex(0)->pauseDate(), newer->pauseDate());
    EXPECT_EQ(copy->timerRecordAtIndex(1)->dateStamps(), older->dateStamps());
    EXPECT_FALSE(copy->timerRecordAtIndex(1)->pauseDate());

    copy->removeTimerRecordAtIndex(5);
    copy->removeTimerRecordAtIndex(0);
    ASSERT_EQ(copy->count(), 1);
    EXPECT_EQ(copy->timerRecordAtIndex(0)->setType(), MTimerRecord::kVerbal);
}

}  // namespace
