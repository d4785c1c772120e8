// The news screens: the feed list and its edit mode, the add panel's outcomes, an item's rows and
// page.

#include <gtest/gtest.h>

#include "Classes/core/ToolChooseVC_iPad.h"
#include "Classes/forum_news/FeedAddVC.h"
#include "Classes/forum_news/FeedVC.h"
#include "Classes/forum_news/ItemPage.h"
#include "Classes/forum_news/ItemVC.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MFeeds.h"
#include "Classes/forum_news/MItem.h"
#include "Classes/forum_news/NewsVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TextField.h"
#include "tests/Classes/forum_news/ForumNewsScreensSupport.h"

namespace {

using testing_support::HTTPTestServer;

class NewsScreensTest : public forum_news_test::ForumNewsScreensTest {
  protected:
    void SetUp() override {
        ForumNewsScreensTest::SetUp();
        for (const char* name : {"a", "b", "c"})
            server.route(
                std::string("/") + name + ".rss",
                HTTPTestServer::Reply::text(forum_news_test::rssDocument(std::string("Feed ") + name,
                                                                         {{"One", std::string(name) + "1"},
                                                                          {"Two", std::string(name) + "2"}}),
                                            "application/rss+xml"));
        server.route("/empty.rss", HTTPTestServer::Reply::text(forum_news_test::rssDocument("Empty", {}),
                                                               "application/rss+xml"));
        center().addObserver(this, std::nullopt, nullptr, [this](const fnd::Notification& n) {
            if (n.name == "Scroll" || n.name == "Activate" || n.name == "Insert" ||
                n.name == FeedAddVC::kCreatedEvent)
                posted.push_back(n.name);
        });
    }
    void TearDown() override {
        center().removeObserver(this);
        if (news) news->close();
        ForumNewsScreensTest::TearDown();
    }
    static fnd::NotificationCenter& center() { return fnd::NotificationCenter::defaultCenter(); }

    std::vector<std::shared_ptr<MFeed>>& feeds() { return rep->feedSet()->feeds(); }
    // A feed of the user's own at the server's path.
    std::shared_ptr<MFeed> ownFeed(const std::string& path, bool active) {
        return MFeed::make(server.url(path), "rss", "Own " + path, "News_rss.png", "Mine", std::nullopt,
                           std::nullopt, "Reading", active, false);
    }
    std::vector<std::string> addresses() {
        std::vector<std::string> list;
        for (const auto& f : feeds()) list.push_back(f->urlString().substr(f->urlString().rfind('/')));
        return list;
    }
    void openNews() {
        news = ui::make<NewsVC>();
        runUntil([&] { return !rep->feedSet()->isUpdating(); });
        runFor(0.5);
    }
    ui::TableView& table() { return *news->newsTV(); }

    std::shared_ptr<NewsVC> news;
    std::vector<std::string> posted;
};

}  // namespace

TEST_F(NewsScreensTest, TheEditCycleTogglesDeletesMovesAndDoneDropsTheInactiveFeeds) {
    feeds().push_back(ownFeed("/a.rss", true));
    feeds().push_back(ownFeed("/b.rss", true));
    feeds().push_back(ownFeed("/c.rss", false));
    openNews();
    // Outside edit mode: the active feeds, each with its unread count.
    ASSERT_EQ(table().numberOfRows(0), 3);
    EXPECT_EQ(textIn(table(), 0, NewsCells::kTitleTag), "Built In");
    EXPECT_EQ(textIn(table(), 1, NewsCells::kUnreadCountTag), "2");
    EXPECT_FALSE(partOf(table(), 1, NewsCells::kUnreadBadgeTag)->isHidden());
    EXPECT_EQ(partOf(table(), 1, NewsCells::kBackgroundTag)->frame().size.height,
              news->rowLayout().rowHeight);

    news->editFeeds(nullptr);
    runFor(0.4);
    ASSERT_EQ(table().numberOfRows(0), 4);
    // The built-in feed has no delete control and no mark; the user's own feeds have both.
    EXPECT_EQ(news->editingStyleForRow(table(), {0, 0}), ui::TableViewCellEditingStyle::None);
    EXPECT_EQ(news->editingStyleForRow(table(), {0, 1}), ui::TableViewCellEditingStyle::Delete);
    EXPECT_EQ(partOf(table(), 0, NewsCells::kActiveMarkTag)->center().x, NewsCells::kMarkHiddenX);
    EXPECT_EQ(partOf(table(), 1, NewsCells::kActiveMarkTag)->center().x, NewsCells::kMarkShownX);
    EXPECT_TRUE(partOf(table(), 3, NewsCells::kActiveMarkTag)->isHidden());

    // A tap switches the built-in feed off, dimmed, and selects nothing.
    tapRow(table(), 0);
    EXPECT_FALSE(feeds()[0]->isActive());
    EXPECT_EQ(partOf(table(), 0, NewsCells::kTitleTag)->alpha(), NewsCells::kDimmedAlpha);
    EXPECT_FALSE(table().indexPathForSelectedRow());
    EXPECT_EQ(news->feedVC(), nullptr);

    // The user's feed "a" is deleted through its control; "c" moves to the top.
    auto cell = table().cellForRow({0, 1});
    tapView(cell->editingControl());
    tapView(cell->deleteConfirmationButton());
    EXPECT_EQ(addresses(), (std::vector<std::string>{"/default.rss", "/b.rss", "/c.rss"}));
    news->moveRow(table(), {0, 2}, {0, 0});
    EXPECT_EQ(addresses(), (std::vector<std::string>{"/c.rss", "/default.rss", "/b.rss"}));

    // Done: the active feeds first, the inactive ones last and out of the list.
    news->doneEditing(nullptr);
    runFor(0.4);
    EXPECT_EQ(addresses(), (std::vector<std::string>{"/b.rss", "/c.rss", "/default.rss"}));
    EXPECT_EQ(table().numberOfRows(0), 1);
    EXPECT_EQ(textIn(table(), 0, NewsCells::kTitleTag), "Feed b");
}

