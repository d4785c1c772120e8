// The dictionary panel against a local server standing in for the definitions site and the
// translator: pages found and not found, a redirect, a slow reply dropped by a language switch,
// bytes that are not UTF-8, no network; its languages, and the card it adds to the shared deck.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/flashcards/MDeck.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/study_aids/DictionaryVC.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/URLSession.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Make.h"
#include "platform/ui/Window.h"
#include "tests/Classes/study_aids/StudyAidsScreensSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using Reply = testing_support::HTTPTestServer::Reply;

const std::string kDefinitions =
    "<html><body><div id=\"search\"><table><tr><td><div class=\"std\"><ol><li>a dwelling</li></ol></div>"
    "<hr><h5>Web definitions</h5><p>more</p></div></body></html>";
const std::string kTranslation =
    "<html><body><div style=\"display:block\"><h3>Dictionary</h3><ol><li>maison</li></ol><ol><li>x</li></ol>"
    "</div></body></html>";

template <class T>
std::shared_ptr<T> findView(const std::shared_ptr<ui::View>& root) {
    if (auto found = std::dynamic_pointer_cast<T>(root)) return found;
    for (const auto& subview : root->subviews())
        if (auto found = findView<T>(subview)) return found;
    return nullptr;
}

class DictionaryPanelTest : public study_aids_test::StudyAidsScreensTest {
  protected:
    void SetUp() override {
        StudyAidsScreensTest::SetUp();
        fnd::Locale::setPreferredLanguages({"en-GB", "fr-FR", "de"});
        server.route("/search", Reply::text(kDefinitions));
        server.route("/translate_t", Reply::text(kTranslation));
    }
    void TearDown() override {
        if (panel) panel->close();
        fnd::URLSession::shared()->setNetworkCheck(nullptr);
        fnd::Locale::resetCurrent();
        StudyAidsScreensTest::TearDown();
    }
    // A new panel for the word, once its reply has come (or failed).
    void open(const std::string& word) {
        if (panel) panel->close();
        panel = ui::make<DictionaryVC>(word);
        settle();
    }
    void settle() {
        ASSERT_TRUE(runUntil([&] { return !panel->dictConnection(); }, 10));
        runFor(0.1);
    }
    // The page the panel's web view shows.
    std::string shown() const {
        auto e = engine();
        return e && e->shown() ? e->shown()->content : std::string();
    }
    // Alerts and sheets show over the window, in the application's interface layer.
    static std::shared_ptr<ui::View> screen() { return ui::Application::shared().screenView(); }
    std::shared_ptr<ui::AlertView> alert() { return findView<ui::AlertView>(screen()); }
    std::size_t dictionaryCards() const {
        auto deck = dictionaryDeck();
        return deck ? deck->flashcards().size() : 0;
    }

    // The shared deck the panel adds to, once it holds cards.
    std::shared_ptr<MDeck> dictionaryDeck() const {
        for (const auto& deck : rep->flashcardsSet()->decks())
            if (deck->ID() == MFlashcards::kFirstSharedID + DictionaryVC::kDictionaryDeckIndex) return deck;
        return nullptr;
    }

    std::shared_ptr<DictionaryVC> panel;
};

TEST_F(DictionaryPanelTest, TheWordsDefinitionsAreShownUnderTheEscapedWord) {
    int opened = 0;
    fnd::NotificationCenter::defaultCenter().addObserver(this, std::string(DictionaryVC::kOpenedTipEvent),
                                                         nullptr,
                                                         [&](const fnd::Notification&) { ++opened; });
    open("caf\u00E9 & <co>");
    fnd::NotificationCenter::defaultCenter().removeObserver(this);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(panel->lang(), "en");
    EXPECT_EQ(panel->langBtn()->title(), "en");
    ASSERT_EQ(server.requestCount(), 1u);
    auto request = server.requests()[0];
    EXPECT_EQ(request.query, "hl=en&sa=G&noj=1&q=caf%C3%A9%20%26%20%3Cco%3E&tbs=dfn:1&tbo=u");
    EXPECT_EQ(request.headers.value("User-Agent"), DictionaryVC::kUserAgent);
    EXPECT_EQ(shown(), panel->htmlText());
    EXPECT_NE(shown().find("<b>caf\u00E9 &amp; &lt;co&gt;</b>"), std::string::npos);
    EXPECT_NE(shown().find("<li>a dwelling</li>"), std::string::npos);
    EXPECT_EQ(shown().find("Web definitions"), std::string::npos);
    EXPECT_FALSE(ui::Application::shared().isNetworkActivityIndicatorVisible());
}

