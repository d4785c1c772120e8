// A test program for the browser tests: runs the display's server, prints its address, greets
// each tab that takes over and sends every message of the active tab back to it.

#include <cstdio>
#include <memory>
#include <string>

#include "platform/display/Server.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/TerminationSignals.h"

int main() {
    auto loop = std::make_shared<fnd::RunLoop>();
    fnd::RunLoop::setMain(loop);
    fnd::TerminationSignals::install([loop](int) { loop->stop(); });

    display::Server server;
    int tabs = 0;
    server.setOnConnect([&] { server.send(R"({"type":"hello","tab":)" + std::to_string(++tabs) + "}"); });
    server.setOnMessage([&](const std::string& text) { server.send(text); });
    server.setOnDisconnect([] { fnd::Log::info("display_echo: the active tab closed"); });
    if (!server.start()) {
        std::fprintf(stderr, "display_echo: %s\n", server.error().c_str());
        return 1;
    }
    std::printf("%s\n", server.address().c_str());
    std::fflush(stdout);
    loop->run();
    server.stop();
    return 0;
}
