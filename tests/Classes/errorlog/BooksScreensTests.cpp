// The books list and a book's sections: bars of right, wrong, unscored and unanswered questions,
// success rates, the lists following what their children changed, clearing a book, and the tool's
// idle timer.

#include <gtest/gtest.h>

#include "Classes/core/ToolChooseVC.h"
#include "Classes/errorlog/BookVC.h"
#include "Classes/errorlog/BooksVC.h"
#include "Classes/errorlog/SectionVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Make.h"
#include "tests/Classes/errorlog/ErrorLogScreensSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace {

class BooksScreensTest : public errorlog_test::ErrorLogScreensTest {
  protected:
    // The tool, opened by the home screen's button.
    std::shared_ptr<BooksVC> openTool() {
        testing_support::tap(*testing_support::findByOutlet(*home, "booksBtn"));
        runFor(1);
        auto tool = std::dynamic_pointer_cast<BooksVC>(home->toolVC());
        EXPECT_TRUE(tool);
        return tool;
    }
    void answer(const std::shared_ptr<MSection>& s, std::size_t index, int letter) {
        s->questions()[index]->addHRecord(MHRecord::initWithDate(fnd::Date::now(), 10, letter, false));
    }
    // A bar segment's width and text in a row.
    std::pair<double, std::string> segment(ui::TableView& table, int row, int tag) {
        auto label = std::dynamic_pointer_cast<ui::Label>(partOf(table, {0, row}, tag));
        if (!label) return {-1, "(none)"};
        return {label->frame().size.width, label->text()};
    }
};

TEST(AnswerBarWidths, SharesAreWholePointsAndTheUnansweredTakeTheRest) {
    auto w = AnswerBar::widthsFor({907, 300, 100, 0}, 215);
    EXPECT_EQ((std::array{w.right, w.wrong, w.unscored, w.unanswered}), (std::array{71, 23, 0, 121}));
    w = AnswerBar::widthsFor({0, 0, 0, 0}, 175);
    EXPECT_EQ(w.unanswered, 175);
    EXPECT_EQ(BookVC::successRate(0, 0), "success rate");
    EXPECT_EQ(BookVC::successRate(2, 1), "66.7 %");
}

TEST_F(BooksScreensTest, TheToolListsTheBooksAndKeepsTheDeviceAwake) {
    auto tool = openTool();
    ASSERT_TRUE(tool);
    EXPECT_TRUE(ui::Application::shared().isIdleTimerDisabled());
    EXPECT_EQ(tool->rep(), rep->trackerRep());
    EXPECT_TRUE(tool->canUpdateStatistics());
    auto& table = *tool->booksTV();
    EXPECT_EQ(table.numberOfRows(0), 6);
    EXPECT_EQ(textIn(table, {0, 0}, BooksVC::kShortNameTag), "OG12");
    EXPECT_EQ(textIn(table, {0, 0}, BooksVC::kPagesTag), "pages: 840");
    EXPECT_EQ(segment(table, 0, AnswerBar::kUnansweredTag),
              (std::pair<double, std::string>{215, "unanswered"}));
    EXPECT_EQ(table.cellForRow({0, 1})->backgroundColor(), ui::Color::hsb(0.3, 0, 0.92));
    EXPECT_EQ(table.cellForRow({0, 0})->backgroundColor(), ui::Color::whiteColor());
    EXPECT_EQ(table.cellForRow({0, 0})->subviews().front()->tag(), BooksVC::kShadeTag);

    fnd::NotificationCenter::defaultCenter().post(ToolViewController::kToolDoneNotification,
                                                  tool->sharedAs<fnd::Object>());
    runFor(1);
    EXPECT_FALSE(ui::Application::shared().isIdleTimerDisabled());
}

TEST_F(BooksScreensTest, ListsFollowTheAnswersGivenInTheirChildren) {
    auto tool = openTool();
    tapRow(*tool->booksTV(), {0, 0});
    runFor(1);
    auto bookScreen = tool->bookVC();
    ASSERT_TRUE(bookScreen);
    auto& sections = *bookScreen->bookTV();
    EXPECT_EQ(textIn(sections, {0, 1}, BookVC::kNameTag), "Problem Solving");
    EXPECT_EQ(textIn(sections, {0, 1}, BookVC::kCountTag), "230 questions");
    EXPECT_EQ(textIn(sections, {0, 1}, BookVC::kSuccessRateTag), "success rate");

    tapRow(sections, {0, 1});
    runFor(1);
    auto sectionScreen = bookScreen->sectionVC();
    ASSERT_TRUE(sectionScreen);
    auto ps = sectionScreen->mainSection();
    for (std::size_t i = 0; i < 2; ++i) answer(ps, i, ps->questions()[i]->rightAnswer());
    answer(ps, 2, ps->questions()[2]->rightAnswer() % 5 + 1);
    sectionScreen->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(bookScreen->sectionVC());
    EXPECT_EQ(textIn(sections, {0, 1}, BookVC::kSuccessRateTag), "66.7 %");
    EXPECT_EQ(segment(sections, 1, AnswerBar::kRightTag).first, 2 * 175 / 230);

    // Clearing the book leaves every bar unanswered, here and in the books list.
    auto sheet = ui::make<ui::ActionSheet>(std::string("?"), bookScreen, std::string("Cancel"),
                                           std::string("Delete"), std::vector<std::string>{});
    bookScreen->actionSheetClickedButton(*sheet, sheet->destructiveButtonIndex());
    EXPECT_EQ(textIn(sections, {0, 1}, BookVC::kSuccessRateTag), "success rate");
    bookScreen->doneClick(nullptr);
    runFor(1);
    EXPECT_EQ(segment(*tool->booksTV(), 0, AnswerBar::kUnansweredTag).first, 215);
}

TEST_F(BooksScreensTest, AnswersInABookWithoutAKeyFillTheUnscoredSegment) {
    auto quant = book(1);
    for (std::size_t i = 0; i < 100; ++i) answer(quant->sections()[0], i, 1);
    auto tool = openTool();
    auto& table = *tool->booksTV();
    EXPECT_EQ(segment(table, 1, AnswerBar::kUnscoredTag),
              (std::pair<double, std::string>{100 * 215 / 300, "unscored"}));
    EXPECT_EQ(segment(table, 1, AnswerBar::kRightTag).first, 0);
    EXPECT_EQ(segment(table, 1, AnswerBar::kUnansweredTag).first, 215 - 100 * 215 / 300);
    tapRow(table, {0, 1});
    runFor(1);
    EXPECT_EQ(textIn(*tool->bookVC()->bookTV(), {0, 0}, BookVC::kSuccessRateTag), "success rate");
}

TEST_F(BooksScreensTest, TheTabletOpensItsOwnScreensWithBarsInContainers) {
    start(ui::Idiom::Tablet);
    auto tool = openTool();
    ASSERT_TRUE(std::dynamic_pointer_cast<BooksVC_iPad>(tool));
    auto container = partOf(*tool->booksTV(), {0, 0}, AnswerBar::kContainerTag);
    ASSERT_TRUE(container);
    EXPECT_EQ(container->frame().size.width, 768 - 128);
    tapRow(*tool->booksTV(), {0, 0});
    runFor(1);
    ASSERT_TRUE(std::dynamic_pointer_cast<BookVC_iPad>(tool->bookVC()));
    tapRow(*tool->bookVC()->bookTV(), {0, 0});
    runFor(1);
    EXPECT_TRUE(std::dynamic_pointer_cast<SectionVC_iPad>(tool->bookVC()->sectionVC()));
}

}  // namespace
