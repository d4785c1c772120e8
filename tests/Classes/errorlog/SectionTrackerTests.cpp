// The section tracker: groups and headers, rows by renderer and stopwatch state, a timed run with
// the answer pad, the official answer and explanation keys, sorting and the tag search.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/errorlog/AnswersVC.h"
#include "Classes/errorlog/ExplanationVC.h"
#include "Classes/errorlog/MSetTimer.h"
#include "Classes/errorlog/SectionVC_iPad.h"
#include "Classes/errorlog/TrackerCellState.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Make.h"
#include "platform/ui/SearchBar.h"
#include "tests/Classes/errorlog/ErrorLogScreensSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using T = TrackerCellState;

class SectionTrackerTest : public errorlog_test::ErrorLogScreensTest {
  protected:
    // A screen shown holds itself until it closes: the test closes the ones it opened.
    void TearDown() override {
        if (screen) screen->close();
        ErrorLogScreensTest::TearDown();
    }
    void open(const std::shared_ptr<MSection>& s, ui::Idiom idiom = ui::Idiom::Phone) {
        if (screen) screen->close();
        screen = idiom == ui::Idiom::Phone ? ui::make<SectionVC>(s) : ui::make<SectionVC_iPad>(s);
        runFor(1);
    }
    ui::TableView& table() { return *screen->sectionTV(); }
    std::string shown(int index, int tag) {
        part(index, tag);
        return textIn(table(), SectionVC::indexPathOf(index), tag);
    }
    // A part of the row, scrolled into view.
    std::shared_ptr<ui::View> part(int index, int tag) {
        auto path = SectionVC::indexPathOf(index);
        if (!table().cellForRow(path)) table().scrollToRow(path, ui::TableViewScrollPosition::Top, false);
        return partOf(table(), path, tag);
    }
    // The picture of an image view or a key.
    std::string picture(int index, int tag) {
        auto view = part(index, tag);
        std::shared_ptr<const ui::Image> image;
        if (auto key = std::dynamic_pointer_cast<ui::Button>(view))
            image = key->currentImage();
        else if (auto iv = std::dynamic_pointer_cast<ui::ImageView>(view))
            image = iv->image();
        return image ? image->name() : "";
    }
    double alpha(int index, int tag) { return part(index, tag)->alpha(); }
    void select(int index) { tapRow(table(), SectionVC::indexPathOf(index)); }
    // The current row's start or answer key.
    void startOrAnswerKey() { tapView(part(screen->timer()->index(), T::kStartFinishTag)); }
    // The pad's letter (1..5), after its guess key when asked.
    void answer(int letter, bool guess = false) {
        startOrAnswerKey();
        runFor(0.3);
        auto pad = screen->answersVC();
        ASSERT_TRUE(pad);
        if (guess) tapView(pad->view()->subviews().back());
        tapView(testing_support::findByTag(pad->view(), letter));
        runFor(0.3);
    }
    const MHRecord* last(int index) { return screen->questions()[std::size_t(index)]->lastAttempt(); }

    std::shared_ptr<SectionVC> screen;
};

TEST_F(SectionTrackerTest, RowsComeInGroupsOfTwentyWithPagesInTheHeadersWhereKnown) {
    auto ps = section(0, "PS");
    auto temporary = std::make_shared<MSection>("Chosen", "CH", "", 5, 1, 1);
    for (int i = 0; i < 45; ++i) temporary->addQuestion(ps->questions()[std::size_t(i)]);
    open(temporary);
    EXPECT_EQ(table().numberOfSections(), 3);
    EXPECT_EQ(table().numberOfRows(2), 5);
    EXPECT_EQ(screen->sectionIndexTitles(table()), (std::vector<std::string>{"1", "21", "41"}));
    const auto& q = temporary->questions();
    EXPECT_EQ(screen->titleForHeader(table(), 2),
              "#41 - #45 (p. " + std::to_string(q[40]->page()) + " - " + std::to_string(q[44]->page()) + ")");
    EXPECT_EQ(shown(0, T::kPageTag), "p." + std::to_string(q[0]->page()));

    // Twenty questions: one group without a header.
    auto twenty = std::make_shared<MSection>("Twenty", "TW", "", 5, 1, 1);
    for (int i = 0; i < 20; ++i) twenty->addQuestion(ps->questions()[std::size_t(i)]);
    open(twenty);
    EXPECT_EQ(screen->titleForHeader(table(), 0), "");

    // A book without a key gives no pages: no page label and no pages in the header.
    open(section(1, "PS"));
    EXPECT_EQ(screen->titleForHeader(table(), 0), "#1 - #20");
    EXPECT_TRUE(part(0, T::kPageTag)->isHidden());

    // An empty list has no groups and no titles; sorting it does nothing.
    open(std::make_shared<MSection>("Empty", "EM", "", 5, 1, 1));
    EXPECT_EQ(table().numberOfSections(), 0);
    EXPECT_TRUE(screen->sectionIndexTitles(table()).empty());
    screen->sortSection(nullptr);
    EXPECT_EQ(screen->mainSection()->sortType(), MSection::kByNumber);
}

