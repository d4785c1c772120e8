// The forum browser: its requests (header fields, the automatic sign-in, pages sent again), the
// login it keeps, what the page's head tells (previous topic, kept question, feeds), the
// stopwatch and the bookmarks.

#include <gtest/gtest.h>

#include <fstream>

#include "Classes/forum_news/ForumAddress.h"
#include "Classes/forum_news/ForumBookmarkVC.h"
#include "Classes/forum_news/ForumBookmarksVC.h"
#include "Classes/forum_news/ForumRequests.h"
#include "Classes/forum_news/ForumStopwatch.h"
#include "Classes/forum_news/ForumVC.h"
#include "Classes/forum_news/MBookmark.h"
#include "Classes/forum_news/MBookmarks.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MFeeds.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "Classes/study_aids/CalculatorVC.h"
#include "Classes/study_aids/ScratchpadVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TextField.h"
#include "tests/Classes/forum_news/ForumNewsScreensSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using testing_support::HTTPTestServer;
using Nav = fnd::URLRequest::NavigationType;

std::string topicHead(int topic) {
    return R"(<title>Forum</title> <link rel="alternate" href="./generate_feed.php?content=topic_posts&amp;t=)" +
           std::to_string(topic) + R"(">)";
}
std::string subForumHead(int forum) {
    return R"(<link rel="alternate" href="./generate_feed.php?content=topics&amp;f%5B%5D=)" +
           std::to_string(forum) + R"(">)";
}

class ForumBrowserTest : public forum_news_test::ForumNewsScreensTest {
  protected:
    void SetUp() override {
        ForumNewsScreensTest::SetUp();
        auto page = [](const std::string& title) {
            return HTTPTestServer::Reply::text("<html><head><title>" + title +
                                               "</title></head><body></body></html>");
        };
        server.route("/forum/", page("Board index"));
        server.route("/forum/ucp.php", page("Signed in"));
        server.route("/forum/t5101.html", page("Two trains"));
        server.route("/forum/t5102.html", page("Average"));
        server.route("/forum/moved.html", HTTPTestServer::Reply::redirect("/forum/t5102.html"));
    }
    void TearDown() override {
        if (browser) browser->close();
        ForumNewsScreensTest::TearDown();
    }
    void open(const std::string& address = {}) {
        browser = address.empty() ? ui::make<ForumVC>() : ui::make<ForumVC>(address, true);
        settle();
    }
    // Until the page loads have ended.
    void settle() {
        runUntil([&] { return !browser->webView()->isLoading(); }, 10);
        runFor(0.1);
    }
    std::vector<HTTPTestServer::Request> requestsTo(const std::string& path) {
        std::vector<HTTPTestServer::Request> found;
        for (const auto& r : server.requests())
            if (r.path == path) found.push_back(r);
        return found;
    }
    // The page's head, as the engine answers the browser's script.
    void headIs(const std::string& head) {
        engine()->answer(ForumVC::kHeadScript, head);
        browser->updateToolBtns();
    }
    std::string version() const { return "2.5"; }

    std::shared_ptr<ForumVC> browser;
};

}  // namespace

