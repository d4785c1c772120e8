#pragma once
// What the display's benchmarks share: the application launched on a real clock with a device
// session, a tab (a WebSocket client) connected to it that has read what a new tab gets first, and
// percentiles of the times measured.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/display/DeviceSession.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Device.h"
#include "tests/support/TestClient.h"

namespace testing_support {

class DisplayBench {
  public:
    explicit DisplayBench(ui::Idiom idiom);
    ~DisplayBench();

    // Serves the display and connects the tab; false (with `error`) when it cannot.
    bool connect();

    std::shared_ptr<fnd::RunLoop> loop;
    std::unique_ptr<display::DeviceSession> session;
    display_test::WebSocketClient tab;
    std::string error;

    // A pointer event of the tab: phase "down", "move" or "up" at a point of the screen.
    static std::string pointer(const char* phase, double x, double y);
    // The p-th quantile (0..1) of the values; 0 for none.
    static double percentile(std::vector<double> values, double p);
    // What a benchmark of panning reports, by name: the median and 99th percentile of the moves' and
    // the settles' times, and the time of the whole tree.
    static std::vector<std::pair<std::string, double>> panFigures(const std::vector<double>& moves,
                                                                  const std::vector<double>& settles,
                                                                  double tree);
};

}  // namespace testing_support
