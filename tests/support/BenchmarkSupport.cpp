#include "tests/support/BenchmarkSupport.h"

#include <algorithm>
#include <filesystem>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/Window.h"

namespace testing_support {

namespace {

class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

}  // namespace

BenchmarkLaunch launchForBenchmark(const std::string& folderName) {
    auto folder = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::create_directories(folder);
    fnd::Paths::setDocuments(folder);
    fnd::RunLoop::setMain(std::make_shared<fnd::RunLoop>(std::make_shared<fnd::RealClock>()));
    ui::Device::current().reset(ui::Idiom::Phone);
    BenchmarkLaunch launch;
    launch.delegate = std::make_shared<StillDelegate>();
    ui::Application::shared().launch(launch.delegate);
    ui::Application::shared().windows().front()->makeKeyAndVisible();
    launch.rep = MRepository::makeWithData();
    launch.rep->setDoNotShowTips(true);
    launch.rep->setFeedbackOpenCounter(1);
    return launch;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

}  // namespace testing_support
