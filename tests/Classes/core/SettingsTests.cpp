// The settings list and its option screens: rows built from the option screen classes, statuses
// read again when a screen reports, and option screens that change the repository only from
// their done key.

#include <gtest/gtest.h>

#include "Classes/core/MRepository.h"
#include "Classes/core/SettingsVC.h"
#include "Classes/core/TipsSettingsVC.h"
#include "Classes/errorlog/BooksSettingsVC.h"
#include "Classes/forum_news/ForumSettingsVC.h"
#include "Classes/practice/SetsSettingsVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableView.h"
#include "tests/Classes/core/ScreenBasesTestSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using testing_support::findByText;

class SettingsTests : public core_test::ScreenBasesTest {
  protected:
    void SetUp() override {
        ScreenBasesTest::SetUp();
        openSettings(ui::Idiom::Phone);
    }

    // The list over a plain home screen, on a fresh repository.
    void openSettings(ui::Idiom idiom, bool canVibrate = true) {
        installHome(idiom);
        delegate->setFvibrationAllowed(canVibrate);
        rep = std::make_shared<MRepository>();
        delegate->setRep(rep);
        list = idiom == ui::Idiom::Phone ? ui::make<SettingsVC>() : ui::make<SettingsVC_iPad>();
        runFor(1);
    }

    const MSetting& row(const std::string& title) {
        for (const auto& group : list->groups())
            for (const auto& r : group)
                if (r->title() == title) return *r;
        ADD_FAILURE() << "no row " << title;
        static MSetting none(std::nullopt);
        return none;
    }

    // A finger on the row titled so: pressed a moment (the list scrolls), then lifted.
    void tapRow(const std::string& title) {
        auto label = findByText(list->settingsTableView(), title);
        ASSERT_TRUE(label) << title;
        testing_support::Finger finger(testing_support::rootOf(*label));
        finger.down(testing_support::centreInRoot(*label));
        runFor(0.2);
        finger.up();
        runFor(1);
    }

    // The status text the list shows in the row titled so.
    std::string shownStatus(const std::string& title) {
        for (const auto& cell : list->settingsTableView()->visibleCells()) {
            auto t = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(SettingsVC::kTitleTag));
            if (t && t->text() == title)
                return std::static_pointer_cast<ui::Label>(cell->viewWithTag(SettingsVC::kStatusTag))->text();
        }
        ADD_FAILURE() << "no cell " << title;
        return {};
    }

    // The option screen open over the list.
    template <class T = OptionsViewController>
    std::shared_ptr<T> openScreen() {
        return std::dynamic_pointer_cast<T>(list->mainChild());
    }

    // Taps the view of the open option screen that shows the text (a key, a segment).
    void tapOnScreen(const std::string& text) {
        auto screen = openScreen();
        ASSERT_TRUE(screen);
        auto view = findByText(screen->view(), text);
        ASSERT_TRUE(view) << text;
        testing_support::tap(*view);
        runFor(1);
    }

    std::shared_ptr<MRepository> rep;
    std::shared_ptr<SettingsVC> list;
};

TEST_F(SettingsTests, TheRowsAreTheOptionScreensInTwoGroups) {
    std::vector<std::vector<std::string>> titles, statuses;
    for (const auto& group : list->groups()) {
        titles.emplace_back();
        statuses.emplace_back();
        for (const auto& r : group) {
            titles.back().push_back(r->title());
            statuses.back().push_back(r->status());
            EXPECT_TRUE(r->picture()) << r->title();
        }
    }
    EXPECT_EQ(titles,
              (std::vector<std::vector<std::string>>{{"Authorization", "Tips"}, {"Practice", "OG Tracker"}}));
    EXPECT_EQ(statuses, (std::vector<std::vector<std::string>>{{"", "show"}, {"", ""}}));
    EXPECT_EQ(row("Tips").picture()->name(), "Settings_icon_tips@2x.png");
    EXPECT_EQ(shownStatus("Tips"), "show");
    EXPECT_EQ(list->settingsTableView()->numberOfSections(), 2);
}

TEST_F(SettingsTests, TheOptionScreenBaseHasATitleStatusAndPictureOfItsOwn) {
    MSetting plain(OptionsClass::of<OptionsViewController>());
    EXPECT_EQ(plain.title(), "Unknown");
    EXPECT_EQ(plain.status(), "");
    ASSERT_TRUE(plain.picture());
    EXPECT_EQ(plain.picture()->name(), "SettingsCellPict.png");
}

