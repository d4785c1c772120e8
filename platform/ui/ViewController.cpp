#include "platform/ui/ViewController.h"

#include "platform/foundation/Log.h"
#include "platform/ui/Application.h"
#include "platform/ui/Make.h"
#include "platform/ui/Nib.h"
#include "platform/ui/View.h"

namespace ui {

const ConnectionTable& ViewController::classConnections() {
    static const ConnectionTable table =
        ConnectionTable("ViewController", &Responder::classConnections())
            .outlet("view", &ViewController::setView, &ViewController::viewIfLoaded);
    return table;
}

void ViewController::init() { initWithNibName(nibIdentifier()); }

void ViewController::initWithNibName(const std::string& nibName) { nibName_ = nibName; }

std::shared_ptr<View> ViewController::view() {
    if (!view_ && !loading_) {
        loading_ = true;
        loadView();
        if (!view_) {
            fnd::Log::error("screen: interface file \"", nibName_, "\" set no view for ",
                            connections().className());
            setView(ui::make<View>(Application::shared().applicationFrame()));
        }
        loading_ = false;
        viewDidLoad();
    }
    return view_;
}

void ViewController::setView(std::shared_ptr<View> view) {
    if (view_ == view) return;
    if (view_ && view_->controller().get() == this) view_->setController({});
    view_ = std::move(view);
    if (view_) view_->setController(weakAs<Responder>());
}

void ViewController::loadView() {
    if (nibName_.empty()) {
        setView(ui::make<View>(Application::shared().applicationFrame()));
        return;
    }
    Nib::load(nibName_, *this);
}

bool ViewController::shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) {
    return orientation == InterfaceOrientation::Portrait;
}

InterfaceOrientation ViewController::interfaceOrientation() const {
    return Application::shared().statusBarOrientation();
}

std::shared_ptr<Responder> ViewController::nextResponder() const {
    return view_ ? view_->superview() : nullptr;
}

}  // namespace ui
