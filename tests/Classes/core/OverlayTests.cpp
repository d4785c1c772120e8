#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Classes/core/CommonConfirmVC.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/core/InfoVC.h"
#include "Classes/core/LoadingVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"
#include "tests/Classes/core/ScreenBasesTestSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace fs = std::filesystem;
using testing_support::findByTag;
using testing_support::tap;

class OverlayTest : public core_test::ScreenBasesTest {
  protected:
    void SetUp() override {
        ScreenBasesTest::SetUp();
        application().setOnOpenURL([this](const std::string& address) { opened.push_back(address); });
    }
    const void* idOf(const std::shared_ptr<CommonViewController>& screen) {
        return CommonViewController::notificationId(screen.get());
    }
    std::vector<std::string> opened;
};

TEST_F(OverlayTest, TheConfirmationPanelRisesFromBelowAndEachKeyTellsWhichPanel) {
    auto first = ui::make<CommonConfirmVC>(std::string("Delete the deck?"));
    auto panel = first->view();
    // On the phone it rises over the window, from below its bottom edge to 71 points above it.
    EXPECT_EQ(panel->superview(), window());
    EXPECT_EQ(panel->presentedCenter(clock->now()), (ui::Point{160, 551}));
    EXPECT_EQ(panel->center(), (ui::Point{160, 409}));
    EXPECT_EQ(first->textLbl()->text(), "Delete the deck?");
    runFor(0.3);

    auto second = ui::make<CommonConfirmVC>(std::string("Reset the statistics?"));
    runFor(0.3);
    tap(*second->confirmBtn());
    tap(*second->cancelBtn());
    first->keyboardClick(findByTag(panel, 0));  // a key of no meaning
    EXPECT_EQ(postedBy(idOf(second)), (std::vector<std::string>{"Confirm", "Cancel"}));
    EXPECT_TRUE(postedBy(idOf(first)).empty());

    second->back();
    EXPECT_EQ(second->view()->center(), (ui::Point{160, 551}));
}

TEST_F(OverlayTest, OnTheTabletThePanelRisesOverTheHomeScreen) {
    installHome(ui::Idiom::Tablet);
    auto confirm = ui::make<CommonConfirmVC>(std::string("Delete the deck?"));
    EXPECT_EQ(confirm->view()->superview(), home->view());
    EXPECT_EQ(confirm->view()->presentedCenter(clock->now()), (ui::Point{384, 1075}));
    EXPECT_EQ(confirm->view()->center(), (ui::Point{384, 933}));
}

TEST_F(OverlayTest, TheLoadingOverlayCoversItsHostAndOnlyTellsOfItsCancelKey) {
    auto host = ui::make<ui::View>(ui::Rect(0, 44, 320, 416));
    home->view()->addSubview(host);
    auto loading = ui::make<LoadingVC>(std::string("Loading the catalogue"), host);
    EXPECT_EQ(loading->view()->superview(), host);
    EXPECT_EQ(loading->view()->frame(), host->bounds());
    EXPECT_EQ(loading->label()->text(), "Loading the catalogue");
    EXPECT_TRUE(loading->indicator()->isAnimating());

    tap(*loading->cancelBtn());
    EXPECT_EQ(postedBy(idOf(loading)), std::vector<std::string>{"MNotificationLoadingViewCanceled"});
    EXPECT_TRUE(loading->view()->superview());
    // Taken away, it goes without an exit.
    loading->back();
    EXPECT_EQ(loading->view()->alpha(), 1);
    runFor(0.2);
    EXPECT_FALSE(loading->view()->superview());
}

