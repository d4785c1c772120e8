#include "tests/support/TestEnvironment.h"

#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "platform/foundation/Locale.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/TimeZone.h"

namespace fs = std::filesystem;

namespace testing_support {

// Aborts the process when a test runs longer than a limit of real time, so a deadlock shows as a
// failure with a message instead of a silent hang until ctest's time-out.
struct TestEnvironment::Watchdog {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::thread thread;

    explicit Watchdog(double seconds, std::string name) {
        thread = std::thread([this, seconds, name = std::move(name)] {
            std::unique_lock lock(mutex);
            if (!finished.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return done; })) {
                std::fprintf(stderr, "watchdog: %s still running after %.0f s\n", name.c_str(), seconds);
                std::_Exit(3);
            }
        });
    }
    ~Watchdog() {
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        finished.notify_all();
        thread.join();
    }
};

void TestEnvironment::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    watchdog_ = std::make_shared<Watchdog>(30.0, name);

    clock = std::make_shared<fnd::ManualClock>();
    fnd::Clock::setShared(clock);
    loop = std::make_shared<fnd::RunLoop>(clock);
    loop->setWatchdog(10.0);
    fnd::RunLoop::setMain(loop);

    // A folder made anew for this test: a name from the process number alone could be an older,
    // killed test's, whose files would still be there.
    std::string pattern = (fs::temp_directory_path() / "orvakit-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a test folder: " + pattern);
    fs::path root = pattern;
    documents = root / "Documents";
    temporary = root / "tmp";
    fs::create_directories(documents);
    fs::create_directories(temporary);
    fnd::Paths::setDocuments(documents);
    fnd::Paths::setTemporary(temporary);
    fnd::Paths::setResources(ORVA_SOURCE_RESOURCES);
    // The device's locale and time zone start as the program's: "en_US" and the machine's zone.
    fnd::Locale::resetCurrent();
    fnd::TimeZone::resetCurrent();
}

void TestEnvironment::TearDown() {
    // Background work a test started may still hand results to the main loop: serve it until that
    // work has ended, so no thread outlives the test's loop and folders.
    if (fnd::Thread::runningCount() > 0) {
        loop->setWatchdog(5.0);
        loop->runUntil([] { return fnd::Thread::runningCount() == 0; }, 3600);
    }
    fnd::RunLoop::setMain(nullptr);
    loop.reset();
    fnd::Clock::setShared(nullptr);
    std::error_code ec;
    fs::remove_all(documents.parent_path(), ec);
    watchdog_.reset();
}

}  // namespace testing_support
