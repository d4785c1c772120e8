#pragma once
// What the tests of the screen bases start from: the product's delegate (without its loading
// thread) whose home screen is a plain host that counts what tools ask of it, and small screens
// of each base built in code.

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Classes/core/CommonViewController.h"
#include "Classes/core/MSubRepository.h"
#include "Classes/core/ToolHost.h"
#include "Classes/core/ToolViewController.h"
#include "tests/Classes/core/CoreTestEnvironment.h"

namespace core_test {

// The home screen's stand-in: a plain view the size of the interface below the status bar.
class TestHome : public CommonViewController, public ToolHost {
  public:
    void animation() override {}
    void outAnimation() override {}
    void update() override { ++updates; }
    void updateStatistcs(bool canUpdate) override {
        ++statistics;
        lastCanUpdate = canUpdate;
    }
    // Takes a tool away as the home screen does on "ToolDoneNotification".
    void toolDone(const fnd::Notification& notification);

    std::atomic<int> updates{0};
    std::atomic<int> statistics{0};
    std::atomic<bool> lastCanUpdate{false};
};

// A sub-repository whose archive can be held up, so that a test sees a save in progress.
class HeldRepository : public MSubRepository {
  public:
    static std::filesystem::path dataFilePath();
    std::filesystem::path classDataFilePath() const override { return dataFilePath(); }
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void loadWithCoder(fnd::KeyedUnarchiver&) override {}

    // While held, an archive being made on a thread other than the main one waits until released.
    void hold();
    void release();
    bool isWaiting() const { return waiting_.load(); }

    std::string note = "kept";

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable released_;
    bool held_ = false;
    mutable std::atomic<bool> waiting_{false};
};

// Screens built in code: a 100 x 100 button (tag 1), a 300-point label (tag 2), a 200 x 20 bar
// (tag 3), a container (tag -998) of two 40 x 40 views (tags 11, 12) and a still view (tag -999).
void addSampleSubviews(ui::View& view);

class SampleScreen : public CommonViewController {
  public:
    void loadView() override;
    void animation() override;
    void outAnimation() override;
};

class SampleTool : public ToolViewController {
  public:
    using ToolViewController::init;
    // A tool with a sub-repository sets it before its entrance.
    void init(std::shared_ptr<MSubRepository> repository);
    void loadView() override;
    void save() override { ++saves; }
    int saves = 0;
};

class ScreenBasesTest : public CoreTestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;
    // The home screen on the idiom's device, in the window as its root.
    void installHome(ui::Idiom idiom);

    // The home screen takes the tool as its main child, as it does when it opens one.
    void openTool(const std::shared_ptr<ToolViewController>& tool);
    // Names of the notifications posted with the object, in order.
    std::vector<std::string> postedBy(const void* object) const;

    std::shared_ptr<TestHome> home;
    std::vector<std::pair<std::string, const void*>> posted;
};

}  // namespace core_test