TEST_F(ForumBrowserTest, TheForumsFolderIsTheSignInWithAStoredLoginElseAPlainPage) {
    rep->setForumLogin("reader & co");
    rep->setForumPassword("p+w=1;#");
    open();
    auto posts = requestsTo("/forum/ucp.php");
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].method, "POST");
    EXPECT_EQ(posts[0].query, "mode=login");
    EXPECT_EQ(posts[0].body, "username=reader%20%26%20co&password=p%2Bw%3D1%3B%23&login=Login");
    EXPECT_EQ(posts[0].headers.value("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(posts[0].headers.value("My-Agent"), "iPhone Tovrida/" + version());
    EXPECT_TRUE(posts[0].headers.value("User-Agent")->ends_with(" Tovrida/" + version()));
    EXPECT_TRUE(requestsTo("/forum/").empty());
    browser->close();
    browser.reset();

    rep->setForumPassword(std::nullopt);
    open();
    auto gets = requestsTo("/forum/");
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(gets[0].method, "GET");
    EXPECT_EQ(gets[0].headers.value("My-Agent"), "iPhone Tovrida/" + version());
    EXPECT_EQ(requestsTo("/forum/ucp.php").size(), 1u);
}

TEST_F(ForumBrowserTest, WithoutAForumAddressALocalPageSaysSoAndNothingIsRequested) {
    std::ofstream(fnd::Paths::resources() / "Info.json", std::ios::trunc) << R"({"CFBundleVersion": "2.5"})";
    open();
    ASSERT_TRUE(engine()->shown());
    EXPECT_NE(engine()->shown()->content.find(ForumVC::kNotConfiguredTitle), std::string::npos);
    EXPECT_EQ(server.requestCount(), 0u);
}

TEST_F(ForumBrowserTest, APageLinkIsSentAgainOnceWithTheHeaderFieldsWhileAnotherHostsFramePasses) {
    open();
    ASSERT_FALSE(engine()->tapLink("t5101.html"));  // refused, and sent again by the browser
    settle();
    auto topic = requestsTo("/forum/t5101.html");
    ASSERT_EQ(topic.size(), 1u);
    EXPECT_EQ(topic[0].headers.value("My-Agent"), "iPhone Tovrida/" + version());
    EXPECT_TRUE(browser->webView()->scalesPageToFit());
    EXPECT_TRUE(browser->goBackBtn()->isEnabled());

    // A frame of another host loads as it is; a frame that is the forum's folder becomes the
    // browser's own request.
    fnd::URLRequest frame{fnd::URL("http://127.0.0.2:9/embed.html")};
    EXPECT_TRUE(browser->webViewShouldStartLoad(*browser->webView(), frame, Nav::Other));
    fnd::URLRequest root{fnd::URL(forum() + "?sid=1")};
    EXPECT_FALSE(browser->webViewShouldStartLoad(*browser->webView(), root, Nav::Other));
    settle();
    EXPECT_EQ(requestsTo("/forum/").size(), 2u);

    // After a redirect the page's address is where it ended.
    browser->loadURLString(forum() + "moved.html");
    settle();
    EXPECT_EQ(browser->webView()->documentURL().absoluteString(), forum() + "t5102.html");
}

TEST(ForumRequestsTest, OnlyTheForumsLoginFormWithAutomaticSignInGivesTheLogin) {
    const std::string base = "http://127.0.0.1:8/forum/";
    struct Case {
        std::string address, method, body;
        std::optional<std::string> login, password;
    };
    const Case cases[] = {
        {base + "ucp.php?mode=login", "POST",
         "username=reader&password=secret+word%21&autologin=on&login=Login", "reader", "secret word!"},
        {base + "ucp.php?mode=login", "POST", "username=reader&password=secret&login=Login", {}, {}},
        {base + "ucp.php?mode=login", "POST", "username=&password=secret&autologin=on", {}, {}},
        {base + "ucp.php?mode=login", "GET", "username=reader&password=secret&autologin=on", {}, {}},
        {"http://127.0.0.2:8/forum/ucp.php?mode=login",
         "POST",
         "username=reader&password=secret&autologin=on",
         {},
         {}},
        {base + "search.php", "POST", "username=reader&password=secret&autologin=on", {}, {}},
        {"HTTP://127.0.0.1:8/forum/ucp.php?mode=login", "POST", "password=%zz%&username=r&autologin=on", "r",
         "%zz%"},
    };
    for (const Case& c : cases) {
        fnd::URLRequest request{fnd::URL(c.address)};
        request.setMethod(c.method);
        request.setBody(c.body);
        auto login = ForumRequests::capturedLogin(request, base);
        EXPECT_EQ(login.has_value(), c.login.has_value()) << c.address << " " << c.body;
        if (login && c.login) {
            EXPECT_EQ(login->login, *c.login);
            EXPECT_EQ(login->password, *c.password);
        }
    }
}

TEST_F(ForumBrowserTest, SigningInOnTheForumsFormKeepsTheLogin) {
    open();
    engine()->submitForm(
        "./ucp.php?mode=login", "POST",
        {{"username", "reader"}, {"password", "a b"}, {"autologin", "on"}, {"login", "Login"}});
    settle();
    EXPECT_EQ(rep->forumLogin(), "reader");
    EXPECT_EQ(rep->forumPassword(), "a b");
    auto posts = requestsTo("/forum/ucp.php");
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].headers.value("My-Agent"), "iPhone Tovrida/" + version());
}

