#include "tests/support/DisplayBench.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Window.h"

namespace testing_support {

DisplayBench::DisplayBench(ui::Idiom idiom)
    : loop(std::make_shared<fnd::RunLoop>(std::make_shared<fnd::RealClock>())) {
    fnd::RunLoop::setMain(loop);
    ui::Device::current().reset(idiom);
    ui::Application& application = ui::Application::shared();
    application.launch(std::make_shared<ui::ApplicationDelegate>());
    application.windows().front()->makeKeyAndVisible();
}

DisplayBench::~DisplayBench() {
    tab.close();
    if (session) session->stop();
    session.reset();
    ui::Application::shared().reset();
    fnd::RunLoop::setMain(nullptr);
}

bool DisplayBench::connect() {
    session = std::make_unique<display::DeviceSession>();
    if (!session->start()) {
        error = "the display's server did not start";
        return false;
    }
    const auto port = session->server().port();
    if (!tab.connect(port, "/ws?token=" + session->server().token(),
                     {{"Origin", "http://127.0.0.1:" + std::to_string(port)}})) {
        error = "the tab could not connect";
        return false;
    }
    loop->runUntil([&] { return session->server().hasActiveTab(); }, 5);
    for (int i = 0; i < 3; ++i) tab.read();  // the device, the state, the tree
    return true;
}

std::string DisplayBench::pointer(const char* phase, double x, double y) {
    return std::string(R"({"type":"pointer","phase":")") + phase + R"(","id":1,"x":)" + std::to_string(x) +
           R"(,"y":)" + std::to_string(y) + "}";
}

double DisplayBench::percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

std::vector<std::pair<std::string, double>> DisplayBench::panFigures(const std::vector<double>& moves,
                                                                     const std::vector<double>& settles,
                                                                     double tree) {
    return {{"move_median_ms", percentile(moves, 0.5)},
            {"move_p99_ms", percentile(moves, 0.99)},
            {"settle_median_ms", percentile(settles, 0.5)},
            {"settle_p99_ms", percentile(settles, 0.99)},
            {"tree_ms", tree}};
}

}  // namespace testing_support
