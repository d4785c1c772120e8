#pragma once
// The program's side of the application's life: told when it has launched, become active, gone to
// the background and is about to end, in that order of life, always on the main thread. The window
// is set before it is told that the application has launched.

#include <memory>

#include "platform/foundation/Object.h"

namespace ui {

class Application;
class Window;

class ApplicationDelegate : public fnd::Object {
  public:
    virtual void applicationDidFinishLaunching(Application&) {}
    virtual void applicationDidBecomeActive(Application&) {}
    virtual void applicationDidEnterBackground(Application&) {}
    virtual void applicationWillTerminate(Application&) {}

    const std::shared_ptr<Window>& window() const { return window_; }
    void setWindow(std::shared_ptr<Window> window) { window_ = std::move(window); }

  private:
    std::shared_ptr<Window> window_;
};

}  // namespace ui
