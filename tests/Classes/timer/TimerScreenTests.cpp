// The timer screen driven through its keys on the manual clock: fixed, custom and open-ended
// sections from start to Reset, the refresh, the alerts and colours, the pauses that keep time
// away from being counted, and the options overlay.

#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/CommonConfirmVC.h"
#include "Classes/timer/CustomEditVC.h"
#include "Classes/timer/TimerAllResultsVC.h"
#include "Classes/timer/TimerConfirmVC.h"
#include "Classes/timer/TimerResultsVC.h"
#include "Classes/timer/TimerSettingsVC.h"
#include "Classes/timer/TimerSettingsVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/SegmentedControl.h"
#include "tests/Classes/timer/TimerScreenSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace timer_test {
namespace {

using testing_support::findByOutlet;

class TimerScreen : public TimerScreenTest {
  protected:
    std::string startTitle() { return timer->startFinishBtn()->titleForState(ui::StateNormal); }
    std::string pauseTitle() { return timer->pauseGoResultsBtn()->titleForState(ui::StateNormal); }
    bool answerKeysEnabled() {
        return std::static_pointer_cast<ui::Button>(findByOutlet(*timer, "ABtn"))->isEnabled();
    }
    // The keys as one line: start key, pause key, kind key, answer keys.
    std::string keys() {
        return startTitle() + "|" + pauseTitle() + "|" +
               (timer->changeModeBtn()->isEnabled() ? "kind" : "-") + "|" +
               (answerKeysEnabled() ? "letters" : "-");
    }
    std::string numbersAndTime() {
        return text(timer->currentAndTotalNumbersLbl()) + " " + text(timer->timeLbl());
    }
    std::string imageOf(const std::shared_ptr<ui::Button>& key, unsigned state) {
        auto image = key->imageForState(state);
        return image ? image->name() : "(none)";
    }
    // The screen's parts that must show whole, by outlet.
    static constexpr const char* kParts[] = {"setTypeLbl",
                                             "currentAndTotalNumbersLbl",
                                             "timeLbl",
                                             "currentTimeLbl",
                                             "averageTimeLbl",
                                             "reserveLbl",
                                             "expectedQuestionLbl",
                                             "startFinishBtn",
                                             "pauseGoResultsBtn",
                                             "ABtn",
                                             "BBtn",
                                             "CBtn",
                                             "DBtn",
                                             "EBtn"};
    ui::Rect inRoot(const std::shared_ptr<ui::View>& view) {
        return view->superview()->convertTo(view->frame(), home->view().get());
    }
    // Every part lies on the screen, and no two keys overlap.
    void expectEveryPartOnTheScreen() {
        ui::Rect screen = home->view()->bounds();
        std::vector<ui::Rect> keys;
        for (const char* part : kParts) {
            ui::Rect r = inRoot(findByOutlet(*timer, part));
            EXPECT_TRUE(screen.contains(r.origin) && r.maxX() <= screen.maxX() && r.maxY() <= screen.maxY())
                << part << " at " << r.minX() << "," << r.minY() << " on " << screen.width() << "x"
                << screen.height();
            if (std::string(part).find("Btn") != std::string::npos) {
                for (const ui::Rect& other : keys) EXPECT_FALSE(r.intersects(other)) << part;
                keys.push_back(r);
            }
        }
    }
    void turn(ui::DeviceOrientation orientation) {
        application().deviceDidRotate(orientation);
        runFor(1);
    }
    // The custom settings, then the kind key pressed until the section is custom.
    void customSection(int number, double seconds, int start) {
        rep->timer()->setCustomNumberOfQuestion(number);
        rep->timer()->setCustomTotalTime(seconds);
        rep->timer()->setCustomStartNumber(start);
        tap(timer->changeModeBtn());
        tap(timer->changeModeBtn());
    }
};

TEST_F(TimerScreen, AFixedSectionFromStartToReset) {
    start();
    EXPECT_EQ(text(timer->setTypeLbl()), "Quantitative");
    EXPECT_EQ(numbersAndTime(), "1/37 75:00");
    EXPECT_EQ(keys(), " Start |Results|kind|-");
    EXPECT_EQ(imageOf(timer->startFinishBtn(), ui::StateNormal), "toolBtn_start.png");
    EXPECT_EQ(imageOf(timer->startFinishBtn(), ui::StateHighlighted), "toolBtn_start_h.png");
    EXPECT_TRUE(ui::Application::shared().isIdleTimerDisabled());

    tapStartFinish();  // half a second on: a started second still counts
    EXPECT_EQ(tips, std::vector<std::string>{TimerV2VC::kTimerStartedTip});
    EXPECT_EQ(numbersAndTime(), "1/37 75:00");
    EXPECT_EQ(keys(), "Finish|Pause|-|letters");
    EXPECT_EQ(imageOf(timer->pauseGoResultsBtn(), ui::StateNormal), "toolBtn_pause.png");
    runFor(0.6);
    EXPECT_EQ(numbersAndTime(), "1/37 74:59");

    answer("A");
    answer("B", "Guess");
    answer("C", "Cancel");
    EXPECT_EQ(record()->userAnswers(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(record()->guesses(), (std::vector<bool>{false, true}));
    EXPECT_EQ(text(timer->currentAndTotalNumbersLbl()), "3/37");

    tapPauseGo();
    EXPECT_EQ(keys(), "Finish|  Go   |-|-");
    EXPECT_EQ(imageOf(timer->pauseGoResultsBtn(), ui::StateNormal), "toolBtn_continue.png");
    const std::string paused = text(timer->timeLbl());
    runFor(60);
    EXPECT_EQ(text(timer->timeLbl()), paused);
    tap(timer->pauseGoResultsBtn(), 0);
    EXPECT_EQ(text(timer->timeLbl()), paused);

    finish();
    EXPECT_EQ(record()->status(), MTimerRecord::kFinished);
    EXPECT_EQ(keys(), "Reset|Results|-|-");
    EXPECT_EQ(imageOf(timer->pauseGoResultsBtn(), ui::StateNormal), "toolBtn_currentresults.png");
    EXPECT_EQ(text(timer->currentAndTotalNumbersLbl()), "2/37");
    const auto finished = record();

    tapStartFinish();  // Reset keeps the section with answers and readies a new one
    ASSERT_EQ(rep->timer()->timerRecordSet()->count(), 1);
    EXPECT_EQ(rep->timer()->timerRecordSet()->timerRecordAtIndex(0), finished);
    EXPECT_NE(record(), finished);
    EXPECT_EQ(numbersAndTime(), "1/37 75:00");
    EXPECT_EQ(keys(), " Start |Results|kind|-");
}

TEST_F(TimerScreen, ACustomSectionContinuesTheUsersNumbering) {
    start();
    customSection(20, 2400, 10);
    EXPECT_EQ(text(timer->setTypeLbl()), "Custom");
    EXPECT_EQ(timer->customEditBtn()->alpha(), 1);
    EXPECT_EQ(timer->setTypeLbl()->center().x, 135.8);
    EXPECT_EQ(numbersAndTime(), "#10 1/20 40:00");
    tapStartFinish();
    EXPECT_EQ(timer->customEditBtn()->alpha(), 0);
    EXPECT_EQ(timer->setTypeLbl()->center().x, 160.8);
    for (const char* letter : {"A", "B", "C", "D", "E"}) answer(letter);
    EXPECT_EQ(text(timer->currentAndTotalNumbersLbl()), "#15 6/20");
    finish();
    EXPECT_EQ(text(timer->currentAndTotalNumbersLbl()), "#10 - #14 5/20");
    tapStartFinish();
    EXPECT_EQ(rep->timer()->customStartNumber(), 15);
    EXPECT_EQ(numbersAndTime(), "#15 1/20 40:00");

    // A section finished without answers is not kept, and the numbering stays.
    tapStartFinish();
    finish();
    EXPECT_EQ(text(timer->currentAndTotalNumbersLbl()), "0/20");
    tapStartFinish();
    EXPECT_EQ(rep->timer()->timerRecordSet()->count(), 1);
    EXPECT_EQ(rep->timer()->customStartNumber(), 15);
}

TEST_F(TimerScreen, AnOpenEndedSectionCountsUpWithoutPace) {
    start();
    customSection(10, -1, 1);
    tap(shown("Info"));
    EXPECT_EQ(tips, std::vector<std::string>{TimerV2VC::kXInfoTip});
    EXPECT_EQ(numbersAndTime(), "#1 1 00:00");
    tapStartFinish();
    runFor(60);
    answer("A");  // 61.1 s after the start
    EXPECT_EQ(numbersAndTime(), "#2 2 01:01");
    EXPECT_EQ(text(timer->reserveLbl()), "+00:00");
    EXPECT_EQ(text(timer->expectedQuestionLbl()), "--");
    EXPECT_EQ(text(timer->averageTimeLbl()), "01:00");  // answered at 60.8 s
    runFor(300);
    EXPECT_EQ(record()->status(), MTimerRecord::kRunning);  // only the finish key ends it
}

TEST_F(TimerScreen, TheExtendedFiguresAndTheirPlaces) {
    start();
    EXPECT_EQ(timer->timeLbl()->center(), (ui::Point{163.5, 249.5}));
    tap(shown("Info"));
    EXPECT_EQ(timer->currentTimeLbl()->alpha(), 1);
    EXPECT_EQ(timer->timeLbl()->center(), (ui::Point{163.5, 219.5}));
    EXPECT_EQ(timer->currentAndTotalNumbersLbl()->center(), (ui::Point{162, 150.5}));
    EXPECT_EQ(text(timer->currentTimeLbl()), "--:--");
    EXPECT_EQ(text(timer->expectedQuestionLbl()), "--");
    tapStartFinish();
    for (int i = 0; i < 10; ++i) {
        runFor(129.4);
        answer("A");
    }
    // Ten answers in 1300.2 s: 4500 x 10 / 37 = 1216 s allowed, 84 s behind; 1300 s is question 11.
    runFor(0.2);
    EXPECT_EQ(text(timer->reserveLbl()), "-01:24");
    EXPECT_EQ(text(timer->averageTimeLbl()), "02:10");
    EXPECT_EQ(text(timer->expectedQuestionLbl()), "#11");
    EXPECT_EQ(text(timer->currentTimeLbl()), "00:00");
    tap(shown("Info"));
    EXPECT_EQ(timer->currentTimeLbl()->alpha(), 0);
    EXPECT_EQ(timer->timeLbl()->center(), (ui::Point{163.5, 249.5}));
}

TEST_F(TimerScreen, OneRefreshIsPendingOnlyWhileRunning) {
    start();
    customSection(10, 60, 1);
    EXPECT_FALSE(timer->isRefreshPending());
    tapStartFinish();
    runFor(1);  // the keys' animations are over
    EXPECT_TRUE(timer->isRefreshPending());
    const std::size_t running = loop->pendingTimerCount();
    // Refreshes asked for meanwhile replace the pending one (a cancelled one leaves when due).
    for (int i = 0; i < 5; ++i) timer->updateTimerViews();
    runFor(0.35);
    EXPECT_EQ(loop->pendingTimerCount(), running);
    tapPauseGo();
    runFor(1);
    EXPECT_FALSE(timer->isRefreshPending());
    EXPECT_EQ(loop->pendingTimerCount(), running - 1);
    tapPauseGo();
    EXPECT_TRUE(timer->isRefreshPending());
    // The section's time runs out: the screen shows the end at once and stops refreshing.
    runFor(60);
    EXPECT_EQ(record()->status(), MTimerRecord::kFinished);
    EXPECT_EQ(startTitle(), "Reset");
    EXPECT_FALSE(timer->isRefreshPending());
}

TEST_F(TimerScreen, AlertsVibrateOnceAtEachThresholdAndColourTheQuestionTime) {
    struct Case {
        bool can, first, second, colour;
        int vibrations;
        ui::Color at90, at120;
    };
    const ui::Color normal = ui::Color::rgb(0.9, 0.93, 0.96);
    const std::vector<Case> cases{
        {true, true, true, true, 2, ui::Color::yellowColor(), ui::Color::orangeColor()},
        {true, false, true, true, 1, ui::Color::yellowColor(), ui::Color::orangeColor()},
        {true, true, false, false, 1, normal, normal},
        {false, true, true, true, 0, ui::Color::yellowColor(), ui::Color::orangeColor()},
    };
    for (const Case& c : cases) {
        start(ui::Idiom::Phone, c.can);
        rep->timer()->setVibrate130(c.first);
        rep->timer()->setVibrate200(c.second);
        rep->timer()->setColor(c.colour);
        tap(shown("Info"));
        tapStartFinish();
        runFor(89);  // 89.5 s after the start
        EXPECT_EQ(timer->currentTimeLbl()->textColor(), normal);
        runFor(1);
        EXPECT_EQ(timer->currentTimeLbl()->textColor(), c.at90);
        runFor(30);
        EXPECT_EQ(timer->currentTimeLbl()->textColor(), c.at120);
        runFor(30);
        EXPECT_EQ(vibrations(), c.vibrations) << c.first << c.second << c.can;
        home->close();
    }
}

TEST_F(TimerScreen, AnAnswerVibratesWhenAsked) {
    start();
    rep->timer()->setVibrateAnswer(true);
    tapStartFinish();
    answer("A");
    answer("B", "Cancel");
    EXPECT_EQ(vibrations(), 1);
}

TEST_F(TimerScreen, LeavingBackgroundAndEndingPauseWithoutCountingTimeAway) {
    start();
    tapStartFinish();
    runFor(10);
    // Leaving the tool.
    tap(shown("Done"), 1);
    EXPECT_FALSE(home->toolVC());
    EXPECT_EQ(record()->status(), MTimerRecord::kPaused);
    EXPECT_FALSE(ui::Application::shared().isIdleTimerDisabled());
    runFor(300);
    openTimer();
    EXPECT_EQ(text(timer->timeLbl()), "74:50");
    EXPECT_EQ(startTitle(), "Finish");
    tapPauseGo();

    // The background, then active again: still paused, nothing counted.
    runFor(10);
    ui::Application::shared().enterBackground();
    EXPECT_EQ(record()->status(), MTimerRecord::kPaused);
    runFor(600);
    ui::Application::shared().becomeActive();
    EXPECT_EQ(text(timer->timeLbl()), "74:39");
    tapPauseGo();

    // The program ending posts the background event before its save.
    runFor(10);
    fnd::NotificationCenter::defaultCenter().post(AbstractAppDelegate::kDidEnterBackgroundNotification,
                                                  std::static_pointer_cast<fnd::Object>(delegate));
    EXPECT_EQ(record()->status(), MTimerRecord::kPaused);
    EXPECT_EQ(text(timer->timeLbl()), "74:29");
}

// On the tablet the confirmation leaves the answer keys uncovered.
TEST_F(TimerScreen, ALetterPressedDuringAConfirmationReplacesIt) {
    start(ui::Idiom::Tablet);
    customSection(10, 60, 1);
    tapStartFinish();
    tap(findByOutlet(*timer, "ABtn"), 0.3);
    auto first = timer->timerConfirmVC();
    tap(findByOutlet(*timer, "CBtn"), 0.3);
    ASSERT_NE(timer->timerConfirmVC(), first);
    EXPECT_FALSE(first->isShown());
    EXPECT_EQ(timer->timerConfirmVC()->userAnswer(), "C");
    EXPECT_EQ(text(timer->timerConfirmVC()->userAnswerLbl()), "C");
    EXPECT_EQ(timer->timerConfirmVC()->view()->center(), (ui::Point{384, 1004 - 71}));
    tapText("Sure");
    EXPECT_EQ(record()->userAnswers(), std::vector<std::string>{"C"});
    EXPECT_FALSE(timer->timerConfirmVC());

    // A confirmation that comes after the section ran out records nothing.
    tap(findByOutlet(*timer, "DBtn"), 0.3);
    runFor(60);
    tapText("Sure");
    EXPECT_EQ(record()->numberOfAnswers(), 1);
}

TEST_F(TimerScreen, OnATurnedTabletClockKeysAndConfirmationShowWholeAndTurningBackRestoresTheLayout) {
    start(ui::Idiom::Tablet);
    // Places as centres and untransformed sizes: the answer keys are smaller while disabled.
    auto place = [&](const char* part) {
        auto view = findByOutlet(*timer, part);
        return ui::Rect{view->center(), view->bounds().size};
    };
    std::vector<ui::Rect> upright;
    for (const char* part : kParts) upright.push_back(place(part));
    turn(ui::DeviceOrientation::LandscapeLeft);
    ASSERT_GT(home->view()->bounds().width(), home->view()->bounds().height());
    expectEveryPartOnTheScreen();

    // The confirmation rises under the clock and leaves every key uncovered.
    customSection(10, 60, 1);
    tapStartFinish();
    tap(findByOutlet(*timer, "BBtn"), 0.3);
    ASSERT_TRUE(timer->timerConfirmVC());
    ui::Rect panel = inRoot(timer->timerConfirmVC()->view());
    EXPECT_NEAR(panel.midX(), inRoot(timer->timeLbl()).midX(), 1);
    EXPECT_LE(panel.maxY(), home->view()->bounds().maxY());
    for (const char* key : {"startFinishBtn", "pauseGoResultsBtn", "ABtn", "BBtn", "CBtn", "DBtn", "EBtn"})
        EXPECT_FALSE(panel.intersects(inRoot(findByOutlet(*timer, key)))) << key;
    tapText("Sure");
    EXPECT_EQ(record()->userAnswers(), std::vector<std::string>{"B"});

    turn(ui::DeviceOrientation::Portrait);
    for (std::size_t i = 0; i < std::size(kParts); ++i) EXPECT_EQ(place(kParts[i]), upright[i]) << kParts[i];
}

TEST_F(TimerScreen, OpenedOnATurnedTabletTheTimerIsLaidOutTurned) {
    startHome(ui::Idiom::Tablet);
    turn(ui::DeviceOrientation::LandscapeRight);
    openTimer();
    expectEveryPartOnTheScreen();
}

TEST_F(TimerScreen, TheResultsKeyOpensAllResultsWhenReadyAndTheSectionsWhenFinished) {
    start();
    tapPauseGo();
    EXPECT_TRUE(std::dynamic_pointer_cast<TimerAllResultsVC>(timer->mainChild()));
    tap(shown("Done"), 1);
    EXPECT_FALSE(timer->mainChild());
    tapStartFinish();
    answer("A");
    finish();
    tapPauseGo();
    auto results = std::dynamic_pointer_cast<TimerResultsVC>(timer->mainChild());
    ASSERT_TRUE(results);
    EXPECT_EQ(results->record(), record());
    tap(timer->startFinishBtn());  // covered: the results screen lies over the timer
    EXPECT_EQ(record()->status(), MTimerRecord::kFinished);
}

TEST_F(TimerScreen, OptionsAreTakenOnDoneOnly) {
    start();
    tap(shown("Options"), 1);
    auto options = std::dynamic_pointer_cast<TimerSettingsVC>(timer->mainChild());
    ASSERT_TRUE(options);
    auto control = [&](const char* outlet) {
        return std::static_pointer_cast<ui::SegmentedControl>(findByOutlet(*options, outlet));
    };
    for (const char* outlet : {"vibrate130SC", "vibrate200SC", "colorSC"})
        EXPECT_EQ(control(outlet)->selectedSegmentIndex(), 0) << outlet;
    EXPECT_EQ(control("vibrateAnswerSC")->selectedSegmentIndex(), 1);
    control("vibrate130SC")->setSelectedSegmentIndex(1);
    control("vibrate130SC")->sendActionsForControlEvents(ui::ControlEventValueChanged);
    tap(shown("Cancel"), 1);
    EXPECT_TRUE(rep->timer()->vibrate130());

    tap(shown("Options"), 1);
    options = std::dynamic_pointer_cast<TimerSettingsVC>(timer->mainChild());
    control("vibrate130SC")->setSelectedSegmentIndex(1);
    control("vibrate130SC")->sendActionsForControlEvents(ui::ControlEventValueChanged);
    tap(shown("Done"), 1);
    EXPECT_FALSE(rep->timer()->vibrate130());
    EXPECT_FALSE(timer->mainChild());
}

TEST_F(TimerScreen, WithoutVibrationOrOnTheTabletOnlyTheColourOptionShows) {
    start(ui::Idiom::Phone, false);
    tap(shown("Options"), 1);
    auto options = timer->mainChild();
    for (const char* outlet : {"vibrateLbl", "vibrate130SC", "vibrate200SC", "vibrateAnswerSC"})
        EXPECT_TRUE(findByOutlet(*options, outlet)->isHidden()) << outlet;
    EXPECT_FALSE(findByOutlet(*options, "colorSC")->isHidden());
    tap(shown("Cancel"), 1);
    home->close();

    start(ui::Idiom::Tablet);
    EXPECT_EQ(timer->nibName(), "TimerView-iPad");
    tap(shown("Options"), 1);
    auto panel = std::dynamic_pointer_cast<TimerSettingsVC_iPad>(timer->mainChild());
    ASSERT_TRUE(panel);
    panel->setVibrate130(false);
    panel->setColor(false);
    tap(shown("Done"), 1);
    EXPECT_TRUE(rep->timer()->vibrate130());
    EXPECT_FALSE(rep->timer()->color());
    // The tablet's labels stay where its file puts them.
    const ui::Point time = timer->timeLbl()->center();
    tap(shown("Info"));
    EXPECT_EQ(timer->timeLbl()->center(), time);
}

}  // namespace
}  // namespace timer_test
