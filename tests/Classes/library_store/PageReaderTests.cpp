// The page reader's state without its views: which page loads where, when the views switch, what
// paging does while a page is on its way, titles and neighbours, and the links of a page.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Classes/library_store/MStartItem.h"
#include "Classes/library_store/MStartSet.h"
#include "Classes/library_store/PageReader.h"

namespace {

// A set whose pages live at "file:///book/<file>", with the anchor as fragment.
class BookSet : public MStartSet {
  public:
    std::optional<fnd::URL> URLForFileName(const std::string& fileName,
                                           const std::optional<std::string>& anchor) const override {
        if (fileName == "missing") return std::nullopt;
        return fnd::URL("file:///book/" + fileName + (anchor ? "#" + *anchor : ""));
    }
};

// Records what the reader asks of its views, one line per request.
class FakeViews : public PageReader::Views {
  public:
    void loadInHiddenView(const fnd::URL& url) override { log.push_back("load " + url.absoluteString()); }
    void exchangeViews() override { log.push_back("switch"); }
    void scrollToAnchor(bool front, const std::optional<std::string>& anchor) override {
        log.push_back(std::string(front ? "scroll front " : "scroll hidden ") + anchor.value_or("top"));
    }
    void scheduleSwitch() override {
        scheduled = true;
        log.push_back("later");
    }
    void cancelSwitch() override { scheduled = false; }
    void showTitle(const std::string& t, bool p, bool n) override {
        title = t;
        hasPrevious = p;
        hasNext = n;
    }
    void showActivity(bool on) override { busy = on; }

    std::vector<std::string> take() { return std::exchange(log, {}); }

    std::vector<std::string> log;
    std::string title;
    bool hasPrevious = false, hasNext = false, scheduled = false, busy = false;
};

std::shared_ptr<MStartItem> page(std::optional<std::string> title, std::string file,
                                 std::optional<std::string> anchor = std::nullopt, bool hidden = false) {
    auto item =
        MStartItem::initItemWithImage(MStartItem::kPointerImage, std::move(title), "", std::move(file));
    item->setAnchor(std::move(anchor));
    item->setIsHidden(hidden);
    return item;
}

class PageReaderTest : public ::testing::Test {
  protected:
    // a.html, its hidden anchor entry, an untitled page b.html, c.html, d.html.
    void SetUp() override {
        set->setItems({page("A", "a.html"), page("A2", "a.html", "two", true), page(std::nullopt, "b.html"),
                       page("C", "c.html"), page("D", "d.html")});
    }
    const std::shared_ptr<MStartItem>& at(std::size_t i) const { return set->items()[i]; }
    // Opens on the page and lets its load finish and its switch come.
    std::unique_ptr<PageReader> open(std::size_t i) {
        auto reader = std::make_unique<PageReader>(set, at(i), views);
        reader->showItem();
        finishAndSwitch(*reader);
        return reader;
    }
    void finishAndSwitch(PageReader& reader) {
        reader.hiddenViewDidFinishLoad();
        if (views.scheduled) {
            views.scheduled = false;
            reader.switchIsDue();
        }
    }