TEST_F(NewsScreensTest, ANewFeedGoesTwoRowsBelowTheFirstInViewWithinTheList) {
    struct Case {
        int first, count, expected;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{0, 1, 0}, Case{0, 10, 2}, Case{9, 10, 9}, Case{3, 4, 3}})
        EXPECT_EQ(NewsVC::insertIndexFor(c.first, c.count), c.expected) << c.first << " of " << c.count;
}

TEST_F(NewsScreensTest, TheAddPanelsFourOutcomes) {
    feeds().push_back(ownFeed("/a.rss", true));
    feeds().push_back(ownFeed("/b.rss", false));
    openNews();
    news->editFeeds(nullptr);
    runFor(0.4);

    struct Case {
        std::string address;
        const char* status;
        bool parts;       // title, count, source field and add key shown
        const char* key;  // the add key's title, or null when hidden
        bool scrolled;
    };
    const Case cases[] = {
        {server.url("/c.rss"), FeedAddVC::kCheckedText, true, FeedAddVC::kAddTitle, false},
        {server.url("/empty.rss"), FeedAddVC::kFailedText, false, nullptr, false},
        {"no address at all", FeedAddVC::kFailedText, false, nullptr, false},
        {server.url("/a.rss"), FeedAddVC::kExistsText, false, nullptr, true},
        {server.url("/b.rss"), FeedAddVC::kExistsInactiveText, false, FeedAddVC::kActivateTitle, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        posted.clear();
        news->addFeed(nullptr);
        auto panel = news->feedAddVC();
        ASSERT_TRUE(panel);
        runFor(0.3);
        EXPECT_EQ(panel->statusLbl()->text(), FeedAddVC::kEnterText);
        panel->urlField()->setText(c.address);
        panel->checkURL(nullptr);
        EXPECT_EQ(panel->statusLbl()->text(), FeedAddVC::kCheckingText);
        runUntil([&] { return panel->statusLbl()->text() != FeedAddVC::kCheckingText; });
        EXPECT_EQ(panel->statusLbl()->text(), c.status);
        EXPECT_EQ(panel->feedTitleLbl()->isHidden(), !c.parts);
        EXPECT_EQ(panel->organizationField()->isHidden(), !c.parts);
        EXPECT_EQ(panel->addBtn()->isHidden(), c.key == nullptr);
        if (c.key) {
            EXPECT_EQ(panel->addBtn()->currentTitle(), c.key);
        }
        EXPECT_EQ(posted, c.scrolled ? std::vector<std::string>{"Scroll"} : std::vector<std::string>{});
        if (c.parts) {
            EXPECT_EQ(panel->feedTitleLbl()->text(), "Feed c");
            EXPECT_EQ(panel->numberOfItemsLbl()->text(), "2 records.");
        }
        // The add key again closes the panel; nothing was added.
        news->addFeed(nullptr);
        runFor(0.3);
        EXPECT_EQ(news->feedAddVC(), nullptr);
        EXPECT_EQ(feeds().size(), 3u);
    }

    // Adding the new feed: in its place, under the source typed, with the tip event.
    posted.clear();
    news->addFeed(nullptr);
    auto panel = news->feedAddVC();
    runFor(0.3);
    int at = news->insertIndex();
    panel->urlField()->setText(server.url("/c.rss"));
    panel->checkURL(nullptr);
    runUntil([&] { return panel->statusLbl()->text() == FeedAddVC::kCheckedText; });
    panel->organizationField()->setText("Weekly");
    int rows = table().numberOfRows(0);
    panel->addFeed(nullptr);
    EXPECT_EQ(posted, (std::vector<std::string>{FeedAddVC::kCreatedEvent, "Insert"}));
    ASSERT_EQ(feeds().size(), 4u);
    EXPECT_EQ(feeds()[std::size_t(at)]->urlString(), server.url("/c.rss"));
    EXPECT_EQ(feeds()[std::size_t(at)]->organization(), "Weekly");
    EXPECT_FALSE(feeds()[std::size_t(at)]->isPermanent());
    EXPECT_EQ(table().numberOfRows(0), rows + 1);
    EXPECT_EQ(news->feedAddVC(), nullptr);

    // Switching the known inactive feed on.
    news->addFeed(nullptr);
    panel = news->feedAddVC();
    runFor(0.3);
    panel->urlField()->setText(server.url("/b.rss"));
    panel->checkURL(nullptr);
    runUntil([&] { return panel->statusLbl()->text() != FeedAddVC::kCheckingText; });
    posted.clear();
    panel->addFeed(nullptr);
    EXPECT_EQ(posted, std::vector<std::string>{"Activate"});
    EXPECT_TRUE(feeds()[std::size_t(panel->foundFeedIndex())]->isActive());
    EXPECT_EQ(feeds().size(), 4u);
}

TEST_F(NewsScreensTest, AFeedsRowsShowDateAndUnreadMarkAndItsItemPageMarksTheItemRead) {
    feeds().push_back(ownFeed("/a.rss", true));
    openNews();
    tapRow(table(), 1);
    auto feedVC = news->feedVC();
    ASSERT_TRUE(feedVC);
    runFor(0.5);
    ui::TableView& items = *feedVC->feedTV();
    ASSERT_EQ(items.numberOfRows(0), 2);
    EXPECT_EQ(textIn(items, 0, NewsCells::kItemTitleTag), "One");
    EXPECT_EQ(textIn(items, 0, NewsCells::kItemDateTag), "04 Mar 2024");
    EXPECT_EQ(textIn(items, 0, NewsCells::kItemSummaryTag), "About One");
    EXPECT_FALSE(partOf(items, 0, NewsCells::kItemUnreadTag)->isHidden());

    tapRow(items, 0);
    auto itemVC = feedVC->itemVC();
    ASSERT_TRUE(itemVC);
    runFor(0.5);
    EXPECT_TRUE(feeds()[1]->items()[0]->isRead());
    // The page is read with the bundle's folder as base, so that the header picture loads.
    const ui::WebDocument* page = engine()->shown();
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->url.isFileURL());
    EXPECT_NE(page->content.find("images/news_item_background-320.png"), std::string::npos);

    itemVC->doneClick(nullptr);
    runFor(0.5);
    EXPECT_EQ(feedVC->itemVC(), nullptr);
    EXPECT_TRUE(partOf(items, 0, NewsCells::kItemUnreadTag)->isHidden());
    feedVC->markAllRead(nullptr);
    EXPECT_EQ(feeds()[1]->numberOfUnreadItems(), 0);
    feedVC->doneClick(nullptr);
    runFor(0.5);
    EXPECT_EQ(textIn(table(), 1, NewsCells::kUnreadCountTag), "0");
    EXPECT_TRUE(partOf(table(), 1, NewsCells::kUnreadBadgeTag)->isHidden());
}