TEST_F(SettingsTests, TheTabletListOpensTheTabletScreens) {
    openSettings(ui::Idiom::Tablet);
    EXPECT_EQ(list->nibName(), "SettingsView-iPad");
    tapRow("OG Tracker");
    ASSERT_TRUE(openScreen<BooksSettingsVC_iPad>());
    EXPECT_EQ(openScreen()->nibName(), "BooksSettingsView-iPad");
}

TEST_F(SettingsTests, TheTipsRowShowsHideOnceTipsAreSwitchedOff) {
    tapRow("Tips");
    auto tips = openScreen<TipsSettingsVC>();
    ASSERT_TRUE(tips);
    EXPECT_EQ(tips->showTipsSC()->selectedSegmentIndex(), 1);
    tapOnScreen("Hide");
    EXPECT_FALSE(rep->doNotShowTips());  // not before done
    tapOnScreen("Done");
    EXPECT_TRUE(rep->doNotShowTips());
    EXPECT_FALSE(list->mainChild());
    EXPECT_FALSE(tips->view()->superview());
    EXPECT_EQ(shownStatus("Tips"), "hide");
    // Cells are reused on the reload: the rows without a status show none.
    EXPECT_EQ(shownStatus("Authorization"), "");
    EXPECT_EQ(shownStatus("Practice"), "");
    EXPECT_EQ(shownStatus("OG Tracker"), "");

    tapRow("Tips");  // opens on the stored choice
    EXPECT_EQ(openScreen<TipsSettingsVC>()->showTipsSC()->selectedSegmentIndex(), 0);
}

TEST_F(SettingsTests, TheForumLoginIsStoredOnlyByDoneAndShowsInItsRow) {
    tapRow("Authorization");
    auto forum = openScreen<ForumSettingsVC>();
    ASSERT_TRUE(forum);
    forum->loginTF()->setText("reader");
    forum->passwordTF()->setText("secret");
    tapOnScreen("Cancel");
    EXPECT_FALSE(rep->forumLogin());
    EXPECT_EQ(shownStatus("Authorization"), "");

    tapRow("Authorization");
    forum = openScreen<ForumSettingsVC>();
    EXPECT_EQ(forum->loginTF()->text(), "");
    forum->loginTF()->setText("reader");
    forum->passwordTF()->setText("secret");
    forum->doneClick(nullptr);
    EXPECT_TRUE(forum->isTurnedOn());
    runFor(1);
    EXPECT_EQ(rep->forumLogin(), "reader");
    EXPECT_EQ(rep->forumPassword(), "secret");
    EXPECT_EQ(shownStatus("Authorization"), "reader");

    // An empty login clears the stored one; the password stays.
    tapRow("Authorization");
    forum = openScreen<ForumSettingsVC>();
    EXPECT_EQ(forum->loginTF()->text(), "reader");
    EXPECT_EQ(forum->passwordTF()->text(), "secret");
    forum->loginTF()->setText("");
    tapOnScreen("Done");
    EXPECT_FALSE(rep->forumLogin());
    EXPECT_EQ(rep->forumPassword(), "secret");
    EXPECT_FALSE(forum->isTurnedOn());  // a password was stored at opening
    EXPECT_EQ(shownStatus("Authorization"), "");
}

// A row chosen while an option screen is open (the screen covers the list, but a selection may
// still arrive) opens nothing, and the open screen still closes and updates its own row.
TEST_F(SettingsTests, ARowChosenWhileAnOptionScreenIsOpenDoesNotLockTheList) {
    tapRow("Tips");
    auto tips = openScreen<TipsSettingsVC>();
    ASSERT_TRUE(tips);
    list->didSelectRow(*list->settingsTableView(), {1, 1});
    EXPECT_EQ(openScreen(), tips);
    EXPECT_EQ(list->currentSetting().get(), &row("Tips"));
    EXPECT_FALSE(row("OG Tracker").vc());

    tapOnScreen("Hide");
    tapOnScreen("Done");
    EXPECT_FALSE(list->mainChild());
    EXPECT_EQ(shownStatus("Tips"), "hide");
    tapRow("OG Tracker");
    EXPECT_TRUE(openScreen<BooksSettingsVC>());
}

