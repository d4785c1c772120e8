#include "tests/Classes/study_aids/StudyAidsScreensSupport.h"

#include <gtest/gtest.h>

#include <fstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/Button.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/ViewTestSupport.h"

namespace study_aids_test {

namespace fs = std::filesystem;

namespace {

// Depth-first: the first button titled so.
std::shared_ptr<ui::Button> findKey(const std::shared_ptr<ui::View>& root, const std::string& title) {
    if (auto button = std::dynamic_pointer_cast<ui::Button>(root))
        if (button->titleForState(ui::StateNormal) == title) return button;
    for (const auto& subview : root->subviews())
        if (auto found = findKey(subview, title)) return found;
    return nullptr;
}

}  // namespace

void StudyAidsScreensTest::SetUp() {
    ScreenTestEnvironment::SetUp();
    original_ = fnd::Paths::resources();
    fs::path bundle = temporary / "bundle";
    fs::create_directories(bundle);
    for (const auto& entry : fs::directory_iterator(original_))
        if (entry.path().filename() != "Info.json")
            fs::create_symlink(entry.path(), bundle / entry.path().filename());
    std::ofstream(bundle / "Info.json")
        << R"({"CFBundleVersion": "2.5", "DictionaryDefinitionsAddress": ")" << server.url("")
        << R"(", "DictionaryTranslatorAddress": ")" << server.url("") << R"("})";
    fnd::Paths::setResources(bundle);
    AbstractAppDelegate::registerClasses();
    testing_support::ScriptedWebEngine::installForNewWebViews();
    start(ui::Idiom::Phone);
}

void StudyAidsScreensTest::start(ui::Idiom idiom) {
    if (home) home->close();
    delegate = std::make_shared<testing_support::StillDelegate>();
    launch(idiom, delegate);
    rep = testing_support::quietRepository();
    home = testing_support::showHomeScreen(*delegate, rep);
}

void StudyAidsScreensTest::TearDown() {
    if (home) home->close();
    home.reset();
    testing_support::ScriptedWebEngine::reset();
    fnd::Paths::setResources(original_);
    ScreenTestEnvironment::TearDown();
}

std::shared_ptr<ui::Button> StudyAidsScreensTest::key(const std::shared_ptr<ui::View>& root,
                                                      const std::string& title) {
    auto found = findKey(root, title);
    EXPECT_TRUE(found) << "no key " << title;
    return found;
}

void StudyAidsScreensTest::tapView(const std::shared_ptr<ui::View>& view) {
    ASSERT_TRUE(view);
    testing_support::tap(*view);
    runFor(0.05);
}

std::shared_ptr<testing_support::ScriptedWebEngine> StudyAidsScreensTest::engine() {
    auto& all = testing_support::ScriptedWebEngine::engines();
    return all.empty() ? nullptr : all.back();
}

}  // namespace study_aids_test
