// The explanation screen: the page built from the bundle's explanation, the companion e-book's and
// the shell, its scripts once loaded, and the shared font size within its limits.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/errorlog/ExplanationVC.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/Make.h"
#include "tests/Classes/errorlog/ErrorLogScreensSupport.h"
#include "tests/support/ScriptedWebEngine.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ScriptedWebEngine;

class ExplanationTest : public errorlog_test::ErrorLogScreensTest {
  protected:
    // A resource folder of the program's resources and the test's pages.
    void SetUp() override {
        ErrorLogScreensTest::SetUp();
        original = fnd::Paths::resources();
        bundle = fnd::Paths::documents().parent_path() / "Bundle";
        fs::create_directories(bundle);
        for (const auto& entry : fs::directory_iterator(original))
            fs::create_symlink(entry.path(), bundle / entry.path().filename());
        std::ofstream(bundle / "OG12_PS_002_PS_done.html")
            << "<html><body><p>own</p><!-- START --><p>end</p></body></html>";
        std::ofstream(bundle / "OG12_PS_003_PS_done.html") << "<html><body><p>no marker</p></body></html>";
        companion = fs::path(fnd::Paths::documents()) / "OG12_PS_002_PS_comp.html";
        std::ofstream(companion) << "<p>companion</p>";
        fnd::Paths::setResources(bundle);
        rep->setCourseSet(std::make_shared<MCourses>());
        ScriptedWebEngine::installForNewWebViews();
    }
    void TearDown() override {
        ScriptedWebEngine::reset();
        fnd::Paths::setResources(original);
        ErrorLogScreensTest::TearDown();
    }
    std::shared_ptr<ExplanationVC> open(const std::string& name, std::optional<std::string> companionPath,
                                        std::optional<std::string> letter = "B", bool tablet = false) {
        std::shared_ptr<ExplanationVC> screen =
            tablet ? ui::make<ExplanationVC_iPad>(name, companionPath, letter)
                   : ui::make<ExplanationVC>(name, companionPath, letter);
        runFor(1);
        return screen;
    }
    static std::size_t count(const std::string& text, const std::string& part) {
        std::size_t n = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
        return n;
    }

    fs::path original, bundle, companion;
};

TEST_F(ExplanationTest, ThePageHoldsTheOwnTheCompanionOrBothExplanations) {
    const std::string header = "<span><b>The correct answer is B.</b></span>";
    struct Case {
        const char* name;
        bool withCompanion;
        bool shown;
        std::size_t separators;
        bool courseBlock;
    };
    const Case cases[] = {
        {"OG12_PS_002_PS_done", false, true, 1, false},   // own only
        {"OG12_PS_009_PS_done", true, true, 1, true},     // companion only, in the shell
        {"OG12_PS_002_PS_done", true, true, 2, true},     // both
        {"OG12_PS_009_PS_done", false, false, 0, false},  // neither
        {"OG12_PS_003_PS_done", true, false, 0, false},   // no marker
    };
    for (const Case& c : cases) {
        auto screen = open(c.name, c.withCompanion ? std::optional(companion.string()) : std::nullopt);
        auto page = screen->assemblePage();
        ASSERT_EQ(page.has_value(), c.shown) << c.name;
        EXPECT_EQ(ScriptedWebEngine::engines().back()->documents().size(), c.shown ? 1u : 0u);
        if (!page) continue;
        EXPECT_EQ(count(page->html, header), 1u) << c.name;
        EXPECT_EQ(count(page->html, "class=\"separate\""), c.separators) << c.name;
        EXPECT_EQ(count(page->html, "Manhattan ORVA"), c.courseBlock ? 1u : 0u) << c.name;
        EXPECT_EQ(page->html.find("<!-- START -->") == std::string::npos, c.withCompanion) << c.name;
        EXPECT_EQ(page->baseURL.isFileURL(), true);
    }
    // The companion comes before the own page's rest, after the heading.
    auto both = open("OG12_PS_002_PS_done", companion.string())->assemblePage()->html;
    EXPECT_LT(both.find("own"), both.find(header));
    EXPECT_LT(both.find(header), both.find("companion"));
    EXPECT_LT(both.find("companion"), both.find("end"));

    // Without a key there is no correct answer to head the page with.
    auto unscored = open("OG12_PS_002_PS_done", std::nullopt, std::nullopt)->assemblePage()->html;
    EXPECT_EQ(unscored.find("The correct answer"), std::string::npos);
    EXPECT_EQ(ExplanationVC::startRangeWithHtmlString("ab<!-- START -->"), 2u);
}

TEST_F(ExplanationTest, TheLoadedPageGetsTheFontAndOnThePhoneItsImagesFitted) {
    rep->setBaseFontSize(15);
    open("OG12_PS_002_PS_done", std::nullopt);
    const auto& phone = ScriptedWebEngine::engines().back()->scripts();
    ASSERT_GE(phone.size(), 3u);
    EXPECT_EQ(phone[0], "document.body.style.fontSize='15pt';");
    EXPECT_EQ(phone[1], "document.body.style.visibility='visible';");
    EXPECT_EQ(phone.back(), MRepository::fixImageSizeToWidth(290, 350));

    open("OG12_PS_002_PS_done", std::nullopt, "B", true);
    EXPECT_EQ(ScriptedWebEngine::engines().back()->scripts().size(), 2u);
}

TEST_F(ExplanationTest, TheFontKeysStepTheSharedSizeWithinItsLimits) {
    auto screen = open("OG12_PS_002_PS_done", std::nullopt);
    screen->changeFontSize(nullptr);
    auto popup = screen->fontAdjustVC();
    ASSERT_TRUE(popup);
    auto press = [&](const char* key) {
        fnd::NotificationCenter::defaultCenter().post(key, popup->sharedAs<fnd::Object>());
    };
    rep->setBaseFontSize(20);
    press(FontAdjustVC::kLargerNotification);
    EXPECT_EQ(rep->baseFontSize(), 20);
    rep->setBaseFontSize(7);
    press(FontAdjustVC::kSmallerNotification);
    EXPECT_EQ(rep->baseFontSize(), 7);
    press(FontAdjustVC::kLargerNotification);
    EXPECT_EQ(rep->baseFontSize(), 8);
    EXPECT_EQ(ScriptedWebEngine::engines().back()->scripts().back(), "document.body.style.fontSize='8pt';");

    // The key closes the popup; leaving closes an open one.
    screen->changeFontSize(nullptr);
    EXPECT_FALSE(screen->fontAdjustVC());
    screen->changeFontSize(nullptr);
    auto open = screen->fontAdjustVC();
    screen->back();
    runFor(1);
    EXPECT_FALSE(open->isShown());
}

}  // namespace
