#pragma once
// The common start of the browser tests' programs: the device of an idiom, a main run loop that
// SIGINT and SIGTERM stop, the device session, whose address is the first line the program prints,
// and then the application launched (with a plain delegate or the program's) and its window shown.

#include <memory>
#include <string>

#include "platform/display/DeviceSession.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Device.h"
#include "platform/ui/Window.h"

namespace ui {
class ApplicationDelegate;
}

namespace testing_support {

class DisplayTestProgram {
  public:
    DisplayTestProgram(std::string name, ui::Idiom idiom);

    const std::shared_ptr<fnd::RunLoop>& loop() const { return loop_; }
    std::shared_ptr<ui::Window> window() const;
    display::DeviceSession& session() { return *session_; }

    // Starts serving, prints the address and launches the application with the delegate (a plain
    // one when none is given); false (with the reason on standard error) when the display cannot
    // be served.
    bool serve(std::shared_ptr<ui::ApplicationDelegate> delegate = nullptr);
    // Runs until a signal ends the program; answers its exit status.
    int run();

  private:
    std::string name_;
    std::shared_ptr<fnd::RunLoop> loop_;
    std::unique_ptr<display::DeviceSession> session_;
};

}  // namespace testing_support