TEST_F(ForumBrowserTest, TheHeadGivesThePreviousTopicTheKeptQuestionMarkAndTheFeedsToAdd) {
    open(forum() + "t5101.html");
    EXPECT_FALSE(browser->previousTopicBtn()->isEnabled());
    EXPECT_TRUE(browser->questionIncludedIV()->isHidden());

    headIs(topicHead(5101));
    EXPECT_TRUE(browser->previousTopicBtn()->isEnabled());
    EXPECT_TRUE(browser->questionIncludedIV()->isHidden());
    // A question kept from this topic, under the topic's long address.
    auto question = MQSetSimpleQuestion::make(nullptr, 1, 1, 2, {}, "<p>Q</p>", {}, "<p>E</p>",
                                              forum() + "viewtopic.php?t=5101");
    rep->webQSet()->questions().push_back(question);
    browser->updateToolBtns();
    EXPECT_FALSE(browser->questionIncludedIV()->isHidden());

    browser->goPreviousTopic(nullptr);
    EXPECT_EQ(browser->webView()->request().url().absoluteString(), forum() + "t5101.html?view=previous");
    settle();

    // Feeds: a topic's and a sub-forum's, both before the first inactive feed so that the list shows them.
    rep->feedSet()->feeds().push_back(MFeed::make("http://127.0.0.1:9/off.rss", "rss", "Off", "News_rss.png",
                                                  "X", std::nullopt, std::nullopt, "Y", false, false));
    headIs(topicHead(5101));
    browser->addRSS();
    headIs(subForumHead(140));
    EXPECT_FALSE(browser->previousTopicBtn()->isEnabled());
    browser->addRSS();
    headIs("<title>Board index</title>");
    browser->addRSS();  // a page without a feed adds nothing
    const auto& feeds = rep->feedSet()->feeds();
    ASSERT_EQ(feeds.size(), 4u);
    EXPECT_EQ(feeds[1]->urlString(), forum() + "generate_feed.php?content=topic_posts&t=5101");
    EXPECT_EQ(feeds[2]->urlString(), forum() + "generate_feed.php?content=topics&f[]=140");
    EXPECT_EQ(feeds[2]->title(), ForumVC::kAddedFeedTitle);
    EXPECT_TRUE(feeds[2]->isActive());
    EXPECT_FALSE(feeds[2]->isPermanent());
    EXPECT_EQ(feeds[3]->urlString(), "http://127.0.0.1:9/off.rss");
    EXPECT_EQ(rep->feedSet()->countActive(), 3);
}

TEST(ForumAddressTest, TheFolderTheRootAndTheLoginTarget) {
    EXPECT_EQ(ForumAddress::folder("http://h/forum"), "http://h/forum/");
    EXPECT_EQ(ForumAddress::folder("http://h/forum/"), "http://h/forum/");
    EXPECT_EQ(ForumAddress::folder(""), "");
    const std::string base = "http://h:8/forum/";
    struct Case {
        const char* address;
        bool root, login;
    };
    for (const Case& c :
         {Case{"http://h:8/forum/", true, false}, Case{"https://h:8/forum/?sid=2", true, false},
          Case{"http://h:8/forum/index.php", false, false}, Case{"http://h:9/forum/", false, false},
          Case{"http://h:8/forum/ucp.php?mode=login", false, true},
          Case{"http://H:8/forum/ucp.php?mode=login", false, true},
          Case{"http://h:8/forum/ucp.php?mode=logout", false, false}}) {
        EXPECT_EQ(ForumAddress::isRoot(c.address, base), c.root) << c.address;
        EXPECT_EQ(ForumAddress::isLoginTarget(c.address, base), c.login) << c.address;
    }
    EXPECT_FALSE(ForumAddress::isRoot("http://h:8/forum/", ""));
}

