#pragma once
// The home screen as the launch shows it once the user's data are loaded, over a repository the
// test made: for the tests that start from the home screen of the product's delegate.

#include <memory>

class MRepository;
class ToolChooseVC;
class TovridaAppDelegate;

namespace testing_support {

// The splash screen goes, the repository becomes the delegate's (with the theme's colours and a
// launch date, so that saves write), and the home screen takes the key window.
std::shared_ptr<ToolChooseVC> showHomeScreen(TovridaAppDelegate& delegate, std::shared_ptr<MRepository> rep);

}  // namespace testing_support
