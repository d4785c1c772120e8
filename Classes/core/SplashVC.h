#pragma once
// The screen shown while the user's data load: the program's name on the colours of the scheme.
// It has no behaviour beyond its interface file.

#include <string>

#include "platform/ui/ViewController.h"

class SplashVC : public ui::ViewController {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // Registers the owner tables of the splash screens for the interface-file checks.
    static void registerOwners();

    std::string nibIdentifier() const override { return "SplashView"; }
};

// The tablet's splash screen, which turns to every orientation.
class SplashVC_iPad : public SplashVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(SplashVC::nibIdentifier()); }
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation) override { return true; }
};
