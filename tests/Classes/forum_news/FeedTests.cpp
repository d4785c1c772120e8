#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MFeeds.h"
#include "Classes/forum_news/MForumNewsClasses.h"
#include "Classes/forum_news/MItem.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/URLSession.h"
#include "platform/ui/Application.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/TestEnvironment.h"

namespace {

using testing_support::HTTPTestServer;

std::string fixture(const std::string& name) {
    std::ifstream in(std::string(ORVA_FIXTURES) + "/feeds/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> titles(const MFeed& feed) {
    std::vector<std::string> result;
    for (const auto& item : feed.items()) result.push_back(item->title().value_or("-"));
    return result;
}

fnd::Date utc(const std::string& text) {
    return *fnd::DateFormatter("yyyy-MM-dd HH:mm:ss", fnd::Locale("en"), fnd::TimeZone::gmt())
                .dateFromString(text);
}

class FeedTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        session->setNetworkCheck([] { return true; });
        server.route("/notes.rss",
                     HTTPTestServer::Reply::text(fixture("channel.rss"), "application/rss+xml"));
        server.route("/journal.atom",
                     HTTPTestServer::Reply::text(fixture("journal.atom"), "application/atom+xml"));
        server.route("/broken.rss",
                     HTTPTestServer::Reply::text(fixture("broken.rss"), "application/rss+xml"));
        fnd::NotificationCenter::defaultCenter().addObserver(
            this, MFeed::kUpdateDoneNotification, nullptr, [this](const fnd::Notification&) { ++doneCount; });
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(this);
        TestEnvironment::TearDown();
    }

    std::shared_ptr<MFeed> feed(const std::string& path, bool active = true, bool permanent = false) {
        auto f = MFeed::make(server.url(path), "rss", "Custom", "news_icon.png", "Someone", std::nullopt,
                             std::nullopt, "Study", active, permanent);
        f->setSession(session);
        return f;
    }

    // Updates the feed and waits for its done notification.
    void update(const std::shared_ptr<MFeed>& f) {
        int before = doneCount;
        f->update();
        ASSERT_TRUE(runUntil([&] { return doneCount > before; }));
        runFor(0.1);
        EXPECT_EQ(doneCount, before + 1);
        EXPECT_FALSE(f->isUpdating());
    }

    HTTPTestServer server;
    std::shared_ptr<fnd::URLSession> session = std::make_shared<fnd::URLSession>();
    int doneCount = 0;
};

TEST_F(FeedTest, RssItemsTakeTheirOwnValuesOnly) {
    auto f = feed("/notes.rss");
    update(f);
    ASSERT_EQ(f->items().size(), 3u);
    EXPECT_EQ(f->title(), "Harbour Lane Study Notes");  // not the image's title
    EXPECT_EQ(titles(*f),
              (std::vector<std::string>{"Three habits for the quantitative section",
                                        "Reading a passage & its structure", "Office hours moved"}));
    const MItem& first = *f->items()[0];
    EXPECT_EQ(first.link(), "http://127.0.0.1/notes/three-habits");
    EXPECT_EQ(first.guid(), "notes-101");
    EXPECT_EQ(first.description(), "<p class=\"lead\">Estimate before you compute.</p>");
    EXPECT_EQ(first.pubDate(), utc("2026-03-02 09:30:00"));
    EXPECT_FALSE(first.isRead());
    // The last body element of an item wins; a plain date and time read without a zone.
    EXPECT_EQ(f->items()[1]->description(), "<p>Map each paragraph to one purpose.</p>");
    EXPECT_EQ(f->items()[1]->pubDate(),
              fnd::DateFormatter("yyyy-MM-dd HH:mm", fnd::Locale("en")).dateFromString("2026-02-27 17:05"));
    // An unreadable date leaves the item without one; no guid stays no guid.
    EXPECT_FALSE(f->items()[2]->pubDate());
    EXPECT_FALSE(f->items()[2]->guid());
    // Nothing active from a feed reaches a page.
    EXPECT_EQ(f->items()[2]->description(), "Thursday instead of Tuesday. <a>Room 4</a>");
    EXPECT_TRUE(f->lastUpdated());
}

