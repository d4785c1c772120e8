// The calculator panel: its keys drive the engine and its three labels show the result; it covers
// the phone's screen and docks beside the tablet's, and every opening starts afresh.

#include <gtest/gtest.h>

#include <vector>

#include "Classes/study_aids/Calculator.h"
#include "Classes/study_aids/CalculatorVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "tests/Classes/study_aids/StudyAidsScreensSupport.h"

namespace {

class CalculatorPanelTest : public study_aids_test::StudyAidsScreensTest {
  protected:
    void SetUp() override {
        StudyAidsScreensTest::SetUp();
        Calculator::setStartNewNumber(false);  // as at program start
    }
    void TearDown() override {
        if (panel) panel->close();
        StudyAidsScreensTest::TearDown();
    }
    std::shared_ptr<CalculatorVC> open(double adjustment = CalculatorVC::kDefaultAdjustment) {
        if (panel) panel->close();
        panel = ui::make<CalculatorVC>(adjustment);
        runFor(0.3);
        return panel;
    }
    void press(const std::vector<std::string>& keys) {
        for (const std::string& title : keys) tapView(key(panel->view(), title));
    }
    ui::Rect homeBounds() const { return home->view()->bounds(); }

    std::shared_ptr<CalculatorVC> panel;
};

// Keys pressed on a new panel (titles as on the keys) and the three labels after them.
struct Keys {
    std::vector<std::string> keys;
    const char* display;
    const char* memory;
    const char* pendingOperator;
};

TEST_F(CalculatorPanelTest, KeysShowTheDisplayTheMemoryAndThePendingOperator) {
    const std::vector<Keys> cases{
        {{}, "0", "", ""},
        {{"1", "2", "+", "3", "="}, "15", "", ""},
        {{"2", "+", "3", "\u00D7", "4", "="}, "20", "", ""},
        {{"8", "\u00F7"}, "8", "", "\u00F7"},
        {{"9", "\u2212", "C"}, "0", "", "\u2212"},
        {{"9", "\u2212", "C", "C"}, "0", "", ""},
        {{"9", "\u221Ax"}, "3", "", ""},
        {{"4", "1/x"}, "0.25", "", ""},
        {{"3", "x!"}, "6", "", ""},
        {{"5", "\u00B1", "3"}, "-53", "", ""},
        {{"2", "x\u00B2", "x\u00B3"}, "64", "", ""},
        {{"1", "2", "D"}, "1", "", ""},
        {{"0", ".", "5", "."}, "0.5", "", ""},
        {{"7", "\u00F7", "0", "="}, "inf", "", ""},
        {{"7", "M+", "C", "2", "M-", "MR"}, "5", "M: 5", ""},
        {{"7", "M+", "MC"}, "7", "", ""},
    };
    for (const Keys& c : cases) {
        Calculator::setStartNewNumber(false);
        open();
        press(c.keys);
        std::string keys;
        for (const std::string& k : c.keys) keys += k + " ";
        EXPECT_EQ(panel->display()->text(), c.display) << keys;
        EXPECT_EQ(panel->memDisplay()->text(), c.memory) << keys;
        EXPECT_EQ(panel->opDisplay()->text(), c.pendingOperator) << keys;
    }
}

TEST_F(CalculatorPanelTest, OnThePhoneThePanelCoversTheScreenWhateverTheAdjustment) {
    for (double adjustment : {60.0, 16.0}) {
        open(adjustment);
        EXPECT_EQ(panel->slideDirection(), SliddenViewController::kFromRight);
        EXPECT_EQ(panel->view()->frame(), homeBounds());
        EXPECT_EQ(panel->view()->superview(), home->view());
    }
}

TEST_F(CalculatorPanelTest, OnTheTabletThePanelRestsAtTheLowerRightAndKeepsItsPlaceWhenTheScreenTurns) {
    start(ui::Idiom::Tablet);
    for (double adjustment : {CalculatorVC::kDefaultAdjustment, 16.0}) {
        open(adjustment);
        ui::Rect frame = panel->view()->frame();
        EXPECT_EQ(frame.maxX(), homeBounds().size.width - SliddenViewController::kDockMargin);
        EXPECT_EQ(frame.maxY(), homeBounds().size.height - adjustment);
    }
    // The home screen turns: its view becomes wide, and the panel keeps its distance from the edges.
    ui::Size turned{homeBounds().size.height, homeBounds().size.width};
    home->view()->setFrame({home->view()->frame().origin, turned});
    EXPECT_EQ(panel->view()->frame().maxX(), turned.width - SliddenViewController::kDockMargin);
    EXPECT_EQ(panel->view()->frame().maxY(), turned.height - 16.0);
}

TEST_F(CalculatorPanelTest, DonePostsDoneAndANewPanelStartsAfresh) {
    open();
    press({"7", "M+", "+", "1"});
    int dones = 0;
    auto token = fnd::NotificationCenter::defaultCenter().addObserver(
        this, std::string(CalculatorVC::kDoneNotification), CommonViewController::notificationId(panel.get()),
        [&](const fnd::Notification&) { ++dones; });
    tapView(key(panel->view(), "Done"));
    EXPECT_EQ(dones, 1);
    fnd::NotificationCenter::defaultCenter().removeToken(token);

    open();
    EXPECT_EQ(panel->display()->text(), "0");
    press({"MR"});
    EXPECT_EQ(panel->display()->text(), "0");
    EXPECT_EQ(panel->memDisplay()->text(), "");
}

}  // namespace