TEST_F(OverlayTest, TheFontPopupFadesInAtItsPlaceAndStepsTheSizeWithinItsLimits) {
    struct Case {
        const char* position;
        ui::Point centre;
    };
    // The phone's home view is 320 x 460 and the popup 148 x 62.
    for (const Case& c :
         {Case{"Top", {160, 91}}, Case{"TopRight", {236, 91}}, Case{"Center", {160, 230}},
          Case{"Bottom", {160, 369}}, Case{"BottomLeft", {84, 369}}, Case{"Elsewhere", {74, 31}}}) {
        auto popup = ui::make<FontAdjustVC>(std::string(c.position));
        EXPECT_EQ(popup->view()->center(), c.centre) << c.position;
        EXPECT_EQ(popup->view()->presentedAlpha(clock->now()), 0) << c.position;
        EXPECT_EQ(popup->view()->presentedAlpha(clock->now() + 0.2), 1) << c.position;
        popup->close();
    }

    auto popup = ui::make<FontAdjustVC>(std::string("TopRight"));
    EXPECT_EQ(popup->view()->autoresizingMask(), unsigned(ui::FlexibleLeftMargin | ui::FlexibleBottomMargin));
    runFor(0.3);
    int size = 19;
    fnd::NotificationCenter::defaultCenter().addObserver(
        this, std::nullopt, idOf(popup),
        [&](const fnd::Notification& n) { size = FontAdjustVC::steppedFontSize(size, n); });
    tap(*findByTag(popup->view(), FontAdjustVC::kLargerTag));
    tap(*findByTag(popup->view(), FontAdjustVC::kLargerTag));
    EXPECT_EQ(size, 20);
    size = 8;
    tap(*findByTag(popup->view(), FontAdjustVC::kSmallerTag));
    tap(*findByTag(popup->view(), FontAdjustVC::kSmallerTag));
    EXPECT_EQ(size, 7);
    EXPECT_EQ(postedBy(idOf(popup)), (std::vector<std::string>{"+", "+", "-", "-"}));
    fnd::NotificationCenter::defaultCenter().removeObserver(this);
}

TEST_F(OverlayTest, TheAboutScreenShowsTheVersionAndOpensTheMakersAddresses) {
    // A bundle of the program's files whose information names the maker's addresses.
    fs::path bundle = temporary / "bundle";
    fs::create_directories(bundle);
    for (const char* folder : {"nibs", "images"})
        fs::create_directory_symlink(fs::path(ORVA_SOURCE_RESOURCES) / folder, bundle / folder);
    std::ofstream(bundle / "Info.json") << R"({"CFBundleVersion": "2.5",
        "MakerSiteAddress": "https://maker.example/", "MakerForumAddress": "https://maker.example/forum/",
        "SupportMailAddress": "help@maker.example"})";
    fnd::Paths::setResources(bundle);

    auto about = ui::make<InfoVC>();
    openTool(about);
    EXPECT_EQ(about->view()->superview(), home->view());
    EXPECT_EQ(about->versionLbl()->text(), "v2.5\nMade by the orvakit team");
    EXPECT_EQ(about->siteBtn()->currentTitle(), "https://maker.example/");
    runFor(0.6);

    tap(*about->emailBtn());
    tap(*about->siteBtn());
    auto other = ui::make<ui::Button>(ui::Rect(0, 0, 10, 10));
    other->setTitle("https://example.org/page");
    about->goSafari(other);
    EXPECT_EQ(opened, (std::vector<std::string>{
                          "mailto:help@maker.example?subject=Tovrida%20%28v2.5%29&body=Hello%21",
                          "https://maker.example/forum/", "https://example.org/page"}));

    about->doneClick(nullptr);
    EXPECT_TRUE(about->isClosing());
    EXPECT_FALSE(home->mainChild());
}

TEST_F(OverlayTest, WithoutTheMakersAddressesTheAboutScreenOffersNoLinks) {
    auto about = ui::make<InfoVC>();
    EXPECT_TRUE(about->siteBtn()->isHidden());
    EXPECT_TRUE(about->emailBtn()->isHidden());
    about->emailus(nullptr);
    about->goSafari(about->siteBtn());
    EXPECT_TRUE(opened.empty());
}
