// The timer's defaults, its archive, the one-time migration of the old timer file, the section
// kind cycle and the vibration guard.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/timer/MTimer.h"
#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/ui/Device.h"
#include "tests/support/ScreenTestEnvironment.h"

namespace fs = std::filesystem;

namespace {

constexpr double kFixtureStart = 780000000.0;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MTimerTest : public testing_support::ScreenTestEnvironment {
  protected:
    void installOldFile(const std::string& fixture) {
        fs::copy_file(fs::path(ORVA_FIXTURES) / "timer" / fixture, MTimer::dataFilePath());
    }
    void writeOldFile(const std::string& bytes) {
        std::ofstream(MTimer::dataFilePath(), std::ios::binary) << bytes;
    }
    static std::shared_ptr<MTimer> roundTrip(const std::shared_ptr<MTimer>& timer) {
        auto bytes = fnd::KeyedArchiver::archive("timer", timer);
        return bytes ? fnd::KeyedUnarchiver::unarchive(*bytes, "timer").object<MTimer>() : nullptr;
    }
    // A timer's whole archived state, to compare two timers in one assertion.
    static std::optional<fnd::Bytes> stateOf(const std::shared_ptr<MTimer>& timer) {
        return fnd::KeyedArchiver::archive("timer", timer);
    }
};

TEST_F(MTimerTest, MigratesThePhoneFileAndLeavesItAlone) {
    installOldFile("old-timer-phone.archive");
    const std::string before = readAll(MTimer::dataFilePath());
    auto timer = MTimer::make();
    EXPECT_TRUE(timer->fXInfo());
    EXPECT_EQ(timer->customNumberOfQuestion(), 20);
    EXPECT_EQ(timer->customTotalTime(), 2400.0);
    EXPECT_EQ(timer->customStartNumber(), 15);
    EXPECT_FALSE(timer->vibrate130());
    EXPECT_TRUE(timer->vibrate200());
    EXPECT_TRUE(timer->vibrateAnswer());
    EXPECT_FALSE(timer->color());
    EXPECT_EQ(timer->noVibrationTillDate(), fnd::Date(kFixtureStart + 301));

    const MTimerRecord& current = *timer->currentRecord();
    EXPECT_EQ(current.status(), MTimerRecord::kPaused);
    EXPECT_EQ(current.userAnswers(), (std::vector<std::string>{"B", "D"}));
    EXPECT_EQ(current.guesses(), (std::vector<bool>{false, true}));
    EXPECT_DOUBLE_EQ(current.leftOrPassedTime(), 4500 - 300);
    EXPECT_DOUBLE_EQ(current.currentQuestionTime(), 50);
    EXPECT_DOUBLE_EQ(current.reserveTime(), 243 - 250);  // 4500 x 2 / 37 = 243.2

    ASSERT_EQ(timer->timerRecordSet()->count(), 2);
    const MTimerRecord& newest = *timer->timerRecordSet()->timerRecordAtIndex(0);
    EXPECT_EQ(newest.customName(), "Mock 3 DS");
    EXPECT_EQ(newest.startNumber(), 10);
    EXPECT_EQ(newest.grades(), (std::vector<int>{2, 3, 2, 2, 1}));
    EXPECT_DOUBLE_EQ(newest.averageQuestionTime(), 100);
    // The oldest record predates guesses and grades: sure and not graded.
    const MTimerRecord& oldest = *timer->timerRecordSet()->timerRecordAtIndex(1);
    EXPECT_EQ(oldest.setType(), MTimerRecord::kVerbal);
    EXPECT_EQ(oldest.guesses(), (std::vector<bool>(3, false)));
    EXPECT_EQ(oldest.grades(), (std::vector<int>(3, MTimerRecord::kNotGraded)));

    // The migrated state goes on in the repository's archive; the old file is never written.
    auto again = roundTrip(timer);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->timerRecordSet()->timerRecordAtIndex(1)->userAnswers(), oldest.userAnswers());
    EXPECT_EQ(readAll(MTimer::dataFilePath()), before);
}

TEST_F(MTimerTest, MigratesTheTabletFileFillingWhatIsMissing) {
    installOldFile("old-timer-tablet.archive");
    auto timer = MTimer::make();
    EXPECT_EQ(timer->customNumberOfQuestion(), -1);
    EXPECT_EQ(timer->customStartNumber(), 4);
    EXPECT_FALSE(timer->vibrate200());
    EXPECT_FALSE(timer->noVibrationTillDate());  // absent: vibration allowed at once
    EXPECT_EQ(timer->currentRecord()->setType(), MTimerRecord::kQuantitative);
    EXPECT_EQ(timer->currentRecord()->status(), MTimerRecord::kReady);
    ASSERT_EQ(timer->timerRecordSet()->count(), 1);
    EXPECT_EQ(timer->timerRecordSet()->timerRecordAtIndex(0)->customName(), "Practice test 1");
}

