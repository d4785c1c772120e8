#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "Classes/core/InfoVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/SplashVC.h"
#include "Classes/core/TipVC.h"
#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolChooseVC_iPad.h"
#include "Classes/forum_news/ForumVC.h"
#include "Classes/forum_news/NewsVC.h"
#include "Classes/statistics/EditTestDateVC.h"
#include "Classes/statistics/StatisticsAndDateView.h"
#include "Classes/study_aids/CoursesVC.h"
#include "Classes/study_aids/FeedbackVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Random.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollView.h"
#include "tests/Classes/core/CoreTestEnvironment.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/StatisticsFixtures.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using Order = std::vector<int>;
using testing_support::centreInRoot;
using testing_support::tap;

class HomeScreenTest : public core_test::CoreTestEnvironment {
  protected:
    void SetUp() override {
        CoreTestEnvironment::SetUp();
        fnd::Random::seed(1);
    }
    void TearDown() override {
        dismissHome();
        CoreTestEnvironment::TearDown();
    }
    // The home screen lives as long as the program; a test lets go of it before it makes another.
    void dismissHome() {
        if (home) home->close();
        home.reset();
    }

    // The home screen as the launch shows it, over a fresh repository with that many scored
    // answers and feedback openings.
    void showHome(ui::Idiom idiom = ui::Idiom::Phone, int answers = 0, int feedbackOpenings = 0,
                  bool noTips = false, std::optional<Order> stored = std::nullopt) {
        dismissHome();
        relaunch(idiom);
        rep = MRepository::makeWithData();
        rep->setToolButtonsOrder(stored);
        addAnswers(answers);
        rep->setFeedbackOpenCounter(feedbackOpenings);
        rep->setDoNotShowTips(noTips);
        home = testing_support::showHomeScreen(*delegate, rep);
    }
    void addAnswers(int answers) {
        if (answers <= 0) return;
        statistics_test::PracticeFixture practice;
        practice.addQuestion(1, 1, std::vector<statistics_test::Try>(answers, {1000, 30, 1}));
        rep->qSets().push_back(practice.sets.front());
    }

    std::shared_ptr<ToolButton> button(const std::string& outlet) const {
        return std::dynamic_pointer_cast<ToolButton>(testing_support::findByOutlet(*home, outlet));
    }
    std::string openTool() const {
        auto tool = home->toolVC();
        if (std::dynamic_pointer_cast<CoursesVC>(tool)) return "CoursesVC";
        if (std::dynamic_pointer_cast<FeedbackVC>(tool)) return "FeedbackVC";
        return tool ? "another tool" : "";
    }
    Order storedOrder() const { return rep->toolButtonsOrder().value_or(Order{}); }
    // Holds a grid button until rearranging starts; the finger stays down.
    std::unique_ptr<testing_support::Finger> hold(const std::string& outlet) {
        auto finger = std::make_unique<testing_support::Finger>(window());
        finger->down(centreInRoot(*button(outlet)));
        runFor(1.7);
        return finger;
    }

    // The tablet's home screen with its tip band, then without it, each turned and upright; `check`
    // looks at each of the four.
    void eachTabletBandAndOrientation(const std::function<void(bool band, ui::DeviceOrientation)>& check) {
        for (bool band : {true, false}) {
            if (band) {
                runFor(1.2);
                ASSERT_NE(home->tipVC(), nullptr);
            } else {
                home->tipVC()->doneClicked(nullptr);
                runFor(1);
                ASSERT_EQ(home->tipVC(), nullptr);
            }
            for (auto orientation : {ui::DeviceOrientation::LandscapeLeft, ui::DeviceOrientation::Portrait}) {
                SCOPED_TRACE(std::to_string(int(orientation)) + (band ? " with the band" : " without"));
                application().deviceDidRotate(orientation);
                runFor(1);
                check(band, orientation);
            }
        }
    }

    std::shared_ptr<MRepository> rep;
    std::shared_ptr<ToolChooseVC> home;
};

const Order kPhoneHidden{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, 12};
const Order kPhoneShown{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

}  // namespace

