#include "tests/Classes/errorlog/ErrorLogScreensSupport.h"

#include <gtest/gtest.h>

#include <fstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "platform/foundation/Paths.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/SyntheticAnswerKeys.h"
#include "tests/support/ViewTestSupport.h"

namespace errorlog_test {

namespace {

// The product's delegate without its loading thread: the test hands it the user's data.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

}  // namespace

void ErrorLogScreensTest::SetUp() {
    ScreenTestEnvironment::SetUp();
    AbstractAppDelegate::registerClasses();
    const BookSkeleton& first = BookSkeleton::all()[0];
    auto folder = fnd::Paths::documents() / "AnswerKeys";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / first.keyFileName) << syntheticKeyText(first);
    start(ui::Idiom::Phone);
}

void ErrorLogScreensTest::start(ui::Idiom idiom) {
    if (home) home->close();
    delegate = std::make_shared<StillDelegate>();
    launch(idiom, delegate);
    rep = MRepository::makeWithData();
    rep->setBooksShowTime(0);
    rep->setDoNotShowTips(true);
    rep->setFeedbackOpenCounter(1);
    home = testing_support::showHomeScreen(*delegate, rep);
}

// The home screen lives as long as the program; the test lets go of it.
void ErrorLogScreensTest::TearDown() {
    if (home) home->close();
    home.reset();
    ScreenTestEnvironment::TearDown();
}

std::shared_ptr<MSection> ErrorLogScreensTest::section(std::size_t bookIndex,
                                                       const std::string& shortName) const {
    for (const auto& s : book(bookIndex)->sections())
        if (s->shortName() == shortName) return s;
    ADD_FAILURE() << "no section " << shortName;
    return nullptr;
}

std::shared_ptr<ui::View> ErrorLogScreensTest::partOf(ui::TableView& table, ui::IndexPath row, int tag) {
    auto cell = table.cellForRow(row);
    EXPECT_TRUE(cell) << "row " << row.section << "/" << row.row << " is not in view";
    return cell ? cell->viewWithTag(tag) : nullptr;
}

std::string ErrorLogScreensTest::textIn(ui::TableView& table, ui::IndexPath row, int tag) {
    auto label = std::dynamic_pointer_cast<ui::Label>(partOf(table, row, tag));
    if (auto button = std::dynamic_pointer_cast<ui::Button>(partOf(table, row, tag)))
        return button->currentTitle();
    return label ? label->text() : "(none)";
}

void ErrorLogScreensTest::tapRow(ui::TableView& table, ui::IndexPath row) {
    auto cell = table.cellForRow(row);
    ASSERT_TRUE(cell);
    testing_support::Finger finger(testing_support::rootOf(*cell));
    finger.down(testing_support::centreInRoot(*cell->contentView()));
    runFor(0.2);
    finger.up();
    runFor(0.05);
}

void ErrorLogScreensTest::tapView(const std::shared_ptr<ui::View>& view) {
    ASSERT_TRUE(view);
    testing_support::tap(*view);
    runFor(0.05);
}

}  // namespace errorlog_test