TEST_F(DictionaryPanelTest, RepliesWithoutTheBlockRedirectsAndOtherBytesAreShownAsPages) {
    struct Case {
        const char* what;
        Reply reply;
        const char* expected;
    };
    server.route("/moved", Reply::text(kDefinitions));
    const std::vector<Case> cases{
        {"no block", Reply::text("<html><body>nothing</body></html>"), "<p>Not found</p>"},
        {"redirect", Reply::redirect(server.url("/moved")), "<li>a dwelling</li>"},
        {"latin-1", Reply::text("<div id=\"search\"><p>caf\xE9</p>", "text/html; charset=iso-8859-1"),
         "caf\uFFFD"},
        {"server error", Reply::text("<html>broken</html>", "text/html", 500), "<p>Not found</p>"},
    };
    for (const Case& c : cases) {
        server.route("/search", c.reply);
        open("house");
        EXPECT_NE(shown().find(c.expected), std::string::npos) << c.what << ": " << shown();
        EXPECT_EQ(alert(), nullptr) << c.what;
    }
}

TEST_F(DictionaryPanelTest, ALanguageSwitchDropsTheSlowReplyAndIsKeptForTheNextPanel) {
    auto slow = Reply::text(kDefinitions);
    slow.delay = 0.3;
    server.route("/search", slow);
    auto later = Reply::text(kTranslation);
    later.delay = 0.6;  // the dropped reply would have come first
    server.route("/translate_t", later);
    panel = ui::make<DictionaryVC>("house");
    EXPECT_EQ(panel->currentLangs(), (std::vector<std::string>{"en", "fr"}));
    ASSERT_TRUE(panel->dictConnection());
    panel->changeLanguage(panel->langBtn());
    EXPECT_EQ(rep->dictLanguage(), "fr");
    EXPECT_EQ(panel->langBtn()->title(), "fr");
    settle();
    EXPECT_EQ(engine()->documents().size(), 1u);
    EXPECT_NE(shown().find("<ol><li>maison</li></ol>"), std::string::npos);
    EXPECT_EQ(shown().find("<li>x</li>"), std::string::npos);
    EXPECT_EQ(server.requests().back().query, "tl=fr&sl=en&hl=en&q=house");

    // The next panel opens on French with English as the other language.
    server.route("/translate_t", Reply::text(kTranslation));
    open("house");
    EXPECT_EQ(panel->currentLangs(), (std::vector<std::string>{"fr", "en"}));
    EXPECT_NE(shown().find("maison"), std::string::npos);
}

TEST_F(DictionaryPanelTest, WithoutASecondLanguageTheLanguageKeyDoesNothing) {
    fnd::Locale::setPreferredLanguages({"en-US", "ja-JP"});
    open("house");
    EXPECT_EQ(panel->currentLangs(), (std::vector<std::string>{"en"}));
    EXPECT_FALSE(panel->langBtn()->isEnabled());
    panel->changeLanguage(panel->langBtn());
    EXPECT_EQ(panel->lang(), "en");
    EXPECT_EQ(rep->dictLanguage(), "en");
    EXPECT_EQ(server.requestCount(), 1u);
}

