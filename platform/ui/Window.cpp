#include "platform/ui/Window.h"

#include "platform/ui/Application.h"
#include "platform/ui/ViewController.h"

namespace ui {

void Window::setRootViewController(std::shared_ptr<ViewController> controller) {
    root_ = std::move(controller);
    if (!root_) return;
    std::shared_ptr<View> view = root_->view();
    if (view->superview().get() != this) addSubview(view);
    Application::shared().rootViewControllerChanged(*this);
}

void Window::makeKeyAndVisible() {
    setHidden(false);
    Application::shared().makeKeyWindow(*this);
}

bool Window::isKeyWindow() const { return Application::shared().keyWindow().get() == this; }

}  // namespace ui
