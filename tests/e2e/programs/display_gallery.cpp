// A test program for the browser tests: the device session showing the gallery of controls as the
// window's screen. It prints its address, then nothing; what the controls did shows in the
// gallery's status line.
// Usage: display_gallery [--device phone|tablet]

#include <cstdio>
#include <memory>
#include <string>

#include "platform/display/DeviceSession.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/TerminationSignals.h"
#include "platform/ui/Application.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"
#include "platform/ui/Window.h"
#include "tests/support/Gallery.h"

int main(int argc, char** argv) {
    bool tablet = argc > 2 && std::string(argv[1]) == "--device" && std::string(argv[2]) == "tablet";
    ui::Device::current().reset(tablet ? ui::Idiom::Tablet : ui::Idiom::Phone);
    auto loop = std::make_shared<fnd::RunLoop>();
    fnd::RunLoop::setMain(loop);
    fnd::TerminationSignals::install([loop](int) { loop->stop(); });

    ui::Application& application = ui::Application::shared();
    application.launch(std::make_shared<ui::ApplicationDelegate>());
    auto window = application.windows().front();
    window->setRootViewController(ui::make<testing_support::Gallery>());
    window->makeKeyAndVisible();

    display::DeviceSession session;
    if (!session.start()) {
        std::fprintf(stderr, "display_gallery: %s\n", session.error().c_str());
        return 1;
    }
    std::printf("%s\n", session.address().c_str());
    std::fflush(stdout);
    loop->run();
    session.stop();
    return 0;
}