TEST_F(SectionTrackerTest, ARunRecordsAnswersDatedAtItsStartAndMovesOn) {
    auto ps = section(0, "PS");
    auto before = fnd::Date::now();
    ps->questions()[5]->setHistory(MQuestion::History{MHRecord::initWithDate(before, 30, 2, false)});
    open(ps);
    select(0);
    EXPECT_EQ(screen->timer()->index(), 0);
    EXPECT_EQ(picture(0, T::kStartFinishTag), T::kStartImage);
    startOrAnswerKey();
    fnd::Date started = *screen->timer()->startDate();
    EXPECT_EQ(screen->solvedLbl()->text(), "0/230");
    EXPECT_EQ(alpha(5, T::kUserAnswerTag), 0);  // an earlier answer hides during the run

    runFor(95);
    answer(3, true);
    ASSERT_TRUE(last(0));
    EXPECT_EQ(last(0)->date(), started);
    EXPECT_NEAR(last(0)->time(), 95, 0.6);
    EXPECT_EQ(last(0)->answer(), 3);
    EXPECT_TRUE(last(0)->fguess());
    EXPECT_EQ(screen->timer()->index(), 1);
    EXPECT_TRUE(ps->syncInfo()->isDirtyAgainstTime(started));
    // This run's answer shows its letter and guess mark during the run.
    EXPECT_EQ(shown(0, T::kUserAnswerTag), "C");
    EXPECT_EQ(shown(0, T::kGuessTag), "g");
    EXPECT_EQ(alpha(0, T::kUserAnswerTag), 1);
    EXPECT_EQ(alpha(0, T::kCurrentSectionTag), 1);

    runFor(10);
    answer(1);
    EXPECT_EQ(last(1)->date(), started);
    EXPECT_FALSE(last(1)->fguess());
    EXPECT_EQ(screen->solvedLbl()->text(), "2/230");
    EXPECT_FALSE(screen->captionsV()->isHidden());

    // A value outside the letters, or no current question, records nothing.
    screen->recordAnswer(106);
    screen->recordAnswer(0);
    EXPECT_FALSE(last(2));
    EXPECT_EQ(screen->timer()->index(), 2);

    // Stopping with the pad open records nothing for the question being timed.
    startOrAnswerKey();
    ASSERT_TRUE(screen->answersVC());
    screen->stopTimer(nullptr);
    runFor(1);
    EXPECT_FALSE(screen->answersVC());
    EXPECT_FALSE(last(2));
    EXPECT_EQ(screen->timer()->state(), MSetTimer::kFinished);
    // The scored rows show their marks again, the letters of the run stay.
    EXPECT_TRUE(picture(0, T::kCheckAnswerTag) == T::kRightImage ||
                picture(0, T::kCheckAnswerTag) == T::kWrongImage);
    EXPECT_EQ(alpha(0, T::kCurrentSectionTag), 1);
}

TEST_F(SectionTrackerTest, AnsweringTheLastRowEndsTheRunAndTheNextRunStartsAtZero) {
    auto ps = section(0, "PS");
    open(ps);
    screen->timer()->setIndex(229);
    screen->startStopTimer(nullptr);
    runFor(5);
    screen->recordAnswer(2);
    EXPECT_EQ(screen->timer()->state(), MSetTimer::kFinished);
    EXPECT_EQ(screen->timer()->index(), -1);
    auto finished = screen->timer();
    screen->timer()->setIndex(3);
    screen->startStopTimer(nullptr);
    EXPECT_NE(screen->timer(), finished);
    EXPECT_EQ(screen->timer()->state(), MSetTimer::kRunning);
    EXPECT_EQ(screen->timer()->timeForIndex(229), 0);
}