TEST_F(ForumBrowserTest, TheStopwatchStatesColoursAndOneUpdateChain) {
    open(forum() + "t5101.html");
    auto watch = browser->stopwatch();
    EXPECT_TRUE(browser->timerLabel()->isHidden());
    browser->timerShowHide(nullptr);
    EXPECT_EQ(watch->timerStatus(), ForumStopwatch::kReady);
    EXPECT_FALSE(browser->timerLabel()->isHidden());
    EXPECT_FALSE(browser->safariBtn()->isEnabled());
    EXPECT_TRUE(ui::Application::shared().isIdleTimerDisabled());
    EXPECT_EQ(browser->timerLabel()->text(), "00:00");

    browser->timerStartStop(nullptr);
    EXPECT_EQ(watch->timerStatus(), ForumStopwatch::kRunning);
    EXPECT_TRUE(browser->timerAIV()->isAnimating());
    // Further calls replace the update that was due: one chain keeps running, not three.
    // (Counted per target: the page's own loads come and go with their time-outs meanwhile.)
    runFor(0.35);
    EXPECT_EQ(loop->pendingPerformCount(watch.get()), 1u);
    browser->updateTimer();
    browser->updateTimer();
    runFor(0.35);
    EXPECT_EQ(loop->pendingPerformCount(watch.get()), 1u);

    struct Step {
        double at;
        const char* text;
        ui::Color colour;
    };
    double elapsed = 0.7;
    for (const Step& s :
         {Step{89.85, "01:29", ui::Color::whiteColor()}, Step{90.05, "01:30", ui::Color::yellowColor()},
          Step{120.05, "02:00", ui::Color::redColor()}, Step{125.05, "02:05", ui::Color::redColor()}}) {
        runFor(s.at - elapsed);
        elapsed = s.at;
        EXPECT_EQ(browser->timerLabel()->text(), s.text) << s.at;
        EXPECT_EQ(browser->timerLabel()->textColor(), s.colour) << s.at;
    }
    browser->timerStartStop(nullptr);
    EXPECT_EQ(watch->timerStatus(), ForumStopwatch::kStopped);
    EXPECT_FALSE(browser->timerAIV()->isAnimating());
    runFor(5);
    EXPECT_EQ(browser->timerLabel()->text(), "02:05");
    browser->timerStartStop(nullptr);
    EXPECT_EQ(watch->timerStatus(), ForumStopwatch::kReady);
    EXPECT_EQ(browser->timerLabel()->text(), "00:00");
    browser->timerShowHide(nullptr);
    EXPECT_EQ(watch->timerStatus(), ForumStopwatch::kHidden);
    EXPECT_TRUE(browser->timerLabel()->isHidden());
    EXPECT_TRUE(browser->safariBtn()->isEnabled());
    EXPECT_FALSE(ui::Application::shared().isIdleTimerDisabled());
    EXPECT_EQ(ForumStopwatch::secondsToString(3599.9), "59:59");
}

TEST_F(ForumBrowserTest, TheRowsSwitchAndTheCalculatorAndScratchpadOpen) {
    open(forum() + "t5101.html");
    EXPECT_FALSE(browser->tab1bToolB()->isHidden());
    EXPECT_TRUE(browser->tab2bToolB()->isHidden());
    browser->switchToolbar(browser->switchToolbar1Btn());
    EXPECT_TRUE(browser->tab1bToolB()->isHidden());
    EXPECT_EQ(browser->currentToolbarLbl()->text(), "2");
    browser->switchToolbar(browser->switchToolbar2Btn());
    EXPECT_FALSE(browser->tab1bToolB()->isHidden());
    EXPECT_EQ(browser->currentToolbarLbl()->text(), "1");

    browser->openCalculator(nullptr);
    ASSERT_TRUE(browser->calculatorVC());
    EXPECT_EQ(browser->mainChild(), browser->calculatorVC());
    fnd::NotificationCenter::defaultCenter().post(CalculatorVC::kDoneNotification, browser->calculatorVC());
    EXPECT_EQ(browser->calculatorVC(), nullptr);
    // The scratchpad slides away on its done and comes back the same.
    browser->openScratchpad(nullptr);
    auto pad = browser->scratchpadVC();
    ASSERT_TRUE(pad);
    runFor(0.5);
    fnd::NotificationCenter::defaultCenter().post(ScratchpadVC::kDoneNotification, pad);
    runFor(0.5);
    EXPECT_EQ(pad->view()->superview(), nullptr);
    browser->openScratchpad(nullptr);
    EXPECT_EQ(browser->scratchpadVC(), pad);
    EXPECT_NE(pad->view()->superview(), nullptr);
}

