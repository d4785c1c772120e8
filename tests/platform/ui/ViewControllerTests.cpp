#include <gtest/gtest.h>

#include <thread>

#include "platform/foundation/Log.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "tests/platform/ui/SampleScreens.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using samples::SampleList;
using samples::SampleScreen;
using samples::SampleScreen_iPad;

class ViewControllerTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        samples::useSamples();
    }
};

TEST_F(ViewControllerTest, AScreenThatTouchesItsViewInItsInitialiserHasLoadedItBeforeItReturns) {
    auto screen = ui::make<SampleScreen>();
    screen->events.push_back("made");
    EXPECT_EQ(screen->events,
              (std::vector<std::string>{"init", "viewDidLoad with outlets", "init ends", "made"}));
    // The view knows its controller: what its subviews do not handle reaches the screen.
    EXPECT_EQ(screen->view()->controller(), screen);
    EXPECT_EQ(screen->titleLabel->nextResponder(), screen->view());
    EXPECT_EQ(screen->view()->nextResponder(), screen);
    EXPECT_EQ(testing_support::findByOutlet(*screen, "view"), screen->view());
}

TEST_F(ViewControllerTest, TheViewIsLoadedOnlyWhenFirstAskedFor) {
    auto list = ui::make<SampleList>();
    EXPECT_FALSE(list->isViewLoaded());
    std::shared_ptr<ui::View> view = list->view();
    // No interface file of its own: a plain view of the part of the screen below the status bar.
    EXPECT_EQ(view->frame(), (ui::Rect{0, 20, 320, 460}));
    EXPECT_EQ(list->view(), view);
    // Once in the window, the controller passes on to the window.
    window()->addSubview(view);
    EXPECT_EQ(list->nextResponder(), window());
}

TEST_F(ViewControllerTest, TheTabletTwinLoadsItsOwnInterfaceFile) {
    launch(ui::Idiom::Tablet);
    auto screen = ui::make<SampleScreen_iPad>();
    EXPECT_EQ(screen->nibName(), "SampleScreen-iPad");
    EXPECT_EQ(screen->view()->frame().size, (ui::Size{768, 1004}));
    EXPECT_EQ(screen->titleLabel->text(), "Options");
    EXPECT_EQ(screen->badge, nullptr);  // the tablet's file has none
}

TEST_F(ViewControllerTest, AMissingInterfaceFileGivesAnEmptyViewAndALoggedError) {
    struct Lost : SampleList {
        std::string nibIdentifier() const override { return "NoSuchView"; }
    };
    std::vector<std::string> lines;
    auto previous =
        fnd::Log::setSink([&](fnd::Log::Level, std::string_view line) { lines.emplace_back(line); });
    auto lost = ui::make<Lost>();
    std::shared_ptr<ui::View> view = lost->view();
    fnd::Log::setSink(previous);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->subviews().empty());
    EXPECT_GE(lines.size(), 2u);  // the missing file, and the missing view
}

// A screen whose last reference goes on another thread (a saving thread that held a tool) ends
// on the main thread, in a later turn of the main loop.
TEST_F(ViewControllerTest, AScreenDroppedOnAnotherThreadIsDestroyedOnTheMainThread) {
    struct Watched : SampleList {
        std::thread::id* endedOn = nullptr;
        ~Watched() override { *endedOn = std::this_thread::get_id(); }
    };
    std::thread::id endedOn;
    auto screen = ui::make<Watched>();
    screen->endedOn = &endedOn;
    screen->view()->addSubview(ui::make<ui::View>());
    std::thread saving([held = std::move(screen)]() mutable { held.reset(); });
    saving.join();
    EXPECT_EQ(endedOn, std::thread::id());  // not yet: handed to the main loop
    loop->runTurn();
    EXPECT_EQ(endedOn, std::this_thread::get_id());
}

}  // namespace
