#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "Classes/core/LoadingVC.h"
#include "Classes/core/OptionsViewController.h"
#include "Classes/core/SliddenViewController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Thread.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/View.h"
#include "tests/Classes/core/ScreenBasesTestSupport.h"
#include "tests/support/ViewTestSupport.h"

using core_test::HeldRepository;
using core_test::SampleTool;
using testing_support::findByTag;

namespace {

class SlidingTool : public SliddenViewController {
  public:
    using SliddenViewController::init;
    void init(int direction, ui::Rect frame, double adjustment) {
        initWithNibName({});
        frame_ = frame;
        setSlideDirection(direction);
        setAdjustmentByY(adjustment);
        animation();
    }
    void loadView() override { setView(ui::make<ui::View>(frame_)); }

  private:
    ui::Rect frame_;
};

}  // namespace

class ToolScreenTest : public core_test::ScreenBasesTest {
  protected:
    // A tool of the repository, opened by the home screen.
    std::shared_ptr<SampleTool> open(std::shared_ptr<HeldRepository> repository) {
        auto tool = ui::make<SampleTool>(std::shared_ptr<MSubRepository>(std::move(repository)));
        openTool(tool);
        return tool;
    }
    // A save of the repository held up on a thread of its own until released.
    void startHeldSave(const std::shared_ptr<HeldRepository>& repository) {
        repository->hold();
        fnd::Thread::detach("held save", [repository] { repository->save(); });
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!repository->isWaiting() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        ASSERT_TRUE(repository->isWaiting());
    }
};

TEST_F(ToolScreenTest, AToolFillsTheHomeScreenAndIsLeftAlone) {
    auto tool = open(nullptr);
    auto view = tool->view();
    EXPECT_EQ(view->superview(), home->view());
    EXPECT_EQ(view->frame(), home->view()->bounds());
    EXPECT_EQ(view->tag(), CommonViewController::kStillTag);
    // Subviews start after 0.2 s and are in place at 0.5 s.
    const double start = clock->now();
    EXPECT_EQ(findByTag(view, 1)->presentedAlpha(start + 0.19), 0);
    EXPECT_EQ(findByTag(view, 1)->presentedAlpha(start + 0.5), 1);
    EXPECT_FALSE(tool->loadingView());
}

TEST_F(ToolScreenTest, LeavingAToolWritesItsFileOnAThreadAndClosesAfterItsExit) {
    auto repository = std::make_shared<HeldRepository>();
    repository->note = "written on leaving";
    auto tool = open(repository);
    tool->setCanUpdateStatistics(true);
    std::weak_ptr<SampleTool> weak = tool;
    fnd::NotificationCenter::defaultCenter().post(ToolViewController::kToolDoneNotification,
                                                  tool->sharedAs<fnd::Object>());
    EXPECT_EQ(tool->saves, 1);
    EXPECT_EQ(home->updates, 1);
    EXPECT_TRUE(tool->isClosing());
    tool.reset();
    ASSERT_TRUE(runUntil([] { return fnd::Thread::runningCount() == 0; }));
    runFor(0.3);
    EXPECT_EQ(home->statistics, 1);
    EXPECT_TRUE(home->lastCanUpdate);
    EXPECT_TRUE(std::filesystem::exists(HeldRepository::dataFilePath()));
    EXPECT_TRUE(weak.expired());
    EXPECT_TRUE(home->canOpenSubview());

    // A tool without a file: no update of the home screen, but the statistics still.
    auto plain = open(nullptr);
    plain->back();
    ASSERT_TRUE(runUntil([] { return fnd::Thread::runningCount() == 0; }));
    EXPECT_EQ(home->updates, 1);
    EXPECT_EQ(home->statistics, 2);
    EXPECT_FALSE(home->lastCanUpdate);
}

