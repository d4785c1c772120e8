// The statistics tool on the phone and the test-date editor beside the tablet's pane, opened from
// the home screen.

#include <gtest/gtest.h>

#include <cmath>

#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolChooseVC_iPad.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/statistics/EditTestDateVC.h"
#include "Classes/statistics/PlotView.h"
#include "Classes/statistics/StatAggregator.h"
#include "Classes/statistics/StatisticsAndDateView.h"
#include "Classes/statistics/StatisticsVC.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Switch.h"
#include "tests/Classes/statistics/StatisticsPanelSupport.h"
#include "tests/support/HomeScreenLaunch.h"

namespace statistics_test {
namespace {

// The product's delegate without its loading thread: the test hands it the user's data.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

class StatisticsScreens : public StatisticsPanelTest {
  protected:
    // The home screen over a fresh repository with the study history.
    void start(ui::Idiom idiom) {
        addStudyHistory(practice, errorLog, kNow);
        delegate = std::make_shared<StillDelegate>();
        launch(idiom, delegate);
        rep = MRepository::makeWithData();
        rep->qSets().push_back(practice.sets.front());
        auto books = rep->trackerRep()->books();
        books.push_back(errorLog.books.front());
        rep->trackerRep()->setBooks(books);
        rep->setDoNotShowTips(true);
        rep->setFeedbackOpenCounter(1);  // the feedback tool has been seen: it does not open by itself
        home = testing_support::showHomeScreen(*delegate, rep);
    }
    // The home screen lives as long as the program; the test lets go of it.
    void TearDown() override {
        if (home) home->close();
        home.reset();
        StatisticsPanelTest::TearDown();
    }
    void openTool(const std::string& button) {
        testing_support::tap(*testing_support::findByOutlet(*home, button));
        ASSERT_TRUE(home->toolVC());
    }
    std::shared_ptr<StatisticsAndDateView> pane() const {
        return std::static_pointer_cast<ToolChooseVC_iPad>(home)->statPaneV();
    }
    // Runs until the open tool has gone and the home screen is back.
    void runUntilClosed() {
        std::weak_ptr<ToolViewController> tool = home->toolVC();
        ASSERT_TRUE(runUntil([&] { return !home->toolVC() && tool.expired(); }, 5));
        runFor(1);
    }
    template <class T>
    std::shared_ptr<T> toolOutlet(const std::string& name) {
        return std::dynamic_pointer_cast<T>(testing_support::findByOutlet(*home->toolVC(), name));
    }
    std::shared_ptr<ui::View> toolText(const std::string& text) {
        return testing_support::findByText(home->toolVC()->view(), text);
    }