TEST_F(NewsScreensTest, TheTabletItemPageFollowsTheHomeScreensWidth) {
    start(ui::Idiom::Tablet);
    auto item = std::make_shared<MItem>();
    item->setTitle("Wide");
    auto screen = ui::make<ItemVC_iPad>(item);
    runFor(0.5);
    EXPECT_NE(engine()->shown()->content.find("news_item_background-768.png"), std::string::npos);
    home->view()->setBounds({0, 0, 1024, 748});
    center().post(ItemVC_iPad::kOrientationChangedNotification, home);
    runFor(0.1);
    EXPECT_NE(engine()->shown()->content.find("news_item_background-1024.png"), std::string::npos);
    screen->close();
}

TEST(ItemPageTest, TheFeedsTextIsEscapedTheBodyCleanedAndOnlyWebLinksLinked) {
    MItem item;
    item.setTitle("Ratios <script>alert(1)</script> & rates where 5 < 7");
    item.setDescription(
        R"html(<p style="x">Keep <b>going</b><script>steal()</script><img src="x" onerror="e()"></p>)html");
    item.setLink("http://127.0.0.1/a-long-path/to/an-article.html");
    std::string page = ItemPage::html(item, 320);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("onerror"), std::string::npos);
    EXPECT_NE(page.find("rates where 5 &lt; 7"), std::string::npos) << "the title shows its text";
    EXPECT_NE(page.find("<b>going</b>"), std::string::npos);
    EXPECT_NE(page.find("width: 320px"), std::string::npos);

    struct Case {
        std::string link, paragraph;
    };
    const Case cases[] = {
        // 34 characters show whole; 35 show 20, "..." and the last 10.
        {"http://127.0.0.1/abcdefghijklmnopq",
         R"(<p>link: <a href="http://127.0.0.1/abcdefghijklmnopq">http://127.0.0.1/abcdefghijklmnopq</a></p>)"},
        {"http://127.0.0.1/abcdefghijklmnopqr",
         R"(<p>link: <a href="http://127.0.0.1/abcdefghijklmnopqr">http://127.0.0.1/abc...ijklmnopqr</a></p>)"},
        {"javascript:alert(\"x\")", "<p>link: javascript:alert(&quot;x&quot;)</p>"},
        {"", "<p>link: </p>"},
    };
    for (const Case& c : cases) EXPECT_EQ(ItemPage::linkParagraph(c.link), c.paragraph) << c.link;
}
