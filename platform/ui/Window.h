#pragma once
// The window: the view of the whole screen, in the device's portrait coordinates, that the
// program's views are put in. Its root controller's view fills the interface below the status bar
// and is the one view the application turns when the interface turns.

#include <memory>

#include "platform/ui/View.h"

namespace ui {

class ViewController;

class Window : public View {
  public:
    std::shared_ptr<ViewController> rootViewController() const { return root_; }
    // Makes the controller the root: its view is added to the window when it is not in it yet (at
    // the frame it has) and follows the interface's orientation from now on. A view of an earlier
    // root stays where it is.
    void setRootViewController(std::shared_ptr<ViewController> controller);

    // Shows the window and makes it the one that takes the display's events.
    void makeKeyAndVisible();
    bool isKeyWindow() const;

  private:
    std::shared_ptr<ViewController> root_;
};

}  // namespace ui