TEST_F(HomeScreenTest, ATapOpensAFreshToolWhichGoesBackOnItsDoneNotification) {
    showHome();
    auto courses = button("coursesBtn");
    ui::Point place = courses->center();
    EXPECT_EQ(storedOrder(), kPhoneHidden);

    tap(*courses);
    EXPECT_EQ(openTool(), "CoursesVC");
    EXPECT_EQ(home->mainChild(), home->toolVC());
    EXPECT_TRUE(courses->openedVC());
    // A second tap while the first tool opens opens nothing.
    auto first = home->toolVC();
    tap(*button("settingsBtn"));
    EXPECT_EQ(home->toolVC(), first);
    // A done notification of another object is not the tool's.
    fnd::NotificationCenter::defaultCenter().post(ToolViewController::kToolDoneNotification, home);
    EXPECT_EQ(home->toolVC(), first);

    runFor(0.5);
    std::static_pointer_cast<CoursesVC>(first)->doneClick(nullptr);
    EXPECT_EQ(home->toolVC(), nullptr);
    EXPECT_TRUE(home->canOpenSubview());
    runFor(1.2);
    EXPECT_EQ(courses->center(), place);
    EXPECT_EQ(courses->alpha(), 1);
    EXPECT_EQ(courses->tag(), 0);
    EXPECT_EQ(first->view()->superview(), nullptr);
    // The tip due a second after the screen loaded did not come: a tool opened before.
    EXPECT_EQ(home->tipVC(), nullptr);

    // Every tool opens anew.
    tap(*courses);
    EXPECT_EQ(openTool(), "CoursesVC");
    EXPECT_NE(home->toolVC(), first);
}

TEST_F(HomeScreenTest, AForumAddressOpensTheForumToolFromItsButtonOnEachDevice) {
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        showHome(idiom);
        auto forum = button("forumBtn");
        home->showForumWithUrlString("http://127.0.0.1:9/forum/t5.html");
        auto forumVC = std::dynamic_pointer_cast<ForumVC>(home->toolVC());
        ASSERT_NE(forumVC, nullptr);
        EXPECT_EQ(forumVC->currentUrl(), "http://127.0.0.1:9/forum/t5.html");
        EXPECT_TRUE(forumVC->didCalledFromToolChoose());
        EXPECT_EQ(idiom == ui::Idiom::Tablet, std::dynamic_pointer_cast<ForumVC_iPad>(forumVC) != nullptr);
        EXPECT_EQ(home->toolBtn(), forum);
        EXPECT_EQ(home->mainChild(), home->toolVC());
        EXPECT_TRUE(forum->openedVC());
        // A second address while the tool is open opens nothing.
        auto first = home->toolVC();
        home->showForumWithUrlString("http://127.0.0.1:9/forum/t6.html");
        EXPECT_EQ(home->toolVC(), first);
        fnd::NotificationCenter::defaultCenter().post(ToolViewController::kToolDoneNotification, first);
        EXPECT_EQ(home->toolVC(), nullptr);
        runFor(1.2);
    }
}

TEST_F(HomeScreenTest, TheTipBandComesAfterASecondAndOnActivationUnlessTipsAreOff) {
    showHome();
    runFor(0.9);
    EXPECT_EQ(home->tipVC(), nullptr);
    runFor(0.2);
    ASSERT_NE(home->tipVC(), nullptr);
    auto band = home->tipVC();
    EXPECT_EQ(band->view()->superview(), home->view());
    std::string first = band->textLbl()->text();
    EXPECT_FALSE(first.empty());
    // A tap on the band shows another tip; its done key takes the band away.
    tap(*band->view());
    EXPECT_NE(band->textLbl()->text(), first);
    band->doneClicked(nullptr);
    EXPECT_EQ(home->tipVC(), nullptr);
    EXPECT_FALSE(home->isTipVisible());

    delegate->applicationDidBecomeActive(application());
    EXPECT_TRUE(home->isTipVisible());
    runFor(1.1);
    ASSERT_NE(home->tipVC(), nullptr);
    // Rearranging puts the tip away.
    hold("newsBtn")->up();
    EXPECT_TRUE(home->isRearranging());
    EXPECT_EQ(home->tipVC(), nullptr);

    showHome(ui::Idiom::Phone, 0, 0, true);
    runFor(1.5);
    delegate->applicationDidBecomeActive(application());
    runFor(1.5);
    EXPECT_EQ(home->tipVC(), nullptr);
}

