// The results of one section and the list of all kept sections: sorting, grading written back to
// the right question, the share of right answers, the name, the results mail as it arrives, the
// rows' titles and days, deletion and the children the list opens.

#include <gtest/gtest.h>

#include "Classes/core/CommonConfirmVC.h"
#include "Classes/timer/TimerAllResultsVC.h"
#include "Classes/timer/TimerIEVC.h"
#include "Classes/timer/TimerResultsVC.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/ui/Application.h"
#include "platform/ui/Make.h"
#include "platform/ui/TextField.h"
#include "tests/Classes/timer/TimerScreenSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace timer_test {
namespace {

struct Answer {
    double seconds;  // spent on the question
    const char* letter;
    bool guess;
};

// A finished section started at `start` (seconds since 2001) with the answers one after another.
std::shared_ptr<MTimerRecord> finishedRecord(int setType, int startNumber, double start,
                                             const std::vector<Answer>& answers, std::string name = "") {
    auto r = MTimerRecord::makeWithType(setType, 20, 2400, startNumber);
    r->setStatus(MTimerRecord::kFinished);
    r->setCustomName(std::move(name));
    fnd::Date at(start);
    r->dateStamps().push_back(at);
    for (const Answer& a : answers) {
        at = at.addingTimeInterval(a.seconds);
        r->dateStamps().push_back(at);
        r->userAnswers().push_back(a.letter);
        r->guesses().push_back(a.guess);
        r->grades().push_back(MTimerRecord::kNotGraded);
    }
    return r;
}

class TimerResults : public TimerScreenTest {
  protected:
    void SetUp() override {
        TimerScreenTest::SetUp();
        startHome(ui::Idiom::Phone);
        ui::Application::shared().setOnOpenURL(
            [this](const std::string& address) { opened.push_back(address); });
    }
    void openResults(const std::shared_ptr<MTimerRecord>& r) {
        results = ui::make<TimerResultsVC>(r, std::string("Timer"));
        runFor(1);
    }
    std::vector<int> order() const { return results->numbers(); }
    // The grade key of the row (from 1).
    std::shared_ptr<ui::View> gradeKey(int row) {
        auto cell = results->rtableView()->cellForRow({0, row});
        return cell ? cell->contentView()->viewWithTag(TimerResultsVC::kGradeTag) : nullptr;
    }
    void sort() { tapText("Sort"); }