TEST_F(FeedTest, AtomEntriesTakeLinksFromHrefAndNotTheFeedsLink) {
    auto f = feed("/journal.atom");
    update(f);
    ASSERT_EQ(f->items().size(), 2u);
    EXPECT_EQ(f->title(), "Quiet Desk Journal");
    EXPECT_EQ(f->items()[0]->link(), "http://127.0.0.1/journal/timing");
    EXPECT_EQ(f->items()[0]->guid(), "urn:quiet-desk:entry:7");
    EXPECT_EQ(f->items()[0]->description(), "Two minutes a question is an average, not a rule.");
    EXPECT_EQ(f->items()[1]->link(), "http://127.0.0.1/journal/guessing");
    EXPECT_EQ(f->items()[1]->description(), "<p>Eliminate two choices first.</p>");
}

TEST_F(FeedTest, LegacyCharacterSetsAreReadThroughICU) {
    const struct {
        const char* file;
        const char* title;
        const char* description;
    } feeds[] = {
        {"euc-kr.rss", "시험 준비 안내", "시험 일정이 공지되었습니다."},
        {"shift_jis.rss", "模試の日程", "十時に始まります。"},
        // Labelled ISO-8859-1, written in windows-1252 as such feeds are: the quotes are kept.
        {"latin1-quotes.rss", "“Pacing” notes", "It’s café time – rest."},
    };
    for (const auto& f : feeds) {
        SCOPED_TRACE(f.file);
        auto result = MFeed::parseFeedData(fixture(f.file));
        ASSERT_EQ(result.items.size(), 1u);
        EXPECT_EQ(result.items[0]->title(), std::string(f.title));
        EXPECT_EQ(result.items[0]->description(), std::string(f.description));
    }
    // A set nobody knows fails the feed as before.
    EXPECT_TRUE(MFeed::parseFeedData("<?xml version=\"1.0\" encoding=\"x-no-such-set\"?><rss><channel>"
                                     "<item><title>t</title></item></channel></rss>")
                    .items.empty());
}

TEST_F(FeedTest, AtomEntriesOpenTheirOwnArticleLink) {
    auto result = MFeed::parseFeedData(R"(<feed xmlns="http://www.w3.org/2005/Atom">
        <entry><title>A</title><link href="http://h/a"/><link rel="replies" href="http://h/a/comments"/></entry>
        <entry><title>B</title><source><link href="http://other/feed"/></source>
               <link rel="alternate" href="http://h/b"/></entry>
        <entry><title>C</title><link rel="enclosure" href="http://h/c.mp3"/><link rel=" alternate " href="http://h/c"/>
               <link href="http://h/c-second"/></entry>
        <entry><title>D</title><link rel="replies" href="http://h/d/comments"/></entry>
    </feed>)");
    ASSERT_EQ(result.items.size(), 4u);
    EXPECT_EQ(result.items[0]->link(), "http://h/a");
    EXPECT_EQ(result.items[1]->link(), "http://h/b");
    EXPECT_EQ(result.items[2]->link(), "http://h/c");
    EXPECT_FALSE(result.items[3]->link());
}

TEST_F(FeedTest, DatesWithTwoDigitYearsAndAtomDates) {
    const struct {
        const char* text;
        const char* utcTime;
    } dates[] = {
        {"Thu, 01 Jan 04 10:00:00 GMT", "2004-01-01 10:00:00"},
        {"Tue, 02 Feb 99 08:30:00 GMT", "1999-02-02 08:30:00"},
        {"2026-03-01T11:15:00Z", "2026-03-01 11:15:00"},
        {"2026-03-01T12:15:00+01:00", "2026-03-01 11:15:00"},
        {"\n   Thu, 01 Jan 2004 10:00:00 GMT  \n", "2004-01-01 10:00:00"},
    };
    for (const auto& d : dates) {
        SCOPED_TRACE(d.text);
        auto result = MFeed::parseFeedData(std::string("<rss><channel><item><title>t</title><pubDate>") +
                                           d.text + "</pubDate></item></channel></rss>");
        ASSERT_EQ(result.items.size(), 1u);
        EXPECT_EQ(result.items[0]->pubDate(), utc(d.utcTime));
    }
    auto fraction = MFeed::parseFeedData(
        "<feed><entry><title>t</title><published>2026-03-01T11:15:00.250Z</published></entry></feed>");
    EXPECT_EQ(fraction.items[0]->pubDate()->timeIntervalSinceReferenceDate(), 794056500.25);
}