    std::shared_ptr<BookSet> set = std::make_shared<BookSet>();
    FakeViews views;
};

TEST_F(PageReaderTest, OpeningLoadsThePageThenBringsItForwardAndLoadsTheNextAhead) {
    PageReader reader(set, at(0), views);
    reader.showItem();
    EXPECT_EQ(views.take(), (std::vector<std::string>{"load file:///book/a.html"}));
    EXPECT_TRUE(views.busy);
    reader.hiddenViewDidFinishLoad();
    EXPECT_EQ(views.take(), (std::vector<std::string>{"later"}));
    EXPECT_FALSE(reader.next()) << "paging waits for the switch";
    reader.switchIsDue();
    // The hidden anchor entry is skipped: the untitled b.html is next and is loaded ahead.
    EXPECT_EQ(views.take(), (std::vector<std::string>{"switch", "load file:///book/b.html"}));
    EXPECT_EQ(views.title, "A");
    EXPECT_FALSE(views.hasPrevious);
    EXPECT_TRUE(views.hasNext);
    EXPECT_EQ(reader.preloadedItem(), at(2));
    EXPECT_TRUE(reader.preLoadingStarted());
    EXPECT_FALSE(views.busy);
}

TEST_F(PageReaderTest, PagingOnInTheSameDirectionSwitchesWithoutALoad) {
    auto reader = open(0);
    views.take();
    reader->hiddenViewDidFinishLoad();  // b.html loaded ahead
    EXPECT_TRUE(views.take().empty());
    ASSERT_TRUE(reader->next());
    EXPECT_EQ(views.take(), (std::vector<std::string>{"switch", "load file:///book/c.html"}));
    // An untitled page shows the title of the nearest titled page before it, hidden or not.
    EXPECT_EQ(views.title, "A2");
    EXPECT_EQ(reader->prevItem(), at(0));

    // Tapped while the page ahead still loads: its finish brings it forward, as a page asked for.
    ASSERT_TRUE(reader->next());
    EXPECT_TRUE(views.take().empty());
    EXPECT_TRUE(reader->isBusy());
    EXPECT_FALSE(reader->next());
    finishAndSwitch(*reader);
    EXPECT_EQ(views.take(), (std::vector<std::string>{"later", "switch", "load file:///book/d.html"}));
    EXPECT_EQ(views.title, "C");
}

TEST_F(PageReaderTest, AMoveAgainstTheDirectionWaitsForItsLoadAndSwitch) {
    auto reader = open(3);  // C, with d.html loading ahead
    reader->hiddenViewDidFinishLoad();
    views.take();
    ASSERT_TRUE(reader->previous());
    EXPECT_EQ(views.take(), (std::vector<std::string>{"load file:///book/b.html"}));
    EXPECT_EQ(views.title, "C") << "the old page stays until the new one is in";
    EXPECT_TRUE(views.busy);
    // A quick second tap, during the load and during the switch's delay, is ignored.
    EXPECT_FALSE(reader->previous());
    reader->hiddenViewDidFinishLoad();
    EXPECT_FALSE(reader->previous());
    EXPECT_FALSE(reader->next());
    EXPECT_EQ(reader->item(), at(2));
    views.scheduled = false;
    reader->switchIsDue();
    // Going backwards, the page before is loaded ahead (over the hidden anchor entry).
    EXPECT_EQ(views.take(), (std::vector<std::string>{"later", "switch", "load file:///book/a.html"}));
    EXPECT_EQ(views.title, "A2");
    EXPECT_TRUE(reader->backward());
}

TEST_F(PageReaderTest, ThreePagesOfOneFileLoadOnceAndNeverLoop) {
    set->setItems({page("One", "x.html", "1"), page("Two", "x.html", "2"), page("Three", "x.html", "3")});
    PageReader reader(set, at(0), views);
    reader.showItem();
    finishAndSwitch(reader);
    // The next page of the same file loads into the empty hidden view.
    EXPECT_EQ(views.take(), (std::vector<std::string>{"load file:///book/x.html#1", "later", "switch",
                                                      "load file:///book/x.html"}));
    reader.hiddenViewDidFinishLoad();
    ASSERT_TRUE(reader.next());
    // The hidden view now holds the file the front showed: the preload only ends, at the top.
    EXPECT_EQ(views.take(), (std::vector<std::string>{"switch", "scroll hidden top"}));
    EXPECT_FALSE(reader.preLoadingStarted());
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(views.take(), (std::vector<std::string>{"switch"}));
    EXPECT_EQ(views.title, "Three");
    EXPECT_FALSE(views.hasNext);
}

TEST_F(PageReaderTest, LinksShowTheLastMatchingPage) {
    set->setItems({page("A", "a.html"), page("A1", "a.html", "one", true), page("A2", "a.html", "two", true),
                   page("B", "b.html")});
    auto reader = open(3);
    struct Case {
        const char* link;
        int page;  // -1: none
        std::optional<std::string> anchor;
    };
    const Case cases[] = {
        {"file:///book/a.html", 2, std::nullopt},      // no fragment: every page of the file, the last wins
        {"file:///book/a.html#one", 1, "one"},         // both fragments: they must agree
        {"file:///book/a.html#zzz", 0, std::nullopt},  // only the page without an anchor agrees
        {"file:///book/c.html", -1, std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<std::string> anchor;
        auto found = reader->pageForURL(fnd::URL(c.link), &anchor);
        EXPECT_EQ(found, c.page < 0 ? nullptr : at(std::size_t(c.page))) << c.link;
        EXPECT_EQ(anchor, c.anchor) << c.link;
    }
    views.take();
    EXPECT_FALSE(reader->followLink(fnd::URL("file:///book/c.html")));
    EXPECT_TRUE(views.take().empty());
    // A link into the file the hidden view holds switches at once and scrolls to the anchor.
    ASSERT_TRUE(reader->followLink(fnd::URL("file:///book/a.html#one")));
    EXPECT_EQ(views.take()[0], "load file:///book/a.html#one");
}

TEST_F(PageReaderTest, APageAskedForThatTheHiddenViewHoldsSwitchesAtOnce) {
    auto reader = open(3);  // front c.html, d.html loading ahead
    reader->hiddenViewDidFinishLoad();
    ASSERT_TRUE(reader->next());  // front d.html, hidden c.html
    views.take();
    ASSERT_TRUE(reader->followLink(fnd::URL("file:///book/c.html")));
    // The next page ahead is the one the old front view holds: that preload only ends.
    EXPECT_EQ(views.take(), (std::vector<std::string>{"switch", "scroll hidden top", "scroll front top"}));
    EXPECT_EQ(views.title, "C");
    EXPECT_FALSE(reader->isBusy());
}

TEST_F(PageReaderTest, APageWithoutAnAddressLoadsNothingAndTheReaderStays) {
    set->setItems({page("A", "a.html"), page("Gone", "missing"), page("Blank", "")});
    auto reader = open(0);
    reader->hiddenViewDidFinishLoad();
    views.take();
    ASSERT_TRUE(reader->next());  // the preload of "missing" never started: nothing to switch to
    EXPECT_TRUE(views.take().empty());
    EXPECT_EQ(reader->item(), at(0));
    EXPECT_EQ(views.title, "A");
    EXPECT_FALSE(reader->isBusy());

    PageReader blank(set, at(2), views);
    blank.showItem();
    EXPECT_TRUE(views.take().empty());
}

TEST_F(PageReaderTest, APageOutsideTheSetHasNoNeighbours) {
    PageReader reader(set, page("Stray", "s.html"), views);
    reader.showItem();
    finishAndSwitch(reader);
    EXPECT_EQ(views.title, "Stray");
    EXPECT_FALSE(views.hasPrevious);
    EXPECT_FALSE(views.hasNext);
    EXPECT_EQ(PageReader::titleOfItem(*set, *at(2)), "A2");
    set->setItems({page(std::nullopt, "u.html")});
    EXPECT_EQ(PageReader::titleOfItem(*set, *at(0)), "");
}

}  // namespace
