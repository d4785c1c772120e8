#pragma once
// The home screen as the launch shows it once the user's data are loaded, over a repository the
// test made: for the tests that start from the home screen of the product's delegate.

#include <memory>

#include "Classes/core/TovridaAppDelegate.h"

class MRepository;
class ToolChooseVC;

namespace testing_support {

// The product's delegate without its loading thread: the test hands it the user's data.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

// A new repository as screen tests start from: no tips, and the feedback tool opened once before
// (so that it does not open by itself).
std::shared_ptr<MRepository> quietRepository();

// The splash screen goes, the repository becomes the delegate's (with the theme's colours and a
// launch date, so that saves write), and the home screen takes the key window.
std::shared_ptr<ToolChooseVC> showHomeScreen(TovridaAppDelegate& delegate, std::shared_ptr<MRepository> rep);

}  // namespace testing_support