TEST_F(MTimerTest, FilesThatHoldNoTimerLeaveTheDefaults) {
    const auto fresh = stateOf(std::make_shared<MTimer>());
    ASSERT_TRUE(fresh);
    EXPECT_EQ(stateOf(MTimer::make()), fresh);  // no old file at all
    writeOldFile("not an archive at all");
    EXPECT_EQ(stateOf(MTimer::make()), fresh);
    auto other = fnd::KeyedArchiver::archive("kRepository", std::string("text"));
    ASSERT_TRUE(other);
    writeOldFile(std::string(other->begin(), other->end()));
    EXPECT_EQ(stateOf(MTimer::make()), fresh);
    auto wrongClass = fnd::KeyedArchiver::archive("kTimer", MTimerRecord::makeVerbalType());
    writeOldFile(std::string(wrongClass->begin(), wrongClass->end()));
    EXPECT_EQ(stateOf(MTimer::make()), fresh);
}

TEST_F(MTimerTest, ArchiveRoundTripNeverMigrates) {
    auto timer = std::make_shared<MTimer>();
    timer->setFXInfo(true);
    timer->setCustomNumberOfQuestion(-1);
    timer->setCustomTotalTime(-1.0);
    timer->setCustomStartNumber(42);
    timer->setVibrate200(false);
    timer->setColor(false);
    timer->setUnconfirmedUserAnswer("C");
    timer->updateCurrentRecord();
    timer->currentRecord()->changeStatus(MTimerRecord::kRunning);
    clock->advance(12.5);
    timer->currentRecord()->addAnswer("E", true);
    timer->timerRecordSet()->addTimerRecord(MTimerRecord::makeVerbalType());
    installOldFile("old-timer-phone.archive");

    // Every archived field comes back (the copy archives to the same bytes); the old file is
    // not consulted, and the unconfirmed letter is not kept.
    auto copy = roundTrip(timer);
    ASSERT_TRUE(copy);
    EXPECT_EQ(stateOf(copy), stateOf(timer));
    EXPECT_EQ(copy->customStartNumber(), 42);
    EXPECT_EQ(copy->unconfirmedUserAnswer(), "");
    EXPECT_DOUBLE_EQ(copy->currentRecord()->leftOrPassedTime(), 12.5);
}

TEST_F(MTimerTest, KindCycleAndRenewal) {
    auto timer = std::make_shared<MTimer>();
    timer->setCustomNumberOfQuestion(20);
    timer->setCustomTotalTime(2400);
    timer->setCustomStartNumber(15);
    timer->reallocCurrentRecord();
    EXPECT_EQ(timer->currentRecord()->setType(), MTimerRecord::kVerbal);
    timer->reallocCurrentRecord();
    const MTimerRecord& custom = *timer->currentRecord();
    EXPECT_EQ(custom.setType(), MTimerRecord::kCustom);
    EXPECT_EQ(custom.totalNumber(), 20);
    EXPECT_EQ(custom.totalTime(), 2400);
    EXPECT_EQ(custom.startNumber(), 15);
    timer->reallocCurrentRecord();
    EXPECT_EQ(timer->currentRecord()->setType(), MTimerRecord::kQuantitative);

    timer->setCustomStartNumber(1);
    timer->setCurrentRecord(MTimerRecord::makeVerbalType());
    timer->currentRecord()->changeStatus(MTimerRecord::kRunning);
    timer->currentRecord()->changeStatus(MTimerRecord::kFinished);
    timer->renewCurrentRecord();
    EXPECT_EQ(timer->currentRecord()->setType(), MTimerRecord::kVerbal);
    EXPECT_EQ(timer->currentRecord()->status(), MTimerRecord::kReady);
    EXPECT_EQ(timer->currentRecord()->totalNumber(), 41);
    EXPECT_EQ(timer->currentRecord()->totalTime(), 4500);
    EXPECT_EQ(timer->currentRecord()->startNumber(), 1);

    // A custom section keeps its size, open-ended included, and takes the advanced start number.
    timer->setCurrentRecord(MTimerRecord::makeCustomType(-1, -1, 3));
    timer->setCustomStartNumber(8);
    timer->renewCurrentRecord();
    EXPECT_TRUE(timer->currentRecord()->isOpenEnded());
    EXPECT_EQ(timer->currentRecord()->startNumber(), 8);
}

TEST_F(MTimerTest, VibratesAtMostOnceASecondAndOnlyWhereTheDeviceCan) {
    auto delegate = std::make_shared<AbstractAppDelegate>();
    launch(ui::Idiom::Phone, delegate);
    delegate->setFvibrationAllowed(true);
    ui::Device::current().takeEffects();
    auto timer = std::make_shared<MTimer>();
    for (int i = 0; i < 3; ++i) {
        timer->doVibrate();
        clock->advance(0.1);
    }
    EXPECT_EQ(ui::Device::current().takeEffects(), std::vector<std::string>{"vibrate"});
    clock->advance(0.75);
    timer->doVibrate();
    EXPECT_EQ(ui::Device::current().takeEffects().size(), 1u);

    delegate->setFvibrationAllowed(false);
    clock->advance(5);
    const auto guard = timer->noVibrationTillDate();
    timer->doVibrate();
    EXPECT_TRUE(ui::Device::current().takeEffects().empty());
    EXPECT_EQ(timer->noVibrationTillDate(), guard);
}

}  // namespace