    std::shared_ptr<TimerResultsVC> results;
    std::vector<std::string> opened;
};

TEST_F(TimerResults, SortingCyclesThroughFourKeys) {
    openResults(finishedRecord(
        MTimerRecord::kCustom, 10, kNoon - 1000,
        {{50, "A", false}, {130, "B", true}, {90, "C", false}, {130, "D", false}, {20, "E", true}}));
    EXPECT_EQ(order(), (std::vector<int>{10, 11, 12, 13, 14}));
    EXPECT_EQ(results->rtableView()->numberOfRows(0), 6);
    const std::vector<std::vector<int>> cycle{
        {11, 13, 12, 10, 14}, {11, 14, 13, 12, 10}, {11, 13, 12, 10, 14}, {10, 11, 12, 13, 14}};
    for (const auto& expected : cycle) {
        sort();
        EXPECT_EQ(order(), expected) << results->timerSortType();
        // The mark stands over the column that orders the rows, on the first row only.
        auto mark = results->rtableView()->cellForRow({0, 1})->contentView()->viewWithTag(
            TimerResultsVC::kSortMarkTag);
        const double columns[] = {33.5, 90.5, 182.5, 248.5};
        EXPECT_EQ(mark->center().x, columns[results->timerSortType() - 1]);
        EXPECT_FALSE(mark->isHidden());
    }
    EXPECT_TRUE(results->rtableView()
                    ->cellForRow({0, 2})
                    ->contentView()
                    ->viewWithTag(TimerResultsVC::kSortMarkTag)
                    ->isHidden());
    EXPECT_EQ(
        text(std::static_pointer_cast<ui::Label>(
            results->rtableView()->cellForRow({0, 2})->contentView()->viewWithTag(TimerResultsVC::kTimeTag))),
        "02:10");
}

TEST_F(TimerResults, GradesAskOnceAndGoToTheQuestionWhateverTheSort) {
    auto r = finishedRecord(
        MTimerRecord::kCustom, 10, kNoon - 1000,
        {{50, "A", false}, {130, "B", true}, {90, "C", false}, {130, "D", false}, {20, "E", true}});
    openResults(r);
    EXPECT_EQ(text(results->rateLbl()), "");
    tap(gradeKey(1));
    ASSERT_TRUE(results->confirmVC());
    tapText("Cancel", 1);
    EXPECT_FALSE(results->fallowGrading());
    EXPECT_EQ(r->grades()[0], MTimerRecord::kNotGraded);
    tap(gradeKey(1));  // asks again
    tapText("Confirm", 1);
    EXPECT_TRUE(results->fallowGrading());

    for (int row : {1, 2, 3, 4, 4}) tap(gradeKey(row), 0.2);
    EXPECT_EQ(r->grades(), (std::vector<int>{2, 2, 2, 3, 1}));
    EXPECT_EQ(text(results->rateLbl()), "75%");
    for (int i = 0; i < 3; ++i) sort();  // by grade: the wrong answer (question 13) first
    EXPECT_EQ(order(), (std::vector<int>{13, 11, 12, 10, 14}));
    tap(gradeKey(1), 0.2);
    EXPECT_EQ(r->grades(), (std::vector<int>{2, 2, 2, 1, 1}));
    EXPECT_EQ(text(results->rateLbl()), "100%");
}

TEST_F(TimerResults, TheNameIsKeptAndAnEmptyOneShowsTheKind) {
    auto r = finishedRecord(MTimerRecord::kVerbal, 1, kNoon - 1000, {{50, "A", false}});
    openResults(r);
    auto field = std::dynamic_pointer_cast<ui::TextField>(
        results->rtableView()->cellForRow({0, 0})->contentView()->viewWithTag(TimerResultsVC::kNameTag));
    ASSERT_TRUE(field);
    EXPECT_EQ(field->text(), "Verbal");
    EXPECT_EQ(field->placeholder(), "enter a custom name");
    field->setText("Mock test 3");
    results->textFieldShouldReturn(*field);
    EXPECT_EQ(r->customName(), "Mock test 3");
    field->setText("");
    results->textFieldShouldReturn(*field);
    EXPECT_EQ(r->customName(), "");
    EXPECT_EQ(field->text(), "Verbal");
}

TEST_F(TimerResults, TheMailArrivesWholeWithAnyNameInTheRecordsOrder) {
    auto r = finishedRecord(MTimerRecord::kCustom, 10, kNoon - 1000, {{50, "B", false}, {130, "C", true}},
                            "Q&A #3 + 50% = ?");
    r->grades()[0] = MTimerRecord::kRight;
    openResults(r);
    sort();
    tapText("Mail");
    ASSERT_EQ(opened.size(), 1u);
    const std::string prefix = "mailto:?subject=Tovrida&body=";
    ASSERT_EQ(opened[0].rfind(prefix, 0), 0u);
    const std::string body = opened[0].substr(prefix.size());
    EXPECT_EQ(body.find_first_of("&#+=? \n"), std::string::npos);
    EXPECT_EQ(fnd::percentUnescape(body),
              "Set type: Q&A #3 + 50% = ?\nTotal time: 03:00\nAverage time: 01:30\nDate: 2026-05-13 11:46\n\n"
              "10.    00:50    B    right\n11.    02:10    C    \n");

    // A section without answers: the head lines only.
    EXPECT_EQ(TimerResultsVC::mailText(*finishedRecord(MTimerRecord::kQuantitative, 1, kNoon - 100, {})),
              "Set type: Quantitative\nTotal time: 00:00\nAverage time: 00:00\nDate: 2026-05-13 11:58\n\n");
}

class TimerAllResults : public TimerResults {
  protected:
    void openList() {
        list = ui::make<TimerAllResultsVC>(rep->timer()->timerRecordSet());
        runFor(1);
    }
    std::string row(int index) {
        auto cell = list->rtableView()->cellForRow({0, index});
        return cell ? cell->textLabel()->text() + " | " + cell->detailTextLabel()->text() : "(no row)";
    }
    std::shared_ptr<TimerAllResultsVC> list;
};

TEST_F(TimerAllResults, RowsShowTitleAndTheTimeOrTheDayByTheUTCDate) {
    auto& set = *rep->timer()->timerRecordSet();
    // Oldest first: each goes on top.
    set.addTimerRecord(finishedRecord(MTimerRecord::kCustom, 7, kNoon - 12 * 3600 - 100, {{40, "A", false}}));
    auto all = finishedRecord(MTimerRecord::kQuantitative, 1, kNoon - 11 * 3600, {});
    for (int i = 0; i < 37; ++i)
        all->dateStamps().push_back(all->dateStamps().back().addingTimeInterval(100));
    all->userAnswers().assign(37, "A");
    all->guesses().assign(37, false);
    all->grades().assign(37, 1);
    set.addTimerRecord(all);
    set.addTimerRecord(finishedRecord(MTimerRecord::kVerbal, 1, kNoon - 2000,
                                      {{30, "A", false}, {90, "B", false}}, "Evening set"));
    openList();
    EXPECT_EQ(list->rtableView()->rowHeight(), 50);
    EXPECT_EQ(row(0), "Evening set 2/41 02:00 (01:00) | 11:28");
    EXPECT_EQ(row(1), "Quantitative All 61:40 (01:40) | 02:01");
    EXPECT_EQ(row(2), "Custom #7 00:40 (00:40) | 2026-05-12 23:59 ");
}

TEST_F(TimerAllResults, DeletionIsAtOnceAndChildrenOpenOneAtATime) {
    auto& set = *rep->timer()->timerRecordSet();
    openList();
    EXPECT_EQ(list->rtableView()->numberOfRows(0), 0);
    tapText("Backup", 1);  // also with nothing kept
    EXPECT_TRUE(std::dynamic_pointer_cast<TimerIEVC>(list->mainChild()));
    tapText("Done", 1);
    EXPECT_FALSE(list->mainChild());

    set.addTimerRecord(finishedRecord(MTimerRecord::kCustom, 1, kNoon - 900, {{40, "A", false}}));
    set.addTimerRecord(finishedRecord(MTimerRecord::kCustom, 2, kNoon - 600, {{40, "B", false}}));
    list->rtableView()->reloadData();
    tapText("Edit");
    EXPECT_TRUE(list->rtableView()->isEditing());
    EXPECT_TRUE(shown("Done"));
    list->commitEditingStyle(*list->rtableView(), ui::TableViewCellEditingStyle::Delete, {0, 0});
    ASSERT_EQ(set.count(), 1);
    EXPECT_EQ(set.timerRecordAtIndex(0)->startNumber(), 1);
    EXPECT_EQ(list->rtableView()->numberOfRows(0), 1);
    tapText("Done");
    EXPECT_FALSE(list->rtableView()->isEditing());

    list->didSelectRow(*list->rtableView(), {0, 0});
    auto opened = std::dynamic_pointer_cast<TimerResultsVC>(list->mainChild());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->record(), set.timerRecordAtIndex(0));
    list->didSelectRow(*list->rtableView(), {0, 0});
    EXPECT_EQ(list->mainChild(), opened);
}

}  // namespace
}  // namespace timer_test