TEST_F(SectionTrackerTest, TheCurrentTimeTurnsYellowThenRedAndPausesStopTheRefresh) {
    open(section(0, "PS"));
    select(0);
    startOrAnswerKey();
    auto hueOf = [&] { return part(0, T::kTimeTag)->backgroundColor().toHSB().hue; };
    runFor(89.5);
    EXPECT_NEAR(hueOf(), AbstractAppDelegate::shared()->mainHue(), 0.01);
    runFor(30);  // 119.5 s
    EXPECT_NEAR(hueOf(), 0.15, 0.01);
    runFor(0.6);
    EXPECT_NEAR(hueOf(), 0.0, 0.01);

    screen->pauseTimer(nullptr);
    std::string paused = shown(0, T::kTimeTag);
    runFor(30);
    EXPECT_EQ(shown(0, T::kTimeTag), paused);
    EXPECT_EQ(picture(0, T::kPauseTag), T::kContinueImage);
    screen->pauseTimer(nullptr);
    EXPECT_EQ(screen->timer()->state(), MSetTimer::kRunning);

    // Going to the background pauses the run only when the option says so.
    rep->setStopTrackerInBackground(false);
    fnd::NotificationCenter::defaultCenter().post(AbstractAppDelegate::kDidEnterBackgroundNotification);
    EXPECT_EQ(screen->timer()->state(), MSetTimer::kRunning);
    rep->setStopTrackerInBackground(true);
    fnd::NotificationCenter::defaultCenter().post(AbstractAppDelegate::kDidEnterBackgroundNotification);
    EXPECT_EQ(screen->timer()->state(), MSetTimer::kPaused);

    // Leaving ends the refresh: no call reaches the closed screen.
    screen->pauseTimer(nullptr);
    EXPECT_EQ(screen->timer()->state(), MSetTimer::kRunning);
    auto time = std::dynamic_pointer_cast<ui::Label>(part(0, T::kTimeTag));
    screen->back();
    runFor(1);
    EXPECT_FALSE(screen->isShown());
    std::string left = time->text();
    runFor(5);
    EXPECT_EQ(time->text(), left);
}

TEST_F(SectionTrackerTest, RowsShowLettersByTheShowTimeAndMarksOnlyAgainstAKey) {
    auto scored = section(0, "PS");
    auto& q = scored->questions();
    fnd::Date twoDaysAgo = fnd::Date::now().addingTimeInterval(-2 * 86400);
    int wrong = q[0]->rightAnswer() % 5 + 1;
    q[0]->setHistory(MQuestion::History{MHRecord::initWithDate(twoDaysAgo, 40, q[0]->rightAnswer(), false),
                                        MHRecord::initWithDate(twoDaysAgo, 50, wrong, true)});
    q[1]->setHistory(MQuestion::History{});  // present but empty: unanswered
    rep->setBooksShowTime(86400);
    open(scored);
    EXPECT_EQ(shown(0, T::kUserAnswerTag), "");
    EXPECT_EQ(shown(0, T::kGuessTag), "");
    EXPECT_EQ(picture(0, T::kCheckAnswerTag), T::kWrongImage);
    EXPECT_EQ(picture(0, T::kHistoryTag), T::kHistoryRightImage);
    EXPECT_EQ(shown(0, T::kTimeTag), "00:50");
    EXPECT_EQ(picture(1, T::kCheckAnswerTag), T::kEmptyImage);
    EXPECT_EQ(shown(1, T::kTimeTag), T::kNoTime);

    rep->setBooksShowTime(0);
    table().reloadData();
    EXPECT_EQ(shown(0, T::kUserAnswerTag), MHRecord::letterForAnswer(wrong).value());
    EXPECT_EQ(shown(0, T::kGuessTag), "g");

    // Without a key the letter shows with no marks, and the official answer is "?".
    auto unscored = section(1, "PS");
    unscored->questions()[0]->setHistory(
        MQuestion::History{MHRecord::initWithDate(twoDaysAgo, 10, 4, false)});
    open(unscored);
    EXPECT_EQ(shown(0, T::kUserAnswerTag), "D");
    EXPECT_EQ(picture(0, T::kCheckAnswerTag), T::kEmptyImage);
    tapView(part(0, T::kOATag));
    EXPECT_EQ(shown(0, T::kOATag), "?");
}

