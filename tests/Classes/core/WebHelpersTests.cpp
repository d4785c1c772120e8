#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Classes/core/CustomWebView.h"
#include "Classes/core/WebViewCustom.h"
#include "platform/foundation/URL.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/ViewClassRegistry.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/Classes/core/CoreTestEnvironment.h"
#include "tests/support/ScriptedWebEngine.h"

namespace {

// A screen whose edit menu has the program's look-up item.
class PageScreen : public ui::ViewController {
  public:
    bool canPerformAction(const std::string& action, const Sender&) override { return action == "lookUp:"; }
};

}  // namespace

class WebHelpersTest : public core_test::CoreTestEnvironment {
  protected:
    void SetUp() override {
        CoreTestEnvironment::SetUp();
        testing_support::ScriptedWebEngine::installForNewWebViews();
        application().setOnOpenURL([this](const std::string& address) { opened.push_back(address); });
    }
    void TearDown() override {
        ui::EditMenu::shared().reset();
        testing_support::ScriptedWebEngine::reset();
        CoreTestEnvironment::TearDown();
    }
    std::vector<std::string> opened;
};

TEST_F(WebHelpersTest, OnlyStoreAndVideoPagesLeaveTheProgram) {
    for (const char* address : {"https://itunes.apple.com/app/id123?mt=8", "http://ITUNES.apple.com/",
                                "https://www.youtube.com/watch?v=x", "http://m.youtube.com:80/a"}) {
        EXPECT_TRUE(WebViewCustom::checkNopenExternally(fnd::URL(address))) << address;
    }
    EXPECT_THAT(opened,
                testing::ElementsAre("https://itunes.apple.com/app/id123?mt=8", "http://ITUNES.apple.com/",
                                     "https://www.youtube.com/watch?v=x", "http://m.youtube.com:80/a"));
    opened.clear();

    for (const char* address : {
             "javascript:alert(1)//itunes.apple.com",           // a script, whatever it mentions
             "javascript://youtube.com/%0Aalert(1)",            // a script that looks like an address
             "file:///itunes.apple.com/x",                      // not a web page
             "ftp://youtube.com/",                              //
             "https://example.org/?next=https://youtube.com/",  // the host only in the query
             "https://example.org/itunes.apple.com/app",        // or in the path
             "https://itunes.apple.com.example.org/",           // the listed name as a subdomain of another
             "https://notyoutube.com/",                         // the listed name as a suffix of another name
             "https://youtube.com@example.org/",                // the listed name as a user
             "https://example.org\\@youtube.com/",              // a host a browser reads differently
             "https://youtube.com%2eexample.org/",              // an escaped dot
             "http:youtube.com",                                // no host at all
             "",
         }) {
        EXPECT_FALSE(WebViewCustom::checkNopenExternally(fnd::URL(address))) << address;
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(WebHelpersTest, ACustomWebViewComesFromInterfaceFilesAndNeverShowsTheEditMenu) {
    auto screen = ui::make<PageScreen>();
    window()->addSubview(screen->view());
    ui::EditMenu::shared().setMenuItems({{"Dictionary", "lookUp:"}});

    auto plain = ui::make<ui::WebView>(ui::Rect{0, 0, 320, 200});
    auto made = ui::ViewClassRegistry::shared().make("CustomWebView", ui::Rect{0, 200, 320, 200});
    auto custom = std::dynamic_pointer_cast<CustomWebView>(made);
    ASSERT_TRUE(custom);
    EXPECT_EQ(custom->frame(), (ui::Rect{0, 200, 320, 200}));
    screen->view()->addSubview(plain);
    screen->view()->addSubview(custom);

    application().selectionChanged(plain->elementId(), "word", ui::Rect{10, 10, 40, 20});
    EXPECT_TRUE(ui::EditMenu::shared().isMenuVisible());
    application().selectionChanged(custom->elementId(), "word", ui::Rect{10, 10, 40, 20});
    EXPECT_FALSE(ui::EditMenu::shared().isMenuVisible());
    EXPECT_TRUE(ui::EditMenu::shared().offeredItems().empty());
}
