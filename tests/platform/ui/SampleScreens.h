#pragma once
// Screens, a list and a view class of the kind the program has, for the tests of screens and
// interface files (their files are in tests/fixtures/nibs).

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/Label.h"
#include "platform/ui/NibProperties.h"
#include "platform/ui/ViewController.h"

namespace samples {

// A view class of the program's that interface files name.
class SampleBadge : public ui::View {
  public:
    std::string badgeText;
};

// A screen that touches its view in its initialiser, as screens do when they show themselves.
class SampleScreen : public ui::ViewController {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    void init() override;
    std::string nibIdentifier() const override { return "SampleScreen"; }
    void viewDidLoad() override;

    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) override;
    void willRotateToInterfaceOrientation(ui::InterfaceOrientation to, double duration) override;
    void willAnimateRotationToInterfaceOrientation(ui::InterfaceOrientation to, double duration) override;
    void didRotateFromInterfaceOrientation(ui::InterfaceOrientation from) override;

    void done(const Sender& sender);
    void pressed() { events.push_back("pressed"); }

    // What happened, in order.
    std::vector<std::string> events;
    bool acceptsLandscape = false;
    Sender lastSender;

    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<SampleBadge> badge;
    std::shared_ptr<ui::Control> doneButton;
};

// The tablet twin: its own interface file, every orientation.
class SampleScreen_iPad : public SampleScreen {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName("SampleScreen"); }
    void init() override;
};

// A list whose cells an interface file gives through its outlet.
class SampleList : public ui::ViewController {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::shared_ptr<ui::View> theCell;
};

// Registers the view class and the owners, and makes the fixtures' folder the bundle's nibs.
void useSamples();

}  // namespace samples