TEST_F(ToolScreenTest, AToolOpenedWhileItsFileIsWrittenWaitsBehindTheOverlayUntilTheWriteEnds) {
    auto repository = std::make_shared<HeldRepository>();
    startHeldSave(repository);
    auto tool = open(repository);
    auto overlay = tool->loadingView();
    ASSERT_TRUE(overlay);
    EXPECT_EQ(overlay->view()->superview(), tool->view());
    EXPECT_EQ(overlay->view()->frame(), tool->view()->bounds());
    EXPECT_EQ(overlay->label()->text(), "Opening the tool, still saving...");
    EXPECT_EQ(overlay->cancelBtn()->currentTitle(), "Close");
    // The overlay covers the tool: a tap on the tool's button reaches the overlay.
    runFor(0.5);
    EXPECT_TRUE(testing_support::tap(*findByTag(tool->view(), 1))->isDescendantOf(overlay->view().get()));

    repository->release();
    ASSERT_TRUE(runUntil([&] { return !tool->loadingView(); }));
    EXPECT_FALSE(overlay->view()->superview());
    EXPECT_FALSE(overlay->isShown());
    EXPECT_TRUE(tool->isShown());
    EXPECT_FALSE(tool->isClosing());
}

TEST_F(ToolScreenTest, CloseOnTheOverlayEndsTheToolAndTheLaterWriteChangesNothing) {
    auto repository = std::make_shared<HeldRepository>();
    startHeldSave(repository);
    auto tool = open(repository);
    auto overlay = tool->loadingView();
    ASSERT_TRUE(overlay);
    testing_support::tap(*overlay->cancelBtn());
    EXPECT_TRUE(tool->isCanceled());
    EXPECT_EQ(postedBy(CommonViewController::notificationId(tool.get())),
              std::vector<std::string>{"ToolDoneNotification"});
    // The home screen took the tool away: its own save skips while the first one still writes.
    EXPECT_TRUE(tool->isClosing());
    EXPECT_FALSE(home->mainChild());
    runFor(0.3);
    EXPECT_FALSE(tool->view()->superview());
    EXPECT_FALSE(overlay->isShown());

    repository->release();
    ASSERT_TRUE(runUntil([] { return fnd::Thread::runningCount() == 0; }));
    runFor(0.1);
    EXPECT_FALSE(tool->isShown());
    EXPECT_FALSE(tool->view()->superview());
}

TEST_F(ToolScreenTest, AToolWithoutAFileIsNeverBlocked) {
    auto repository = std::make_shared<HeldRepository>();
    startHeldSave(repository);
    auto tool = open(nullptr);
    EXPECT_FALSE(tool->loadingView());
    repository->release();
}

TEST_F(ToolScreenTest, SlidesFromTheRightFromTheBottomAndIntoTheDock) {
    // 320 x 460 home view, full-size screen from the right.
    auto right = ui::make<SlidingTool>(SliddenViewController::kFromRight, ui::Rect(0, 0, 320, 460), 0.0);
    double start = clock->now();
    EXPECT_EQ(right->view()->presentedCenter(start), (ui::Point{480, 230}));
    EXPECT_EQ(right->view()->presentedCenter(start + 0.2), (ui::Point{160, 230}));
    EXPECT_EQ(right->startPoint(), (ui::Point{480, 230}));
    right->back();
    EXPECT_EQ(right->view()->center(), (ui::Point{480, 230}));

    auto bottom = ui::make<SlidingTool>(SliddenViewController::kFromBottom, ui::Rect(0, 0, 100, 100), 0.0);
    EXPECT_EQ(bottom->view()->frame(), home->view()->bounds());
    EXPECT_EQ(bottom->view()->presentedCenter(clock->now()), (ui::Point{160, 690}));
    EXPECT_EQ(bottom->view()->center(), (ui::Point{160, 230}));

    // A 300 x 200 panel docked 60 points above the bottom of the tablet's 768 x 1004 home view.
    installHome(ui::Idiom::Tablet);
    auto docked = ui::make<SlidingTool>(SliddenViewController::kDocked, ui::Rect(0, 0, 300, 200), 60.0);
    start = clock->now();
    EXPECT_EQ(docked->view()->bounds().size, (ui::Size{300, 200}));
    EXPECT_EQ(docked->view()->presentedCenter(start), (ui::Point{1088, 844}));
    EXPECT_EQ(docked->view()->presentedCenter(start + 0.2), (ui::Point{608, 844}));
}

TEST_F(ToolScreenTest, OptionScreensDefaults) {
    EXPECT_EQ(OptionsViewController::optionTitle(), "Unknown");
    EXPECT_EQ(OptionsViewController::optionStatus(), "");
    auto image = OptionsViewController::optionImage();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->name(), "SettingsCellPict.png");
}