TEST_F(DictionaryPanelTest, WithoutANetworkTheAlertSaysSoAndThePageStays) {
    open("house");
    std::string page = panel->htmlText();
    // The sources now lie at a port where nothing listens, on a machine without a network.
    testing_support::HTTPTestServer other;
    server.stop();
    fnd::URLSession::shared()->setNetworkCheck([] { return false; });
    panel->changeLanguage(panel->langBtn());
    settle();
    auto shownAlert = alert();
    ASSERT_TRUE(shownAlert);
    EXPECT_EQ(shownAlert->title(), "Error Title");
    EXPECT_EQ(shownAlert->message(), "No Connection Error");
    EXPECT_EQ(panel->htmlText(), page);
    EXPECT_TRUE(panel->isShown());
    EXPECT_FALSE(ui::Application::shared().isNetworkActivityIndicatorVisible());
}

TEST_F(DictionaryPanelTest, AddFlashcardAsksFirstAndEachYesAddsTheWordAndItsPage) {
    auto slow = Reply::text(kDefinitions);
    slow.delay = 0.2;
    server.route("/search", slow);
    panel = ui::make<DictionaryVC>("<b>house</b>");
    // Before the first page the key does nothing.
    panel->addFlashcard(nullptr);
    EXPECT_EQ(findView<ui::ActionSheet>(screen()), nullptr);
    settle();
    std::size_t before = dictionaryCards();
    for (int time = 1; time <= 2; ++time) {
        panel->addFlashcard(nullptr);
        runFor(0.5);
        auto sheet = findView<ui::ActionSheet>(screen());
        ASSERT_TRUE(sheet);
        EXPECT_EQ(sheet->title(), DictionaryVC::kSheetTitle);
        tapView(key(sheet, DictionaryVC::kAddTitle));
        runFor(0.5);
        EXPECT_EQ(dictionaryCards(), before + std::size_t(time));
    }
    // Cancel adds nothing.
    panel->addFlashcard(nullptr);
    runFor(0.5);
    tapView(key(findView<ui::ActionSheet>(screen()), DictionaryVC::kCancelTitle));
    runFor(0.5);
    EXPECT_EQ(dictionaryCards(), before + 2);
    auto deck = dictionaryDeck();
    ASSERT_TRUE(deck);
    EXPECT_EQ(deck->title(), "Dictionary");
    EXPECT_EQ(deck->flashcards().back()->question(), "&lt;b&gt;house&lt;/b&gt;");
    EXPECT_EQ(deck->flashcards().back()->answer(), panel->htmlText());
}

TEST_F(DictionaryPanelTest, TheTabletsPanelDocksAtTheLowerRight) {
    start(ui::Idiom::Tablet);
    open("house");
    ui::Rect home = this->home->view()->bounds();
    EXPECT_EQ(panel->view()->frame().maxX(), home.size.width - SliddenViewController::kDockMargin);
    EXPECT_EQ(panel->view()->frame().maxY(), home.size.height - DictionaryVC::kTabletAdjustment);
}

// A screen with a page on which the user selected a word.
class Reader : public CommonViewController {
  public:
    void loadView() override {
        setView(ui::make<ui::View>(ui::Rect{0, 0, 320, 460}));
        page = ui::make<ui::WebView>(ui::Rect{0, 0, 320, 400});
        view()->addSubview(page);
    }
    void animation() override {}
    void outAnimation() override {}
    std::shared_ptr<ui::WebView> page;
};

TEST_F(DictionaryPanelTest, TheEditMenusDictionaryOpensThePanelOnTheSelectedWord) {
    auto reader = ui::make<Reader>();
    home->view()->addSubview(reader->view());
    reader->page->loadHTMLString("<p>a house</p>", fnd::URL());
    runFor(0.1);
    engine()->select("house");
    engine()->answer("window.getSelection().toString()", "house");
    reader->openDictionary(nullptr);
    auto opened = std::dynamic_pointer_cast<DictionaryVC>(reader->dictionaryVC());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->word(), "house");
    EXPECT_EQ(reader->mainChild(), opened);
    ASSERT_TRUE(runUntil([&] { return !opened->dictConnection(); }, 10));
    tapView(key(opened->view(), "Done"));
    runFor(0.5);
    EXPECT_EQ(reader->dictionaryVC(), nullptr);
    EXPECT_FALSE(opened->isShown());
    reader->close();
}

}  // namespace