TEST_F(SectionTrackerTest, TheOfficialAnswerTogglesAndAnyRowHidesIt) {
    auto ps = section(0, "PS");
    open(ps);
    tapView(part(3, T::kOATag));
    EXPECT_EQ(shown(3, T::kOATag), ps->questions()[3]->stringWithRightAnswer().value());
    tapView(part(3, T::kOATag));
    EXPECT_EQ(shown(3, T::kOATag), "OA");
    tapView(part(3, T::kOATag));
    select(1);
    EXPECT_EQ(shown(3, T::kOATag), "OA");
}

TEST_F(SectionTrackerTest, CompanionExplanationsAreLookedForAgainAfterAnEBookInstall) {
    auto ps = section(0, "PS");
    // The answers are kept for the process: start from none.
    fnd::NotificationCenter::defaultCenter().post(MRepository::kEBookInstallEndedNotification);
    open(ps);
    EXPECT_TRUE(part(0, T::kExplanationTag)->isHidden());
    auto folder = MRepository::companionExplanationHomePath();
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "OG12_PS_001_PS_comp.html") << "<p>companion</p>";
    table().reloadData();
    EXPECT_TRUE(part(0, T::kExplanationTag)->isHidden());  // remembered as missing
    fnd::NotificationCenter::defaultCenter().post(MRepository::kEBookInstallEndedNotification);
    table().reloadData();
    EXPECT_FALSE(part(0, T::kExplanationTag)->isHidden());
    EXPECT_TRUE(part(0, T::kOATag)->isHidden());
    EXPECT_EQ(SectionVC::explanationPathForQuestion(*ps->questions()[0]), "OG12_PS_001_PS_done");

    tapView(part(0, T::kExplanationTag));
    runFor(1);
    ASSERT_TRUE(screen->explanationVC());
    EXPECT_EQ(screen->explanationVC()->titleLbl()->text(), "OG12 PS #1");
}

TEST_F(SectionTrackerTest, SortingCyclesAndASearchKeepsItsFilterInTheNewOrder) {
    auto ps = section(0, "PS");
    open(ps);
    std::vector<std::string> names;
    for (int i = 0; i < 4; ++i) {
        screen->sortSection(nullptr);
        names.push_back(screen->sortTypeLbl()->text());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"time", "answer", "guess", "number"}));
    EXPECT_FALSE(screen->sortIV()->isHidden());
    EXPECT_DOUBLE_EQ(screen->sortIV()->center().x, screen->sortIVcenterN());

    screen->tagsQuickSearch(nullptr);
    ASSERT_FALSE(screen->searchBar()->isHidden());
    screen->searchBar()->setText("Easy, Circles");
    screen->searchBarSearchButtonClicked(*screen->searchBar());
    std::size_t found = screen->questions().size();
    ASSERT_GT(found, 0u);
    EXPECT_EQ(screen->searchResultLbl()->text(), std::to_string(found));
    EXPECT_EQ(screen->timer()->numberOfQuestions(), int(found));
    screen->sortSection(nullptr);
    EXPECT_TRUE(screen->showFilteredQSet());
    EXPECT_EQ(screen->questions().size(), found);

    // Hiding the bar shows the whole section again.
    screen->tagsQuickSearch(nullptr);
    EXPECT_FALSE(screen->showFilteredQSet());
    EXPECT_EQ(screen->timer()->numberOfQuestions(), 230);
}