    std::shared_ptr<MRepository> rep;
    std::shared_ptr<TovridaAppDelegate> delegate;
    std::shared_ptr<ToolChooseVC> home;
};

TEST_F(StatisticsScreens, TheToolShowsThePanelAndEndsItsWorkWhenLeft) {
    start(ui::Idiom::Phone);
    openTool("statisticsBtn");
    auto tool = std::dynamic_pointer_cast<StatisticsVC>(home->toolVC());
    ASSERT_TRUE(tool);
    auto panel = tool->statPaneV();
    auto scroll = toolOutlet<ui::ScrollView>("statSV");
    EXPECT_EQ(panel->superview(), scroll);
    EXPECT_EQ(scroll->contentSize(), panel->bounds().size);
    EXPECT_GT(scroll->contentSize().height, scroll->bounds().size.height);  // the table is further down
    ASSERT_TRUE(runUntil([&] { return panel->aggregator(StatisticsView::kAllField) != nullptr; }));
    EXPECT_EQ(label(*panel, "AllOverallL")->text(),
              std::to_string(panel->aggregator(7)->statRecords().size()));

    // Done: the home screen takes the tool away; the panel neither draws nor refreshes afterwards.
    auto histogram = outlet(*panel, "numberOfSolvedV")->subviews().back();
    testing_support::tap(*toolText("Done"));
    runUntilClosed();
    EXPECT_TRUE(panel->isStopped());
    panel->renderStatistics();
    runFor(3600);
    EXPECT_EQ(outlet(*panel, "numberOfSolvedV")->subviews().back(), histogram);
}

TEST_F(StatisticsScreens, LeavingBeforeTheComputationEndsDrawsNothing) {
    start(ui::Idiom::Phone);
    openTool("statisticsBtn");
    auto panel = std::dynamic_pointer_cast<StatisticsVC>(home->toolVC())->statPaneV();
    std::dynamic_pointer_cast<StatisticsVC>(home->toolVC())->doneClick(nullptr);
    runUntilClosed();
    ASSERT_TRUE(runUntil([&] { return !panel->isComputing(); }));
    runFor(120);
    EXPECT_EQ(panel->aggregator(StatisticsView::kAllField), nullptr);
    EXPECT_EQ(outlet(*panel, "numberOfSolvedV")->subviews().size(), 2u);  // the interface file's labels
}

TEST_F(StatisticsScreens, TheEditorSetsTheTestDateAndThePaneCountsDown) {
    start(ui::Idiom::Tablet);
    auto pane = this->pane();
    ASSERT_TRUE(pane && pane->superview());
    ASSERT_TRUE(runUntil([&] { return pane->aggregator(StatisticsView::kAllField) != nullptr; }));
    EXPECT_FALSE(label(*pane, "notificationL")->isHidden());

    openTool("editTestDateBtn");
    auto onOff = toolOutlet<ui::Switch>("dateOnOffSwitcher");
    auto date = toolOutlet<ui::DatePicker>("datePicker");
    auto time = toolOutlet<ui::DatePicker>("timePicker");
    EXPECT_FALSE(onOff->isOn());
    EXPECT_TRUE(date->isHidden() && time->isHidden());
    testing_support::tap(*onOff);
    EXPECT_TRUE(onOff->isOn());
    EXPECT_FALSE(date->isHidden() || time->isHidden());
    // The pickers open on now; the day two later at three hours later, to the minute.
    const double shown = std::floor(date->date().timeIntervalSinceReferenceDate() / 60) * 60;
    date->turn(ui::DatePicker::Part::Day, 2);
    time->turn(ui::DatePicker::Part::Hour, 3);
    testing_support::tap(*toolText("Done"));
    runUntilClosed();
    ASSERT_TRUE(rep->testDate());
    EXPECT_EQ(rep->testDate()->timeIntervalSinceReferenceDate(), shown + 2 * 86400 + 3 * 3600);
    EXPECT_EQ(label(*pane, "timerDaysL")->text(), "2 days");
    const double left = rep->testDate()->timeIntervalSinceNow() - 2 * 86400;
    // Redrawn five times a second: at most that far behind.
    const std::string timer = label(*pane, "timerL")->text();
    const double seconds = std::stoi(timer.substr(0, 2)) * 3600 + std::stoi(timer.substr(3, 2)) * 60 +
                           std::stoi(timer.substr(6, 2));
    EXPECT_NEAR(seconds, left, 1) << timer;
    EXPECT_TRUE(label(*pane, "notificationL")->isHidden());
}

TEST_F(StatisticsScreens, TheEditorOpensOnTheStoredDateAndOnlyDoneWithTheSwitchOffRemovesIt) {
    start(ui::Idiom::Tablet);
    const fnd::Date stored(kNow + 30 * 86400 + 9 * 3600);
    rep->setTestDate(stored);

    // Opened to look and left with Done: the date stays.
    openTool("editTestDateBtn");
    EXPECT_TRUE(toolOutlet<ui::Switch>("dateOnOffSwitcher")->isOn());
    EXPECT_FALSE(toolOutlet<ui::DatePicker>("datePicker")->isHidden());
    EXPECT_EQ(toolOutlet<ui::DatePicker>("timePicker")->date(), stored);
    std::dynamic_pointer_cast<EditTestDateVC>(home->toolVC())->doneClick(nullptr);
    runUntilClosed();
    EXPECT_EQ(rep->testDate(), stored);

    // Cancel changes nothing, whatever the editor shows.
    openTool("editTestDateBtn");
    testing_support::tap(*toolOutlet<ui::Switch>("dateOnOffSwitcher"));
    toolOutlet<ui::DatePicker>("datePicker")->turn(ui::DatePicker::Part::Day, 1);
    testing_support::tap(*toolText("Cancel"));
    runUntilClosed();
    EXPECT_EQ(rep->testDate(), stored);

    // The switch off and Done: no date, and the pane says so.
    openTool("editTestDateBtn");
    testing_support::tap(*toolOutlet<ui::Switch>("dateOnOffSwitcher"));
    EXPECT_TRUE(toolOutlet<ui::DatePicker>("datePicker")->isHidden());
    testing_support::tap(*toolText("Done"));
    runUntilClosed();
    EXPECT_EQ(rep->testDate(), std::nullopt);
    EXPECT_FALSE(label(*pane(), "notificationL")->isHidden());
    EXPECT_TRUE(label(*pane(), "timerL")->isHidden());
}

}  // namespace
}  // namespace statistics_test