TEST_F(FeedTest, UpdateKeepsReadMarksByGuid) {
    auto f = feed("/notes.rss");
    update(f);
    for (const auto& item : f->items())
        item->setIsRead(item->guid() != std::optional<std::string>("notes-102"));
    EXPECT_EQ(f->numberOfUnreadItems(), 1);
    update(f);
    ASSERT_EQ(f->items().size(), 3u);
    EXPECT_TRUE(f->items()[0]->isRead());
    EXPECT_FALSE(f->items()[1]->isRead());
    EXPECT_FALSE(f->items()[2]->isRead());  // without a guid it cannot be recognised
}

TEST_F(FeedTest, LongFeedKeepsTheFirstFiftyItems) {
    std::string rss = "<rss version=\"2.0\"><channel><title>Long</title>";
    for (int i = 1; i <= 120; ++i)
        rss += "<item><title>Note " + std::to_string(i) + "</title><guid>n" + std::to_string(i) +
               "</guid></item>";
    rss += "</channel></rss>";
    auto result = MFeed::parseFeedData(rss);
    ASSERT_EQ(result.items.size(), MFeed::kMaximumItems);
    EXPECT_EQ(result.items.front()->title(), "Note 1");
    EXPECT_EQ(result.items.back()->title(), "Note 50");
}

TEST_F(FeedTest, MalformedItemsAreSkippedAndABrokenFeedKeepsWhatCameBefore) {
    auto f = feed("/broken.rss");
    update(f);
    EXPECT_EQ(f->title(), "Broken Bench Digest");
    EXPECT_EQ(titles(*f),
              (std::vector<std::string>{"First note survives", "Inner note", "Last note before the break"}));
    // Garbage gives nothing and leaves the items alone.
    server.route("/broken.rss", HTTPTestServer::Reply::text("<html><body>gone", "text/html"));
    update(f);
    EXPECT_EQ(f->items().size(), 3u);
}

TEST_F(FeedTest, FailuresAndInactiveFeedsReportDoneOnceAndKeepItems) {
    auto f = feed("/notes.rss");
    update(f);
    f->setUrlString("http://127.0.0.1:" + std::to_string(HTTPTestServer::unusedPort()) + "/notes.rss");
    update(f);
    EXPECT_EQ(f->items().size(), 3u);
    f->setUrlString("not an address");
    update(f);
    EXPECT_EQ(f->items().size(), 3u);

    std::size_t requests = server.requestCount();
    auto inactive = feed("/notes.rss", false);
    int before = doneCount;
    inactive->update();
    EXPECT_EQ(doneCount, before + 1);
    runFor(0.5);
    EXPECT_EQ(server.requestCount(), requests);
}

TEST_F(FeedTest, ListUpdatesActiveFeedsOneAfterAnother) {
    auto feeds = std::make_shared<MFeeds>();
    feeds->setFeeds({feed("/notes.rss"), feed("/notes.rss", false), feed("/journal.atom")});
    feeds->update();
    EXPECT_TRUE(feeds->isUpdating());
    EXPECT_TRUE(ui::Application::shared().isNetworkActivityIndicatorVisible());
    feeds->update();  // a second call while running does nothing
    ASSERT_TRUE(runUntil([&] { return !feeds->isUpdating(); }));
    EXPECT_FALSE(ui::Application::shared().isNetworkActivityIndicatorVisible());
    auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].path, "/notes.rss");
    EXPECT_EQ(requests[1].path, "/journal.atom");
    EXPECT_EQ(feeds->feeds()[0]->items().size(), 3u);
    EXPECT_TRUE(feeds->feeds()[1]->items().empty());
    EXPECT_EQ(feeds->feeds()[2]->items().size(), 2u);

    auto empty = std::make_shared<MFeeds>();
    empty->update();
    EXPECT_FALSE(empty->isUpdating());
}

