#include "tests/support/DisplayTestProgram.h"

#include <cstdio>

#include "platform/foundation/TerminationSignals.h"
#include "platform/ui/Application.h"
#include "platform/ui/ApplicationDelegate.h"

namespace testing_support {

DisplayTestProgram::DisplayTestProgram(std::string name, ui::Idiom idiom)
    : name_(std::move(name)), loop_(std::make_shared<fnd::RunLoop>()) {
    ui::Device::current().reset(idiom);
    fnd::RunLoop::setMain(loop_);
    fnd::TerminationSignals::install([loop = loop_](int) { loop->stop(); });
}

std::shared_ptr<ui::Window> DisplayTestProgram::window() const {
    return ui::Application::shared().windows().front();
}

bool DisplayTestProgram::serve(std::shared_ptr<ui::ApplicationDelegate> delegate) {
    session_ = std::make_unique<display::DeviceSession>();
    if (!session_->start()) {
        std::fprintf(stderr, "%s: %s\n", name_.c_str(), session_->error().c_str());
        return false;
    }
    std::printf("%s\n", session_->address().c_str());
    std::fflush(stdout);
    ui::Application::shared().launch(delegate ? std::move(delegate)
                                              : std::make_shared<ui::ApplicationDelegate>());
    window()->makeKeyAndVisible();
    return true;
}

int DisplayTestProgram::run() {
    loop_->run();
    if (session_) session_->stop();
    return 0;
}

}  // namespace testing_support
