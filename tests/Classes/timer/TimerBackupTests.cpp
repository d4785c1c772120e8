// The text backup of the kept sections: the text written (a fixture), a restore that gives every
// stamp back to the millisecond whatever the line ends, a second restore that adds nothing, lines
// the model cannot hold, and the backup screen's mail and pasteboard.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "Classes/timer/TimerBackup.h"
#include "Classes/timer/TimerIEVC.h"
#include "Classes/timer/TimerText.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/TimeZone.h"
#include "platform/ui/Application.h"
#include "platform/ui/Make.h"
#include "platform/ui/Pasteboard.h"
#include "tests/Classes/timer/TimerScreenSupport.h"

namespace timer_test {
namespace {

std::shared_ptr<MTimerRecord> section(
    int setType, int start, double startDate, std::string name,
    const std::vector<std::tuple<double, const char*, bool, int>>& answers) {
    auto r = MTimerRecord::makeWithType(setType, 20, 2400, start);
    r->setStatus(MTimerRecord::kFinished);
    r->setCustomName(std::move(name));
    fnd::Date at(startDate);
    r->dateStamps().push_back(at);
    for (const auto& [seconds, letter, guess, grade] : answers) {
        at = at.addingTimeInterval(seconds);
        r->dateStamps().push_back(at);
        r->userAnswers().push_back(letter);
        r->guesses().push_back(guess);
        r->grades().push_back(grade);
    }
    return r;
}

class TimerBackupTest : public TimerScreenTest {
  protected:
    void SetUp() override {
        TimerScreenTest::SetUp();
        fnd::TimeZone::setCurrent(*fnd::TimeZone::named("America/New_York"));
    }
    void TearDown() override {
        fnd::TimeZone::resetCurrent();
        TimerScreenTest::TearDown();
    }
    // Three kept sections, newest first: a named custom one, a quantitative one of the day before,
    // and a custom one without answers.
    static void fill(MTimerRecordSet& set) {
        set.addTimerRecord(section(MTimerRecord::kCustom, 1, kNoon - 5000, "", {}));
        set.addTimerRecord(section(MTimerRecord::kQuantitative, 1, kNoon - 90000, "",
                                   {{100, "A", false, 3}, {121, "C", true, 2}}));
        set.addTimerRecord(section(MTimerRecord::kCustom, 10, kNoon - 1000 + 0.25, "Q-&-A",
                                   {{65.5, "B", false, 2}, {40.125, "E", true, 1}}));
    }
    static std::string fixture() {
        std::ifstream in(std::string(ORVA_FIXTURES) + "/timer/backup-export.txt", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static std::string withCRLF(const std::string& text) {
        std::string out;
        for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return out;
    }
};

TEST_F(TimerBackupTest, TheTextIsWrittenInTheDevicesZone) {
    MTimerRecordSet set;
    fill(set);
    EXPECT_EQ(TimerBackup::exportText(set), fixture());
    EXPECT_EQ(TimerBackup::exportText(MTimerRecordSet()), std::string(TimerBackup::kBanner) + "\n\n\n");
}

TEST_F(TimerBackupTest, ARestoreGivesEverythingBackToTheMillisecondWithAnyLineEnds) {
    MTimerRecordSet kept;
    fill(kept);
    // A section across the night the clocks go forward (01:59 EST, then 03:00 EDT), an open-ended
    // section and stamps between milliseconds.
    kept.addTimerRecord(
        section(MTimerRecord::kCustom, 30, kNoon - 5720460, "", {{60, "A", false, 1}, {30, "B", true, 3}}));
    auto open = section(MTimerRecord::kCustom, 40, kNoon - 300.4567, "", {{61.0009, "D", false, 1}});
    open->setTotalNumber(-1);
    open->setTotalTime(-1);
    kept.addTimerRecord(open);

    MTimerRecordSet restored;
    restored.addTimerRecord(section(MTimerRecord::kVerbal, 1, kNoon - 700000, "", {{10, "A", false, 1}}));
    EXPECT_EQ(TimerBackup::importText(withCRLF(TimerBackup::exportText(kept)), restored),
              (TimerBackup::ImportCount{7, 7}));
    ASSERT_EQ(restored.count(), 5);  // the section without answers is not restored
    // The last restored comes first, the one kept before last.
    const std::vector<int> order{3, 2, 1, 0};
    for (std::size_t i = 0; i < order.size(); ++i) {
        auto a = kept.timerRecordAtIndex(order[i]), b = restored.timerRecordAtIndex(int(i));
        SCOPED_TRACE(i);
        EXPECT_EQ(b->status(), MTimerRecord::kFinished);
        EXPECT_EQ(b->customName(), TimerText::displayName(*a));
        EXPECT_EQ(std::make_tuple(a->setType(), a->startNumber(), a->totalNumber(), a->totalTime()),
                  std::make_tuple(b->setType(), b->startNumber(), b->totalNumber(), b->totalTime()));
        EXPECT_EQ(a->userAnswers(), b->userAnswers());
        EXPECT_EQ(a->guesses(), b->guesses());
        EXPECT_EQ(a->grades(), b->grades());
        ASSERT_EQ(a->dateStamps().size(), b->dateStamps().size());
        for (std::size_t s = 0; s < a->dateStamps().size(); ++s) {
            const double lost = a->dateStamps()[s].timeIntervalSince(b->dateStamps()[s]);
            EXPECT_TRUE(lost > -1e-6 && lost < 0.001) << lost;
        }
    }
    EXPECT_EQ(restored.timerRecordAtIndex(3)->totalTime(), -1);
    EXPECT_EQ(restored.timerRecordAtIndex(4)->setType(), MTimerRecord::kVerbal);

    // Again: every section is there already, within a millisecond.
    EXPECT_EQ(TimerBackup::importText(TimerBackup::exportText(kept), restored),
              (TimerBackup::ImportCount{0, 7}));
    EXPECT_EQ(restored.count(), 5);
}

TEST_F(TimerBackupTest, LinesTheModelCannotHoldAreSkipped) {
    const std::string start = "-07:00:00.000|05122026-07:01:40.000|05122026;";
    const std::string text =
        "Timer-Kind seven-7-1-20-A-sure-right-2400" + start + "\n" +
        "Timer-Huge-2-99999999999-20-A-sure-right-2400" + start + "\n" +
        "Timer-Half open-2-1--1-A-sure-right-2400" + start + "\n" +
        "Timer-Open fixed-0-1--1-A-sure-right--1" + start + "\n" +
        "Timer-Bad date-2-1-20-A-sure-right-2400-99:99:99.999|13452026-07:01:40.000|05122026;\n" +
        "Timer-Letter-2-1-20-F-sure-right-2400" + start + "\n" + "Timer-No end-2-1-20-A-sure-right-2400" +
        start.substr(0, start.size() - 1) + "\n" + "  Timer-Indented-2-1-20-A-sure-right-2400" + start +
        "\n" + "Timer-Kept-2-1-20-A-sure-right-2400" + start + "\n";
    MTimerRecordSet set;
    EXPECT_EQ(TimerBackup::importText(text, set), (TimerBackup::ImportCount{1, 6}));
    ASSERT_EQ(set.count(), 1);
    EXPECT_EQ(set.timerRecordAtIndex(0)->customName(), "Kept");
    EXPECT_EQ(TimerBackup::importText("", set), (TimerBackup::ImportCount{0, 0}));
}

TEST_F(TimerBackupTest, TheScreenMailsTheBackupAndRestoresFromThePasteboard) {
    startHome(ui::Idiom::Phone);
    std::vector<std::string> opened;
    ui::Application::shared().setOnOpenURL([&](const std::string& address) { opened.push_back(address); });
    auto set = rep->timer()->timerRecordSet();
    fill(*set);
    auto screen = ui::make<TimerIEVC>(set);
    runFor(1);
    tapText("Mail a backup");
    ASSERT_EQ(opened.size(), 1u);
    const std::string prefix = "mailto:?subject=Tovrida&body=";
    ASSERT_EQ(opened[0].rfind(prefix, 0), 0u);
    EXPECT_EQ(fnd::percentUnescape(opened[0].substr(prefix.size())), fixture());

    ui::Pasteboard::general().setString(std::nullopt);
    tapText("Restore from the clipboard");
    EXPECT_EQ(text(screen->importLbl()), "0/0");
    while (set->count() > 0) set->removeTimerRecordAtIndex(0);
    ui::Pasteboard::general().setString(fixture());
    tapText("Restore from the clipboard");
    EXPECT_EQ(text(screen->importLbl()), "4/4");
    EXPECT_EQ(set->count(), 2);
    tapText("Restore from the clipboard");
    EXPECT_EQ(text(screen->importLbl()), "0/4");
    EXPECT_EQ(set->count(), 2);
}

}  // namespace
}  // namespace timer_test