TEST_F(HomeScreenTest, ADragAcrossThePhonesPagesMovesTheButtonAndTheOthersMakeRoom) {
    showHome();
    auto library = button("startBtn");
    auto held = hold("startBtn");
    auto& finger = *held;
    EXPECT_TRUE(home->isRearranging());
    EXPECT_TRUE(library->isInRearrangingTBtnsMode());
    // A held button opens nothing when it is let go, and neither does a tap in this mode.
    EXPECT_EQ(home->toolVC(), nullptr);

    // Right along the first row to the page's edge: the page turns and the button stays under
    // the finger.
    finger.moveBy({240, 0}, 24);
    runFor(0.4);
    EXPECT_EQ(home->pageControl()->currentPage(), 1);
    EXPECT_EQ(home->generalScrollView()->contentOffset().x, 320);
    EXPECT_NEAR(centreInRoot(*library).x, finger.location().x, 3);
    // Onto the second page's second place, just after the game.
    finger.moveTo({finger.location().x - 140, finger.location().y});
    finger.moveTo({160, finger.location().y});
    finger.up();
    runFor(0.4);
    EXPECT_EQ(storedOrder(), (Order{13, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 12}));
    EXPECT_EQ(home->toolButtonsOrder(), storedOrder());
    EXPECT_EQ(library->center(), (ui::Point{480, 57}));
    EXPECT_EQ(button("booksBtn")->center(), (ui::Point{60, 57}));

    // The exit key ends the mode; the buttons come to rest.
    tap(*home->exitRearrangingBtn());
    EXPECT_FALSE(home->isRearranging());
    runFor(0.5);
    for (const auto& b : home->toolButtons()) EXPECT_TRUE(b->transform().isIdentity());

    // Going to the background ends the mode as well.
    hold("gameBtn")->up();
    EXPECT_TRUE(home->isRearranging());
    delegate->applicationDidEnterBackground(application());
    EXPECT_FALSE(home->isRearranging());
}

TEST_F(HomeScreenTest, OnlyTheInfoButtonOpensDuringRearrangingAndItEndsTheMode) {
    showHome();
    hold("flashcardsBtn")->up();
    tap(*button("timerBtn"));
    EXPECT_EQ(home->toolVC(), nullptr);
    tap(*home->infoBtn());
    EXPECT_FALSE(home->isRearranging());
    EXPECT_NE(std::dynamic_pointer_cast<InfoVC>(home->toolVC()), nullptr);
}

