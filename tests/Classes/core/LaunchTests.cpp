#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Classes/core/MRepository.h"
#include "Classes/core/SplashVC.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/practice/MPracticeRepository.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/Classes/core/CoreTestEnvironment.h"

namespace fs = std::filesystem;

namespace {

fs::path centralFile() { return AbstractAppDelegate::dataFilePath(); }
fs::path practiceFile() { return MPracticeRepository::dataFilePath(); }

}  // namespace

class LaunchTest : public core_test::CoreTestEnvironment {};

TEST_F(LaunchTest, FirstStartWritesThePracticeFileWhileLoadingAndTheCentralFileOnBackground) {
    relaunch(ui::Idiom::Phone, {}, true);
    ASSERT_TRUE(delegate->splashVC());
    EXPECT_EQ(delegate->splashVC()->view()->superview(), delegate->window());
    EXPECT_FALSE(delegate->rep());  // nothing visible until handed over

    ASSERT_TRUE(runUntil([this] { return delegate->homeScreen() != nullptr; }));
    EXPECT_FALSE(delegate->splashVC());
    EXPECT_TRUE(fs::exists(practiceFile()));
    EXPECT_TRUE(fs::exists(MOGTrackerRepository::dataFilePath()));
    EXPECT_FALSE(fs::exists(centralFile()));

    auto rep = delegate->rep();
    ASSERT_TRUE(rep);
    EXPECT_EQ(rep->fileFormatVersion(), -1);
    EXPECT_TRUE(delegate->launchDate());

    // The home view is the window's root, 10 points below the window's centre.
    auto home = delegate->homeScreen();
    EXPECT_EQ(delegate->window()->rootViewController(), home);
    EXPECT_EQ(home->view()->center().y, delegate->window()->center().y + 10);

    int told = 0;
    fnd::NotificationCenter::defaultCenter().addObserver(
        &told, std::string(AbstractAppDelegate::kDidEnterBackgroundNotification), nullptr,
        [&](const fnd::Notification&) { ++told; });
    ui::Application::shared().enterBackground();
    fnd::NotificationCenter::defaultCenter().removeObserver(&told);
    EXPECT_EQ(told, 1);
    ASSERT_TRUE(fs::exists(centralFile()));
    auto read = AbstractAppDelegate::loadRepositoryOfClass<MRepository>(centralFile());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->fileFormatVersion(), 3);
}

TEST_F(LaunchTest, TheSecondStartFindsTheDataAndAnExistingPracticeFileAlwaysWins) {
    launchAndLoad();
    delegate->rep()->setBaseFontSize(17);
    delegate->rep()->practiceRep()->setIsKWActive(true);
    delegate->rep()->practiceRep()->save();
    ui::Application::shared().terminate();

    launchAndLoad();
    EXPECT_EQ(delegate->rep()->baseFontSize(), 17);
    EXPECT_EQ(delegate->rep()->fileFormatVersion(), 3);
    EXPECT_TRUE(delegate->rep()->isKWActive());

    // Without the central file (a kill before the first save), the practice file is still read
    // and not overwritten by fresh data.
    fs::remove(centralFile());
    auto before = fs::last_write_time(practiceFile());
    launchAndLoad();
    EXPECT_TRUE(delegate->rep()->isKWActive());
    EXPECT_EQ(fs::last_write_time(practiceFile()), before);
}

TEST_F(LaunchTest, EndingPostsTheBackgroundEventOnceAndSavesWhatPausedOnIt) {
    launchAndLoad();
    // A running clock pauses on the background event and notes its time in the repository.
    int told = 0;
    fnd::NotificationCenter::defaultCenter().addObserver(
        &told, std::string(AbstractAppDelegate::kDidEnterBackgroundNotification), nullptr,
        [&](const fnd::Notification&) {
            ++told;
            delegate->rep()->setBaseFontSize(21);
        });
    ui::Application::shared().terminate();  // SIGTERM or Ctrl-C
    fnd::NotificationCenter::defaultCenter().removeObserver(&told);
    EXPECT_EQ(told, 1);

    launchAndLoad();
    EXPECT_EQ(delegate->rep()->baseFontSize(), 21);
}

TEST_F(LaunchTest, UnreadableFilesAreKeptAsideAndReplacedOneByOne) {
    launchAndLoad();
    delegate->rep()->setBaseFontSize(19);
    ui::Application::shared().terminate();
    std::ofstream(practiceFile(), std::ios::binary | std::ios::trunc) << "not an archive";

    launchAndLoad();
    EXPECT_EQ(delegate->rep()->baseFontSize(), 19);  // the central file is untouched
    int aside = 0;
    for (const auto& entry : fs::directory_iterator(documents))
        if (entry.path().filename().string().starts_with("PracticeRepository.bad-")) ++aside;
    EXPECT_EQ(aside, 1);
    EXPECT_TRUE(AbstractAppDelegate::loadRepositoryOfClass<MPracticeRepository>(practiceFile()));
}

TEST_F(LaunchTest, NothingIsWrittenWhileLoadingAndActivationThenRestartsNothing) {
    relaunch(ui::Idiom::Phone, {}, true);
    ui::Application::shared().becomeActive();  // before the hand-over: nothing to restart
    ui::Application::shared().enterBackground();
    EXPECT_FALSE(fs::exists(centralFile()));
    ASSERT_TRUE(runUntil([this] { return delegate->homeScreen() != nullptr; }));

    ui::Application::shared().becomeActive();
    ui::Application::shared().enterBackground();
    clock->advance(42);
    ui::Application::shared().becomeActive();
    EXPECT_DOUBLE_EQ(delegate->timeInBackground(), 42);
}

namespace {

// A practice repository whose file write waits for the main loop to release it, as a save that
// needs the main thread does.
class SlowPractice : public MPracticeRepository {
  public:
    std::atomic<bool>* released = nullptr;
    std::filesystem::path classDataFilePath() const override {
        while (released && !released->load()) std::this_thread::yield();
        return MPracticeRepository::classDataFilePath();
    }
};

}  // namespace

TEST_F(LaunchTest, EndingServesTheLoopUntilASaveInProgressHasWritten) {
    fnd::ClassRegistry::shared().registerClass<SlowPractice>("CoreTestSlowPractice",
                                                             {"MPracticeRepository", "NSObject"});
    launchAndLoad();
    auto slow = std::make_shared<SlowPractice>();
    slow->initWithData();
    slow->setIsKWActive(true);
    delegate->rep()->setPracticeRep(slow);
    fs::remove(practiceFile());

    auto archive = slow->encodeForSave();
    std::atomic<bool> released{false};
    slow->released = &released;
    std::thread saving([slow, archive] { slow->save(archive); });
    while (!slow->isSaving()) std::this_thread::yield();
    fnd::RunLoop::main().performAfterDelay(1, this, "release", [&released] { released.store(true); });

    ui::Application::shared().terminate();
    saving.join();
    EXPECT_FALSE(slow->isSaving());
    auto written = AbstractAppDelegate::loadRepositoryOfClass<MPracticeRepository>(practiceFile());
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->isKWActive());
    EXPECT_TRUE(fs::exists(centralFile()));
}