TEST_F(ForumBrowserTest, BookmarksAreAddedRenamedDeletedMovedAndFollowed) {
    open(forum() + "moved.html");
    engine()->answer(ForumVC::kTitleScript, "Vessark Forum Average of five");
    // The sheet's first key adds a bookmark of the page where the redirect ended.
    auto sheetOwner = std::static_pointer_cast<ui::ActionSheetDelegate>(browser);
    auto sheet = ui::make<ui::ActionSheet>(
        std::string(), sheetOwner, "Cancel", std::string(),
        std::vector<std::string>{ForumVC::kAddBookmarkTitle, ForumVC::kAddRSSTitle});
    browser->actionSheetClickedButton(*sheet, sheet->firstOtherButtonIndex());
    auto editor = browser->addBookmarkVC();
    ASSERT_TRUE(editor);
    runFor(0.5);
    EXPECT_EQ(editor->nameTextField()->text(), "Average of five");
    EXPECT_EQ(editor->currentUrl(), forum() + "t5102.html");
    // An empty name asks for one and adds nothing.
    editor->nameTextField()->setText("");
    editor->done(std::static_pointer_cast<fnd::Object>(editor->saveBtn()));
    auto root = testing_support::rootOf(*browser->view());
    EXPECT_NE(testing_support::findByText(root, ForumBookmarkVC::kEnterNameTitle), nullptr);
    EXPECT_NE(testing_support::findByText(root, ForumBookmarkVC::kEnterNameMessage), nullptr);
    tapView(testing_support::findByText(root, "OK"));
    runFor(0.5);
    EXPECT_EQ(testing_support::findByText(root, ForumBookmarkVC::kEnterNameMessage), nullptr);
    EXPECT_TRUE(browser->bookmarks()->bookmarks().empty());
    EXPECT_EQ(browser->addBookmarkVC(), editor);
    editor->nameTextField()->setText("Averages");
    editor->done(std::static_pointer_cast<fnd::Object>(editor->saveBtn()));
    runFor(0.5);
    EXPECT_EQ(browser->addBookmarkVC(), nullptr);
    auto& list = rep->forumBookmarks()->bookmarks();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->name(), "Averages");
    EXPECT_EQ(list[0]->url(), forum() + "t5102.html");
    rep->forumBookmarks()->addBookmarkWithName("Trains", forum() + "t5101.html");
    rep->forumBookmarks()->addBookmarkWithName("Index", forum());

    browser->showBookmarks(nullptr);
    auto bookmarks = browser->bookmarksListVC();
    ASSERT_TRUE(bookmarks);
    runFor(0.5);
    ui::TableView& table = *bookmarks->bookmarksTableView();
    ASSERT_EQ(table.numberOfRows(0), 3);
    EXPECT_EQ(textIn(table, 1, ForumBookmarksVC::kNumberTag), "1");
    EXPECT_EQ(textIn(table, 1, ForumBookmarksVC::kNameTag), "Trains");
    EXPECT_EQ(textIn(table, 1, ForumBookmarksVC::kAddressTag), forum() + "t5101.html");

    // Edit mode: a tap renames, a row is deleted, another moved.
    bookmarks->edit(nullptr);
    runFor(0.4);
    tapRow(table, 2);
    auto rename = bookmarks->bookmarkEditVC();
    ASSERT_TRUE(rename);
    runFor(0.5);
    EXPECT_EQ(rename->nameTextField()->text(), "Index");
    rename->nameTextField()->setText("Board");
    rename->done(std::static_pointer_cast<fnd::Object>(rename->saveBtn()));
    runFor(0.5);
    EXPECT_EQ(textIn(table, 2, ForumBookmarksVC::kNameTag), "Board");
    bookmarks->commitEditingStyle(table, ui::TableViewCellEditingStyle::Delete, {0, 0});
    bookmarks->moveRow(table, {0, 1}, {0, 0});
    std::vector<std::string> names;
    for (const auto& b : list) names.push_back(b->name());
    EXPECT_EQ(names, (std::vector<std::string>{"Board", "Trains"}));
    bookmarks->done(nullptr);
    EXPECT_FALSE(bookmarks->isInEditMode());
    runFor(0.4);

    // Following one loads it in the browser and the list goes.
    tapRow(table, 1);
    runFor(0.5);
    EXPECT_EQ(browser->bookmarksListVC(), nullptr);
    EXPECT_EQ(browser->currentUrl(), forum() + "t5101.html");
    settle();
    EXPECT_EQ(requestsTo("/forum/t5101.html").size(), 1u);
}