TEST_F(FeedTest, SortPutsActiveFeedsFirstKeepingOrder) {
    MFeeds feeds;
    auto a = feed("/a", false), b = feed("/b"), c = feed("/c", false), d = feed("/d");
    feeds.setFeeds({a, b, c, d});
    feeds.sortFeeds();
    EXPECT_EQ(feeds.feeds(), (MFeeds::Feeds{b, d, a, c}));
    EXPECT_EQ(feeds.countActive(), 2);
}

TEST_F(FeedTest, ArchiveRoundTripOmitsLabelsOfPermanentFeeds) {
    MForumNewsClasses::registerAll();
    auto feeds = std::make_shared<MFeeds>();
    auto custom = feed("/notes.rss");
    update(custom);
    custom->items()[0]->setIsRead(true);
    auto permanent = feed("/journal.atom", false, true);
    feeds->setFeeds({custom, permanent});

    auto bytes = fnd::KeyedArchiver::archive("kFeedSet", feeds);
    ASSERT_TRUE(bytes);
    auto back = fnd::KeyedUnarchiver::unarchive(*bytes, "kFeedSet").object<MFeeds>();
    ASSERT_TRUE(back);
    ASSERT_EQ(back->feeds().size(), 2u);
    const MFeed& c = *back->feeds()[0];
    EXPECT_EQ(c.urlString(), custom->urlString());
    EXPECT_EQ(c.title(), "Harbour Lane Study Notes");
    EXPECT_EQ(c.organization(), "Someone");
    EXPECT_EQ(c.department(), "Study");
    EXPECT_FALSE(c.personName());
    EXPECT_TRUE(c.isActive());
    EXPECT_EQ(c.lastUpdated(), custom->lastUpdated());
    ASSERT_EQ(c.items().size(), 3u);
    EXPECT_TRUE(c.items()[0]->isRead());
    EXPECT_EQ(c.items()[0]->pubDate(), custom->items()[0]->pubDate());
    EXPECT_EQ(c.items()[1]->link(), custom->items()[1]->link());
    EXPECT_FALSE(c.items()[2]->guid());
    EXPECT_FALSE(c.isUpdating());

    const MFeed& p = *back->feeds()[1];
    EXPECT_TRUE(p.isPermanent());
    EXPECT_FALSE(p.isActive());
    EXPECT_FALSE(p.title());
    EXPECT_FALSE(p.rssType());
    EXPECT_FALSE(p.frontPage());
}

TEST(ItemText, PlainTextAndShortTitles) {
    EXPECT_EQ(MItem::htmlToText(" <p class=\"a\nb\">Two&nbsp;&nbsp;words</p>\n<b>it&#39;s</b>"),
              "Two words it's ");
    EXPECT_EQ(
        MItem::simpleHTML("<p style=\"x\">a <span class=\"k\" style=\"text-decoration:underline\">b</span> "
                          "<span id=\"s\">c</span><font color=\"red\">d</font></p>"),
        "<p>a <u>b</u> <span>c</span>d</p>");

    MItem item;
    item.setTitle("New practice set is out http://127.0.0.1/x/y");
    EXPECT_EQ(item.shortTitle(), "New practice set is out ");
    item.setTitle(std::string(100, 'w'));
    EXPECT_EQ(item.shortTitle(), std::string(80, 'w') + "...");
    item.setTitle(std::string(80, 'w'));
    EXPECT_EQ(item.shortTitle(), std::string(80, 'w'));
}

}  // namespace
