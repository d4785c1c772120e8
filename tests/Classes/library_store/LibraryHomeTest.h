#pragma once
// What the tests of the library's and the store's screens start from: the product's delegate
// (without its loading thread) showing the home screen over a repository with the built-in data,
// web views with scripted engines, panels over the window, and the addresses handed outside the
// program kept in `opened`.

#include <memory>
#include <string>
#include <vector>

#include "Classes/core/TovridaAppDelegate.h"
#include "tests/support/ScreenTestEnvironment.h"

class MRepository;
class ToolChooseVC;
class ToolViewController;

namespace library_test {

class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

class LibraryHomeTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Starts again as the idiom's device with a fresh delegate, repository and home screen.
    void start(ui::Idiom idiom);
    // The tool of the home screen's button whose class name begins with the prefix, as its button
    // opens it.
    std::shared_ptr<ToolViewController> openTool(const std::string& classPrefix);

    std::shared_ptr<StillDelegate> delegate;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<ToolChooseVC> home;
    std::vector<std::string> opened;
};

}  // namespace library_test
