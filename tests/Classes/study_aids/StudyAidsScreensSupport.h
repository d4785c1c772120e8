#pragma once
// What the tests of the study aids' panels start from: the product's delegate (without its loading
// thread) showing the home screen over a fresh repository, the scripted web engine, and a bundle
// whose information names a local test server as the dictionary's definitions site ("/search" of
// the server) and translator ("/translate_t").

#include <memory>
#include <string>

#include "Classes/core/MRepository.h"
#include "Classes/core/ToolChooseVC.h"
#include "platform/ui/Button.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ScriptedWebEngine.h"

class TovridaAppDelegate;

namespace study_aids_test {

class StudyAidsScreensTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh repository on the idiom's home screen.
    void start(ui::Idiom idiom);

    // The key of the panel whose title is `title`; fails the test when there is none.
    static std::shared_ptr<ui::Button> key(const std::shared_ptr<ui::View>& root, const std::string& title);
    // A tap on it, then the loop runs a moment.
    void tapView(const std::shared_ptr<ui::View>& view);
    // The newest web view's engine.
    static std::shared_ptr<testing_support::ScriptedWebEngine> engine();

    testing_support::HTTPTestServer server;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<TovridaAppDelegate> delegate;
    std::shared_ptr<ToolChooseVC> home;

  private:
    std::filesystem::path original_;
};

}  // namespace study_aids_test