TEST_F(HomeScreenTest, TheFeedbackButtonFromItsFourHundredAndFirstAnswer) {
    showHome(ui::Idiom::Phone, 400);
    EXPECT_TRUE(button("feedbackBtn")->isHidden());
    EXPECT_EQ(storedOrder(), kPhoneHidden);

    // One more answer, noticed when a tool is left: the button takes its place and its tool
    // opens by itself, once.
    addAnswers(1);
    home->update();
    home->showHideFeedbackBtn();
    EXPECT_FALSE(button("feedbackBtn")->isHidden());
    EXPECT_EQ(storedOrder(), kPhoneShown);
    // Another tool is tapped before the feedback tool's turn: the feedback tool waits.
    tap(*button("newsBtn"));
    runFor(0.4);
    ASSERT_NE(std::dynamic_pointer_cast<NewsVC>(home->toolVC()), nullptr);
    fnd::NotificationCenter::defaultCenter().post(ToolViewController::kToolDoneNotification, home->toolVC());
    // Closing that tool does not insert the button again.
    EXPECT_EQ(storedOrder(), kPhoneShown);
    runFor(0.4);
    EXPECT_EQ(openTool(), "FeedbackVC");
    EXPECT_EQ(rep->feedbackOpenCounter(), 1);
    std::static_pointer_cast<FeedbackVC>(home->toolVC())->doneClick(nullptr);
    runFor(1);
    EXPECT_EQ(home->toolVC(), nullptr);
    EXPECT_EQ(storedOrder(), kPhoneShown);

    // More than 400 answers at the start: the feedback tool opens by itself.
    showHome(ui::Idiom::Phone, 401);
    runFor(0.35);
    EXPECT_EQ(openTool(), "FeedbackVC");
    EXPECT_EQ(storedOrder(), kPhoneShown);

    // Opened once before, with a stored order from before that: the button comes into the
    // arrangement the user left, shown without answers, and nothing opens by itself.
    const Order arranged{1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 10, -1, 12};
    showHome(ui::Idiom::Phone, 0, 1, false, arranged);
    runFor(1);
    EXPECT_FALSE(button("feedbackBtn")->isHidden());
    EXPECT_EQ(storedOrder(), (Order{1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(button("timerBtn")->center(), (ui::Point{60, 57}));
    EXPECT_EQ(home->toolVC(), nullptr);
}

TEST_F(HomeScreenTest, TheTabletsGridTestDateButtonAndRotation) {
    showHome(ui::Idiom::Tablet);
    EXPECT_EQ(home->toolButtons().size(), 12u);
    EXPECT_EQ(storedOrder(), (Order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 10}));
    EXPECT_EQ(button("gameBtn")->center(), (ui::Point{84, 395}));

    std::vector<std::string> posted;
    for (const char* name : {ToolChooseVC::kWillRotateNotification, ToolChooseVC::kDidRotateNotification,
                             ToolChooseVC_iPad::kOrientationChangedNotification})
        fnd::NotificationCenter::defaultCenter().addObserver(
            this, std::string(name), nullptr,
            [&posted](const fnd::Notification& n) { posted.push_back(n.name); });
    application().deviceDidRotate(ui::DeviceOrientation::LandscapeLeft);
    runFor(1);
    fnd::NotificationCenter::defaultCenter().removeObserver(this);
    EXPECT_EQ(posted, (std::vector<std::string>{ToolChooseVC::kWillRotateNotification,
                                                ToolChooseVC_iPad::kOrientationChangedNotification,
                                                ToolChooseVC::kDidRotateNotification}));
    // The columns spread to the landscape grid.
    EXPECT_NEAR(button("setsBtn")->center().x, 924, 1);
    EXPECT_NEAR(button("gameBtn")->center().x, 100, 1);
    EXPECT_EQ(button("setsBtn")->closestPosition(), 4);

    tap(*std::static_pointer_cast<ToolChooseVC_iPad>(home)->editTestDateBtn());
    EXPECT_TRUE(std::dynamic_pointer_cast<EditTestDateVC_iPad>(home->toolVC()));
}

TEST_F(HomeScreenTest, ThePageControlTurnsThePageAndItsDotsFollowScrollingAgainAfterADrag) {
    showHome();
    auto pages = home->pageControl();
    auto scroll = home->generalScrollView();
    testing_support::Finger finger(window());
    ui::Point dots = centreInRoot(*pages);
    finger.down({dots.x + 30, dots.y});
    finger.up();
    EXPECT_EQ(pages->currentPage(), 1);
    runFor(0.5);
    EXPECT_EQ(scroll->contentOffset().x, 320);
    // Scrolled from elsewhere, the dots stay as the page control set them...
    scroll->setContentOffset({0, 0});
    EXPECT_EQ(pages->currentPage(), 1);
    // ...until the user has dragged the grid.
    finger.down({250, 200});
    finger.moveBy({-200, 0}, 10);
    finger.up();
    runFor(1);
    EXPECT_EQ(scroll->contentOffset().x, 320);
    EXPECT_EQ(pages->currentPage(), 1);
    scroll->setContentOffset({0, 0});
    EXPECT_EQ(pages->currentPage(), 0);
}

TEST_F(HomeScreenTest, EveryTabletButtonIsBackAtItsSlotAfterOpenTurnCloseTurnBackInAnyOrder) {
    // The steps: o opens Timer, c closes it, l turns to landscape, p back to portrait.
    for (const std::string steps : {"olcp", "olpc", "locp", "olpcl", "lolpcp"}) {
        SCOPED_TRACE(steps);
        showHome(ui::Idiom::Tablet);
        std::map<std::string, ui::Point> portrait, landscape;
        auto record = [&](std::map<std::string, ui::Point>& places) {
            for (const char* name : {"timerBtn", "booksBtn", "flashcardsBtn", "setsBtn"})
                places[name] = button(name)->center();
        };
        record(portrait);
        application().deviceDidRotate(ui::DeviceOrientation::LandscapeLeft);
        runFor(1);
        record(landscape);
        application().deviceDidRotate(ui::DeviceOrientation::Portrait);
        runFor(1);

        bool turned = false;
        for (char step : steps) {
            if (step == 'o') tap(*button("timerBtn"));
            if (step == 'c') {
                ASSERT_TRUE(home->toolVC());
                fnd::NotificationCenter::defaultCenter().post(ToolViewController::kToolDoneNotification,
                                                              home->toolVC());
            }
            if (step == 'l' || step == 'p')
                application().deviceDidRotate(step == 'l' ? ui::DeviceOrientation::LandscapeLeft
                                                          : ui::DeviceOrientation::Portrait);
            turned = step == 'l' ? true : step == 'p' ? false : turned;
            runFor(1.2);
        }
        for (const auto& [name, place] : turned ? landscape : portrait) {
            EXPECT_NEAR(button(name)->center().x, place.x, 0.5) << name;
            EXPECT_NEAR(button(name)->center().y, place.y, 0.5) << name;
            EXPECT_EQ(button(name)->alpha(), 1) << name;
        }
    }
}

TEST_F(HomeScreenTest, AButtonsCaptionTakesTheTapAsItsPictureDoes) {
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        showHome(idiom);
        auto courses = button("coursesBtn");
        ASSERT_TRUE(courses->lbl());
        testing_support::Finger finger(window());
        finger.down(centreInRoot(*courses->lbl()));
        finger.up();
        EXPECT_EQ(openTool().rfind("CoursesVC", 0), 0u) << int(idiom);
    }
}

TEST_F(HomeScreenTest, TheWheelScrollsTheTabletsPane) {
    showHome(ui::Idiom::Tablet);
    application().deviceDidRotate(ui::DeviceOrientation::LandscapeLeft);
    runFor(1);
    auto pane = std::static_pointer_cast<ToolChooseVC_iPad>(home)->statSV();
    ASSERT_TRUE(pane);
    // The pane fits its room in either orientation; a room made smaller leaves some to scroll.
    pane->setFrame({pane->frame().origin, {pane->frame().width(), 100}});
    ASSERT_GT(pane->maximumContentOffset().y, 0);
    testing_support::Finger pointer(window());
    pointer.wheel(centreInRoot(*pane), {0, 40});
    EXPECT_EQ(pane->contentOffset().y, 40);
}

TEST_F(HomeScreenTest, TheTabletsPaneShowsItsChartAndCountdownClearOfTheTipBandInBothOrientations) {
    showHome(ui::Idiom::Tablet);
    auto tablet = std::static_pointer_cast<ToolChooseVC_iPad>(home);
    auto root = home->view().get();
    auto inRoot = [root](const ui::View& v) { return v.superview()->convertTo(v.frame(), root); };
    eachTabletBandAndOrientation([&](bool band, ui::DeviceOrientation orientation) {
        auto pane = tablet->statSV();
        ui::Rect shown = inRoot(*pane);
        if (band) {
            ui::Rect tip = inRoot(*home->tipVC()->view());
            EXPECT_FALSE(shown.intersects(tip))
                << shown.minY() << "-" << shown.maxY() << " band " << tip.minY();
        }
        // The chart (the tallest part of the pane's first row) and the countdown lie inside the
        // part of the pane that shows without scrolling; without the band, upright, all of it.
        ui::Rect content = inRoot(*tablet->statPaneV());
        for (const char* part : {"successRateIV", "timerL", "dateL"}) {
            ui::Rect r = inRoot(*testing_support::findByOutlet(*tablet->statPaneV(), part));
            EXPECT_GE(r.minY(), shown.minY()) << part;
            EXPECT_LE(r.maxY(), shown.maxY()) << part;
        }
        if (!band && orientation == ui::DeviceOrientation::Portrait) {
            EXPECT_LE(content.maxY(), shown.maxY());
        }
        // No home button, caption included, lies over the pane's content.
        for (const auto& b : home->toolButtons()) {
            ui::Rect r = inRoot(*b).united(inRoot(*b->lbl()));
            EXPECT_FALSE(r.intersects(content) && r.intersects(shown)) << b->lbl()->text();
        }
        ui::Rect testDate = inRoot(*tablet->editTestDateBtn());
        EXPECT_FALSE(testDate.intersects(content) && testDate.intersects(shown));
    });
}

// The whole pane shows without scrolling, upright and turned, with the tip band and without: its
// content lies inside the room it is given and on the screen, the band outside that room, and no
// button of the home screen (the grid's, the test date's, the info button) over the content.
TEST_F(HomeScreenTest, TheTabletsPaneShowsWholeUprightAndTurnedWithAndWithoutTheBand) {
    showHome(ui::Idiom::Tablet);
    auto tablet = std::static_pointer_cast<ToolChooseVC_iPad>(home);
    auto root = home->view().get();
    auto inRoot = [root](const ui::View& v) { return v.superview()->convertTo(v.frame(), root); };
    auto inside = [](const ui::Rect& outer, const ui::Rect& r) {
        return r.minX() >= outer.minX() && r.minY() >= outer.minY() && r.maxX() <= outer.maxX() + 1e-9 &&
               r.maxY() <= outer.maxY() + 1e-9;
    };
    eachTabletBandAndOrientation([&](bool band, ui::DeviceOrientation) {
        ui::Rect shown = inRoot(*tablet->statSV());
        ui::Rect content = inRoot(*tablet->statPaneV());
        EXPECT_TRUE(inside(shown, content))
            << content.minY() << "-" << content.maxY() << " in " << shown.minY() << "-" << shown.maxY();
        EXPECT_TRUE(inside(root->bounds(), content));
        if (band) {
            EXPECT_FALSE(shown.intersects(inRoot(*home->tipVC()->view())));
        }
        std::vector<std::shared_ptr<ToolButton>> buttons = home->toolButtons();
        buttons.push_back(home->infoBtn());
        buttons.push_back(home->editTestDateBtn());
        for (const auto& b : buttons) {
            if (b->isHidden()) continue;
            EXPECT_FALSE(inRoot(*b).united(inRoot(*b->lbl())).intersects(content)) << b->lbl()->text();
        }
    });
}

TEST_F(HomeScreenTest, AToolsBackgroundComesAndGoesWithItsContentSoTheButtonsAnimationShows) {
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        SCOPED_TRACE(int(idiom));
        showHome(idiom, 0, 0, true);
        runFor(1.5);
        auto timer = button("timerBtn");
        tap(*timer);
        ASSERT_TRUE(home->toolVC());
        auto tool = home->toolVC()->view();
        const ui::Color full = tool->backgroundColor();
        ASSERT_GT(full.alpha, 0.9);
        const double opened = clock->now();
        // While the button grows and fades, the home screen shows through the tool: no blank frame.
        EXPECT_LT(tool->presentedBackgroundColor(opened + 0.1).alpha, 0.05);
        EXPECT_GT(timer->presentedAlpha(opened + 0.1), 0.05);
        EXPECT_EQ(tool->presentedBackgroundColor(opened + 0.6), full);
        runFor(1);

        fnd::NotificationCenter::defaultCenter().post(ToolViewController::kToolDoneNotification,
                                                      home->toolVC());
        const double left = clock->now();
        // Leaving, the background goes with the content, well before the tool is taken away.
        EXPECT_LT(tool->presentedBackgroundColor(left + 0.15).alpha, 0.05);
        EXPECT_TRUE(tool->superview());
        runFor(1);
        EXPECT_FALSE(tool->superview());
    }
}