TEST_F(SettingsTests, TrackerSettingsAreWrittenByDoneAndKeptByCancel) {
    tapRow("OG Tracker");
    auto books = openScreen<BooksSettingsVC>();
    ASSERT_TRUE(books);
    EXPECT_EQ(books->showTimeSC()->selectedSegmentIndex(), 1);  // a day
    EXPECT_EQ(books->stopTrackerSC()->selectedSegmentIndex(), 0);
    tapOnScreen("1 week");
    tapOnScreen("Keeps running");
    tapOnScreen("Cancel");
    EXPECT_EQ(rep->booksShowTime(), 86400);
    EXPECT_TRUE(rep->stopTrackerInBackground());
    EXPECT_FALSE(list->mainChild());

    tapRow("OG Tracker");
    tapOnScreen("Always");
    tapOnScreen("Keeps running");
    EXPECT_EQ(rep->booksShowTime(), 86400);
    tapOnScreen("Done");
    EXPECT_EQ(rep->booksShowTime(), 0);
    EXPECT_FALSE(rep->stopTrackerInBackground());

    tapRow("OG Tracker");  // no limit is the fifth segment
    EXPECT_EQ(openScreen<BooksSettingsVC>()->showTimeSC()->selectedSegmentIndex(), 4);
    tapOnScreen("Done");

    // A period no segment stands for selects none and stays stored through done.
    rep->setBooksShowTime(1000);
    tapRow("OG Tracker");
    EXPECT_EQ(openScreen<BooksSettingsVC>()->showTimeSC()->selectedSegmentIndex(), -1);
    tapOnScreen("Done");
    EXPECT_EQ(rep->booksShowTime(), 1000);
}

TEST_F(SettingsTests, PracticeOptionsAreWrittenByDone) {
    tapRow("Practice");
    auto sets = openScreen<SetsSettingsVC>();
    ASSERT_TRUE(sets);
    EXPECT_EQ(sets->autoscanStopTimeSC()->selectedSegmentIndex(), 0);  // 1200 s
    for (const auto& control : {sets->shakeSC(), sets->vibrateOnShakeSC(), sets->vibrateOnWrongAnswerSC(),
                                sets->autoscanStopOnLowBatterySC()})
        EXPECT_EQ(control->selectedSegmentIndex(), 1);
    EXPECT_FALSE(sets->vibrateOnShakeSC()->isHidden());
    sets->shakeSC()->setSelectedSegmentIndex(0);
    sets->vibrateOnWrongAnswerSC()->setSelectedSegmentIndex(0);
    sets->autoscanStopTimeSC()->setSelectedSegmentIndex(1);
    sets->autoscanStopOnLowBatterySC()->setSelectedSegmentIndex(0);
    EXPECT_TRUE(rep->fSetsShake());
    EXPECT_EQ(rep->setsAutoscanStopTime(), 1200);
    tapOnScreen("Done");
    EXPECT_FALSE(rep->fSetsShake());
    EXPECT_TRUE(rep->fSetsVibrateOnShake());
    EXPECT_FALSE(rep->fSetsVibrateOnWrongAnswer());
    EXPECT_FALSE(rep->fSetsAutoscanStopOnLowBattery());
    EXPECT_EQ(rep->setsAutoscanStopTime(), 0);
    EXPECT_EQ(shownStatus("Practice"), "");
}

TEST_F(SettingsTests, PracticeVibrationOptionsHideWithoutVibration) {
    openSettings(ui::Idiom::Phone, false);
    rep->setFSetsVibrateOnShake(false);
    tapRow("Practice");
    auto sets = openScreen<SetsSettingsVC>();
    ASSERT_TRUE(sets);
    for (const auto& v : std::vector<std::shared_ptr<ui::View>>{
             sets->vibrateLbl(), sets->vibrateOnShakeLbl(), sets->vibrateOnShakeSC(),
             sets->vibrateOnWrongAnswerLbl(), sets->vibrateOnWrongAnswerSC()})
        EXPECT_TRUE(v->isHidden());
    EXPECT_FALSE(sets->shakeSC()->isHidden());
    tapOnScreen("Done");
    EXPECT_FALSE(rep->fSetsVibrateOnShake());
    EXPECT_TRUE(rep->fSetsVibrateOnWrongAnswer());
}

TEST_F(SettingsTests, TheTabletPracticeScreenShowsAndWritesTheTwoScanOptionsAlone) {
    openSettings(ui::Idiom::Tablet);
    rep->setFSetsShake(false);
    rep->setSetsAutoscanStopTime(0);
    tapRow("Practice");
    auto tablet = openScreen<SetsSettingsVC_iPad>();
    ASSERT_TRUE(tablet);
    EXPECT_FALSE(tablet->shakeSC());
    EXPECT_EQ(tablet->autoscanStopTimeSC()->selectedSegmentIndex(), 1);
    tapOnScreen("20 minutes");
    tapOnScreen("No");
    tapOnScreen("Done");
    EXPECT_EQ(rep->setsAutoscanStopTime(), 1200);
    EXPECT_FALSE(rep->fSetsAutoscanStopOnLowBattery());
    EXPECT_FALSE(rep->fSetsShake());
    EXPECT_TRUE(rep->fSetsVibrateOnShake());
}

}  // namespace