TEST_F(SectionTrackerTest, TypingSearchesASecondAfterTheLastKeyOnceEveryTagHasThreeLetters) {
    open(section(0, "PS"));
    screen->tagsQuickSearch(nullptr);
    auto& bar = *screen->searchBar();
    screen->searchBarTextDidChange(bar, "Easy, Ci");
    runFor(2);
    EXPECT_FALSE(screen->showFilteredQSet());
    screen->searchBarTextDidChange(bar, "Easy, Cir");
    runFor(0.9);
    EXPECT_FALSE(screen->showFilteredQSet());
    runFor(0.2);
    EXPECT_TRUE(screen->showFilteredQSet());
    EXPECT_EQ(SectionVC::searchPieces("a ,b,  c"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(SectionTrackerTest, ClearingTheSectionDeletesOnlyItsHistory) {
    auto ps = section(0, "PS");
    auto ds = section(0, "DS");
    for (const auto& s : {ps, ds})
        s->questions()[0]->setHistory(
            MQuestion::History{MHRecord::initWithDate(fnd::Date::now(), 5, 1, false)});
    open(ps);
    auto sheet = ui::make<ui::ActionSheet>(std::string("?"), screen, std::string("Cancel"),
                                           std::string("Delete"), std::vector<std::string>{});
    screen->actionSheetClickedButton(*sheet, sheet->destructiveButtonIndex() + 1);
    EXPECT_TRUE(ps->questions()[0]->lastAttempt());
    screen->actionSheetClickedButton(*sheet, sheet->destructiveButtonIndex());
    EXPECT_FALSE(ps->questions()[0]->lastAttempt());
    EXPECT_TRUE(ds->questions()[0]->lastAttempt());
    EXPECT_EQ(shown(0, T::kTimeTag), T::kNoTime);
}

TEST_F(SectionTrackerTest, APassageTotalBelongsToTheQuestionsPassageAlsoInASearch) {
    auto rc = section(0, "RC");
    const auto& q = rc->questions();
    // The second passage, answered whole.
    std::size_t first = 1;
    while (q[first]->questionType() != 6) ++first;
    std::size_t end = first + 1;
    while (end < q.size() && q[end]->questionType() != 6) ++end;
    double total = 0;
    for (std::size_t i = first; i < end; ++i) {
        q[i]->setHistory(
            MQuestion::History{MHRecord::initWithDate(fnd::Date::now(), 20.0 + double(i), 1, false)});
        total += 20.0 + double(i);
    }
    open(rc);
    EXPECT_EQ(shown(int(first), T::kTimeRCTag), MSetTimer::stringWithTime(total));
    EXPECT_EQ(shown(0, T::kTimeRCTag), T::kNoTime);

    screen->tagsQuickSearch(nullptr);
    std::vector<std::string> tags(q[first]->conceptNames()->begin(), q[first]->conceptNames()->end());
    screen->searchDelay(tags);
    const auto& found = screen->questions();
    auto at = std::find(found.begin(), found.end(), q[first]);
    ASSERT_NE(at, found.end());
    EXPECT_EQ(shown(int(at - found.begin()), T::kTimeRCTag), MSetTimer::stringWithTime(total));

    // Outside page-and-number order the total is not shown.
    screen->tagsQuickSearch(nullptr);
    screen->sortSection(nullptr);
    const auto& byTime = screen->questions();
    auto moved = std::find(byTime.begin(), byTime.end(), q[first]);
    EXPECT_EQ(shown(int(moved - byTime.begin()), T::kTimeRCTag), T::kNoTime);
}

TEST_F(SectionTrackerTest, TheTabletShowsTheShortNameAndItsOwnLayouts) {
    start(ui::Idiom::Tablet);
    open(section(0, "PS"), ui::Idiom::Tablet);
    auto tablet = std::dynamic_pointer_cast<SectionVC_iPad>(screen);
    ASSERT_TRUE(tablet);
    EXPECT_EQ(tablet->shortNameLbl()->text(), "PS");
    EXPECT_EQ(tablet->nibName(), "SectionView-iPad");
    EXPECT_EQ(tablet->fxspace(), 20);
    select(0);
    startOrAnswerKey();
    startOrAnswerKey();
    runFor(0.3);
    EXPECT_TRUE(std::dynamic_pointer_cast<AnswersVC_iPad>(screen->answersVC()));
}

TEST_F(SectionTrackerTest, TheAnswerPadHidesTheRowsUnderIt) {
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        start(idiom);
        open(section(0, "PS"), idiom);
        select(0);
        startOrAnswerKey();
        startOrAnswerKey();
        runFor(0.3);
        ASSERT_TRUE(screen->answersVC());
        EXPECT_EQ(screen->answersVC()->view()->backgroundColor().alpha, 1) << int(idiom);
    }
}

}  // namespace
