#pragma once
// A screen: a controller with a view that it loads from its interface file the first time the
// view is asked for, running viewDidLoad at that moment. A screen that touches its view in its
// initialiser has thus finished viewDidLoad before the initialiser returns.
//
// Screens are made with ui::make<T>(...), whose `init` overloads are their initialisers; each
// begins with initWithNibName (directly or through init()), which only records the file's name.

#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/InterfaceOrientation.h"
#include "platform/ui/Responder.h"

namespace ui {

class View;

class ViewController : public Responder {
  public:
    // The suffix of the tablet twin's interface files ("ToolChooseView-iPad").
    static constexpr const char* kTabletSuffix = "-iPad";
    static std::string tabletName(std::string_view name) { return std::string(name) + kTabletSuffix; }

    // The class's outlets: "view".
    static const ConnectionTable& classConnections();
    const ConnectionTable& connections() const override { return classConnections(); }

    // The plain initialiser: the interface file of nibIdentifier().
    virtual void init();
    // The initialiser with an interface file's name; an empty name gives a plain view of the
    // application's frame.
    virtual void initWithNibName(const std::string& nibName);

    // The name of the class's interface file, and of the file of its table cells; the tablet twin
    // answers the "-iPad" names. Empty by default.
    virtual std::string nibIdentifier() const { return {}; }
    virtual std::string cellIdentifier() const { return {}; }
    const std::string& nibName() const { return nibName_; }

    // The view, loaded (and viewDidLoad run) when first asked for.
    std::shared_ptr<View> view();
    std::shared_ptr<View> viewIfLoaded() const { return view_; }
    bool isViewLoaded() const { return view_ != nullptr; }
    // Makes a view the controller's; the view then knows its controller.
    void setView(std::shared_ptr<View> view);
    // Loads the view: the interface file's objects connected to this controller, which must set
    // the "view" outlet. Override to build the view in code (ending with setView).
    virtual void loadView();
    virtual void viewDidLoad() {}
    // The view is kept; subclasses may let go of what they can make again.
    virtual void didReceiveMemoryWarning() {}

    // Rotation, for the window's root controller: asked before the interface turns, then told in
    // this order: will rotate, (the view turned and resized, subviews by their autoresizing),
    // will animate (inside the rotation's animation), did rotate (when it has ended).
    virtual bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation);
    virtual void willRotateToInterfaceOrientation(InterfaceOrientation, double /*duration*/) {}
    virtual void willAnimateRotationToInterfaceOrientation(InterfaceOrientation, double /*duration*/) {}
    virtual void didRotateFromInterfaceOrientation(InterfaceOrientation) {}
    // The orientation the interface is shown in.
    InterfaceOrientation interfaceOrientation() const;

    // After a controller comes its view's superview.
    std::shared_ptr<Responder> nextResponder() const override;

  private:
    std::string nibName_;
    std::shared_ptr<View> view_;
    bool loading_ = false;
};

}  // namespace ui
