// The flashcard-sharing service's search and import, against a local stand-in for the service: the
// add sheet's offer, the request as sent, the page keys, error and unreadable replies that leave
// the list as it was, a refused connection, a slow request cancelled from the overlay, and the
// import of two sets in one visit with their pictures fetched by one worker.

#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>

#include "Classes/core/LoadingVC.h"
#include "Classes/flashcards/CardsEditVC.h"
#include "Classes/flashcards/DeckAddVC.h"
#include "Classes/flashcards/DeckChooseVC.h"
#include "Classes/flashcards/DeckEditVC.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/flashcards/MQuizletDeck.h"
#include "Classes/flashcards/MQuizletResponse.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/URLSession.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/Window.h"
#include "tests/Classes/flashcards/FlashcardsScreensSupport.h"
#include "tests/Classes/flashcards/FlashcardsTestSupport.h"
#include "tests/support/HTTPTestServer.h"

namespace fs = std::filesystem;

namespace flashcards_test {
namespace {

using testing_support::findByText;
using Reply = testing_support::HTTPTestServer::Reply;

class FlashcardServiceTest : public FlashcardsScreensTest {
  protected:
    void SetUp() override {
        FlashcardsScreensTest::SetUp();
        server.route(FlashcardService::kSearchPath,
                     [this](const testing_support::HTTPTestServer::Request& r) {
                         std::lock_guard lock(mutex);
                         if (next) return *std::exchange(next, std::nullopt);
                         auto at = r.query.find("&page=");
                         std::string page = r.query.substr(at + 6, r.query.find('&', at + 1) - at - 6);
                         return Reply::text(fixture("page" + page + ".json"), "application/json");
                     });
        for (const char* name : {"median", "first", "second"})
            server.route(std::string("/pictures/") + name + ".png",
                         Reply::text(fixture(std::string("pictures/") + name + ".png"), "image/png"));
        previousSink = fnd::Log::setSink([this](fnd::Log::Level, std::string_view line) {
            std::lock_guard lock(mutex);
            logged.emplace_back(line);
        });
        fnd::NotificationCenter::defaultCenter().addObserver(
            this, std::string(DeckChooseVC::kSearchedTipEvent), nullptr,
            [this](const fnd::Notification&) { ++tips; });
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(this);
        chooser.reset();
        fnd::Thread::waitUntilIdle(10);
        fnd::Log::setSink(previousSink);
        FlashcardsScreensTest::TearDown();
    }

    // A fixture of the service with the local server's address in place of its placeholder.
    std::string fixture(const std::string& name) {
        std::ifstream in(std::string(ORVA_FIXTURES) + "/flashcard_service/" + name, std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string base = server.url("");
        for (auto at = text.find("{{SERVER}}"); at != std::string::npos; at = text.find("{{SERVER}}", at))
            text.replace(at, 10, base);
        return text;
    }
    // The next search is answered so, whatever page it asks for.
    void answerNext(Reply reply) {
        std::lock_guard lock(mutex);
        next = std::move(reply);
    }

    // The tool, its add sheet and the sheet's search.
    void openSearch(ui::Idiom idiom = ui::Idiom::Phone) {
        start(idiom);
        openTool();
        list->setFlashcardServiceAddress(server.url("/"));
        list->addDeck(nullptr);
        runFor(0.5);
        auto offer = findByText(application().screenView(), FlashcardsVC::kAddQuizletDeckTitle);
        ASSERT_TRUE(offer);
        testing_support::tap(*offer);
        runFor(1);
        chooser = list->deckChooseVC();
        ASSERT_TRUE(chooser);
    }
    void search(const std::string& text) {
        chooser->searchBar()->setText(text);
        chooser->searchBarSearchButtonClicked(*chooser->searchBar());
    }
    void awaitReply() {
        ASSERT_TRUE(runUntil([this] { return !chooser->urlConnection(); }, 20));
        runFor(0.5);
    }
    void tapItem(const std::shared_ptr<ui::Toolbar>& bar, const std::shared_ptr<ui::BarButtonItem>& item) {
        auto key = bar->viewForItem(item.get());
        ASSERT_TRUE(key);
        testing_support::tap(*key);
    }
    std::shared_ptr<ui::TableViewCell> row(int index) {
        chooser->decksTableView()->scrollToRow({0, index}, ui::TableViewScrollPosition::Top, false);
        return chooser->decksTableView()->cellForRow({0, index});
    }
    std::string text(int index, int tag) {
        auto label = std::dynamic_pointer_cast<ui::Label>(row(index)->viewWithTag(tag));
        return label ? label->text() : "no label";
    }
    // What the list and the page bar show.
    struct Shown {
        int rows;
        std::string label;
        bool previous, next;
        bool operator==(const Shown&) const = default;
    };
    Shown shown() {
        return {chooser->decksTableView()->numberOfRows(0), chooser->pageNumberLbl()->text(),
                chooser->previousPageBtn()->isEnabled(), chooser->nextPageBtn()->isEnabled()};
    }
    std::shared_ptr<DeckAddVC> choose(int index) {
        chooser->didSelectRow(*chooser->decksTableView(), {0, index});
        runFor(1);
        return chooser->deckAddVC();
    }
    std::vector<std::string> requestedTargets() {
        std::vector<std::string> targets;
        for (const auto& r : server.requests())
            if (r.path == FlashcardService::kSearchPath) targets.push_back(r.target);
        return targets;
    }
    void settlePictures() {
        ASSERT_TRUE(runUntil([] { return fnd::Thread::runningCount() == 0; }, 20));
        runFor(0.1);
    }

    testing_support::HTTPTestServer server;
    std::mutex mutex;
    std::optional<Reply> next;
    fnd::Log::Sink previousSink;
    std::vector<std::string> logged;
    int tips = 0;
    std::shared_ptr<DeckChooseVC> chooser;
};

TEST_F(FlashcardServiceTest, TheAddSheetOffersTheSearchOnlyWithAUsableAddress) {
    start();
    openTool();
    for (const char* address : {"", "ftp://127.0.0.1/", "127.0.0.1"}) {
        list->setFlashcardServiceAddress(address);
        list->addDeck(nullptr);
        runFor(0.5);
        EXPECT_FALSE(findByText(application().screenView(), FlashcardsVC::kAddQuizletDeckTitle)) << address;
        testing_support::tap(*findByText(application().screenView(), "Cancel"));
        runFor(0.5);
        list->addQuizletsDeck();
        EXPECT_FALSE(list->deckChooseVC());
    }
}

TEST_F(FlashcardServiceTest, TheBadgeLinksToTheServiceOutsideTheProgram) {
    openSearch();
    std::vector<std::string> opened;
    application().setOnOpenURL([&](const std::string& address) { opened.push_back(address); });
    auto badge = chooser->quizletBadgeWebView();
    EXPECT_EQ(badge->backgroundColor(), ui::Color::clear());
    const std::string link = server.url("/");
    fnd::URLRequest tap{fnd::URL(link)};
    EXPECT_FALSE(chooser->webViewShouldStartLoad(*badge, tap, fnd::URLRequest::NavigationType::LinkClicked));
    fnd::URLRequest script{fnd::URL("javascript:alert(1)")};
    EXPECT_FALSE(
        chooser->webViewShouldStartLoad(*badge, script, fnd::URLRequest::NavigationType::LinkClicked));
    EXPECT_EQ(opened, std::vector<std::string>{link});  // only web addresses leave the program
    EXPECT_NE(FlashcardService::badgePage(server.url("")).find("alt=\"Quizlet\""), std::string::npos);
    application().setOnOpenURL(nullptr);
}

TEST_F(FlashcardServiceTest, ASearchSendsItsTextByteForByteAndListsTheFirstPage) {
    openSearch();
    EXPECT_FALSE(chooser->isInResultsMode());
    EXPECT_TRUE(chooser->returnToResultsBtn()->isHidden());
    EXPECT_FALSE(chooser->searchBar()->isHidden());
    EXPECT_TRUE(chooser->decksTableView()->isHidden());
    EXPECT_EQ(chooser->cancelBtn()->title(), "Cancel");

    search("rates & ratios + 10# caf\u00E9");
    EXPECT_EQ(chooser->resultsText(), FlashcardService::kSentText);
    ASSERT_TRUE(chooser->loadingVC());
    EXPECT_EQ(chooser->loadingVC()->label()->text(), "Accessing Quizlet...");
    awaitReply();
    EXPECT_EQ(requestedTargets(),
              std::vector<std::string>{"/1.0/sets?dev_key=QwLmTzRkVbNpHsXc&q=rates%20%26%20ratios%20"
                                       "%2B%2010%23%20caf%C3%A9&page=1&extended=on"});
    EXPECT_EQ(server.requests()[0].method, "GET");
    EXPECT_EQ(tips, 1);
    EXPECT_FALSE(chooser->loadingVC());

    EXPECT_TRUE(chooser->isInResultsMode());
    EXPECT_TRUE(chooser->searchBar()->isHidden());
    EXPECT_TRUE(chooser->quizletBadgeWebView()->isHidden());
    EXPECT_FALSE(chooser->decksTableView()->isHidden());
    EXPECT_FALSE(chooser->bottomToolB()->isHidden());
    EXPECT_EQ(shown(), (Shown{3, "Page 1 of 3", false, true}));
    EXPECT_EQ(text(0, DeckChooseVC::kTitleTag), "Statistics vocabulary");
    EXPECT_EQ(text(0, DeckChooseVC::kTermCountTag), "4");
    EXPECT_EQ(text(0, DeckChooseVC::kIdentifierTag), "ID: 4101");
    EXPECT_EQ(text(0, DeckChooseVC::kCreatorTag), "by mira_k");
    EXPECT_FALSE(row(0)->viewWithTag(DeckChooseVC::kImagesMarkTag)->isHidden());
    EXPECT_TRUE(row(0)->viewWithTag(DeckChooseVC::kImportedMarkTag)->isHidden());
    EXPECT_EQ(text(1, DeckChooseVC::kCreatorTag), "");  // no creator
    EXPECT_EQ(text(1, DeckChooseVC::kDescriptionTag), "");
    EXPECT_TRUE(row(1)->viewWithTag(DeckChooseVC::kImagesMarkTag)->isHidden());

    // The search key brings the search back with the key to the results.
    tapItem(chooser->bottomToolB(), chooser->searchBtn());
    EXPECT_FALSE(chooser->isInResultsMode());
    EXPECT_FALSE(chooser->returnToResultsBtn()->isHidden());
    testing_support::tap(*chooser->returnToResultsBtn());
    EXPECT_TRUE(chooser->isInResultsMode());
}

TEST_F(FlashcardServiceTest, PageKeysGoOnAndBackWithinThePages) {
    openSearch();
    search("algebra");
    awaitReply();
    tapItem(chooser->bottomToolB(), chooser->nextPageBtn());
    awaitReply();
    EXPECT_EQ(shown(), (Shown{3, "Page 2 of 3", true, true}));
    tapItem(chooser->bottomToolB(), chooser->nextPageBtn());
    awaitReply();
    EXPECT_EQ(shown(), (Shown{1, "Page 3 of 3", true, false}));
    chooser->nextPage(chooser->nextPageBtn());  // beyond the last page: nothing is sent
    tapItem(chooser->bottomToolB(), chooser->previousPageBtn());
    awaitReply();
    EXPECT_EQ(shown(), (Shown{3, "Page 2 of 3", true, true}));
    auto targets = requestedTargets();
    ASSERT_EQ(targets.size(), 4u);
    EXPECT_TRUE(targets[3].ends_with("q=algebra&page=2&extended=on"));

    answerNext(Reply::text(fixture("no-results.json"), "application/json"));
    search("zzz");
    awaitReply();
    EXPECT_EQ(shown(), (Shown{0, "Page 1 of 0", false, false}));
    chooser->nextPage(chooser->previousPageBtn());
    chooser->nextPage(chooser->nextPageBtn());
    EXPECT_FALSE(chooser->urlConnection());
}

TEST_F(FlashcardServiceTest, AnErrorReplyShowsItsEscapedTextsAndTheListStays) {
    openSearch();
    search("algebra");
    awaitReply();
    const Shown before = shown();
    auto errorText = FlashcardService::resultsText(*MQuizletResponse::fromReply(fixture("error.json")));
    for (int status : {200, 400}) {
        answerNext(Reply::text(fixture("error.json"), "application/json", status));
        search("a");
        awaitReply();
        EXPECT_EQ(chooser->resultsText(), errorText) << status;
        EXPECT_EQ(chooser->resultsText().find("<script"), std::string::npos);
        EXPECT_EQ(shown(), before);
        EXPECT_EQ(text(0, DeckChooseVC::kTitleTag), "Statistics vocabulary");
    }
    EXPECT_EQ(tips, 3);
}

TEST_F(FlashcardServiceTest, RepliesThatAreNoSearchReplySaySoAndTheListStays) {
    openSearch();
    search("algebra");
    awaitReply();
    const Shown before = shown();
    const struct {
        const char* what;
        Reply reply;
        const char* text;
    } cases[] = {
        {"malformed", Reply::text("{\"sets\": [", "application/json"), FlashcardService::kUnreadableText},
        {"empty", Reply::text("", "application/json"), FlashcardService::kUnreadableText},
        {"not an object", Reply::text("[{\"id\": 1}]", "application/json"),
         FlashcardService::kUnreadableText},
        {"an error status without the error object",
         Reply::text(fixture("page2.json"), "application/json", 503), FlashcardService::kUnreadableText},
        {"over the loader's cap", Reply::text(std::string(fnd::URLSession::kDefaultMaximumBodySize + 1, ' ')),
         FlashcardService::kFailedText},
        {"cut short",
         [] {
             Reply cut = Reply::text(std::string(4000, ' '));
             cut.cutAfter = 100;
             return cut;
         }(),
         FlashcardService::kFailedText},
    };
    for (const auto& c : cases) {
        answerNext(c.reply);
        tapItem(chooser->bottomToolB(), chooser->nextPageBtn());
        awaitReply();
        EXPECT_EQ(chooser->resultsText(), c.text) << c.what;
        EXPECT_EQ(shown(), before) << c.what;
        EXPECT_EQ(chooser->response()->page(), 1u) << c.what;
        // The text is shown in search mode, with the way back to the results.
        EXPECT_FALSE(chooser->isInResultsMode()) << c.what;
        EXPECT_FALSE(chooser->returnToResultsBtn()->isHidden()) << c.what;
        testing_support::tap(*chooser->returnToResultsBtn());
    }
}

TEST_F(FlashcardServiceTest, ARefusedConnectionSaysItFailed) {
    start();
    openTool();
    chooser = ui::make<DeckChooseVC>(rep->flashcardsSet(), 27000,
                                     "http://127.0.0.1:" + std::to_string(server.unusedPort()));
    runFor(1);
    search("algebra");
    awaitReply();
    EXPECT_EQ(chooser->resultsText(), FlashcardService::kFailedText);
    EXPECT_FALSE(chooser->loadingVC());
    EXPECT_FALSE(chooser->response());
    EXPECT_EQ(tips, 0);
    chooser->close();
}

TEST_F(FlashcardServiceTest, ASlowRequestIsCancelledFromTheOverlay) {
    openSearch();
    Reply slow = Reply::text(fixture("page1.json"), "application/json");
    slow.delay = 30;
    answerNext(slow);
    search("algebra");
    ASSERT_TRUE(runUntil([this] { return server.requestCount() == 1; }, 10));
    ASSERT_TRUE(chooser->loadingVC());
    testing_support::tap(*chooser->loadingVC()->cancelBtn());
    runFor(1);
    EXPECT_FALSE(chooser->loadingVC());
    EXPECT_FALSE(chooser->urlConnection());
    EXPECT_EQ(chooser->resultsText(), FlashcardService::kCancelledText);
    EXPECT_FALSE(chooser->response());
    EXPECT_EQ(tips, 0);
    // The screen answers again at once.
    search("algebra");
    awaitReply();
    EXPECT_EQ(shown(), (Shown{3, "Page 1 of 3", false, true}));
}

TEST_F(FlashcardServiceTest, TwoSetsImportedInOneVisitTakeTheNextIdentifiersAndTheirPictures) {
    openSearch();
    auto set = rep->flashcardsSet();
    set->setLastID_forQuizletDeck(27000);
    std::size_t listed = set->decks().size();
    search("statistics");
    awaitReply();

    auto preview = choose(0);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->numberOfRows(*preview->cardsTableView, 0), 4);
    auto previewRow = preview->cardsTableView->cellForRow({0, 2});
    EXPECT_EQ(std::dynamic_pointer_cast<ui::Label>(previewRow->viewWithTag(CardListVC::kQuestionTag))->text(),
              "Mode");
    EXPECT_EQ(std::dynamic_pointer_cast<ui::Label>(previewRow->viewWithTag(CardListVC::kAnswerTag))->text(),
              "");
    EXPECT_EQ(preview->editDeckInfoBtn()->width(), 320 - DeckAddVC::kEditInfoMargin);

    // The title changed in the deck editor, then the deck added.
    tapItem(preview->bottomToolB, preview->editDeckInfoBtn());
    runFor(1);
    ASSERT_TRUE(preview->deckEditVC());
    preview->deckEditVC()->titleTextField->setText("Data words");
    preview->deckEditVC()->done(preview->deckEditVC()->createConfirmBtn());
    runFor(1);
    tapItem(preview->toolB(), preview->addDeckBtn());
    ASSERT_EQ(set->decks().size(), listed + 1);
    auto first = std::dynamic_pointer_cast<MQuizletDeck>(set->decks().back());
    ASSERT_TRUE(first);
    // The worker writes the file; the card takes the picture only when the main thread runs.
    const auto& cards = first->flashcards();
    ASSERT_TRUE(fnd::Thread::waitUntilIdle(20));
    fs::path file = documents / "FlashcardsImage_27001_1.jpg";
    EXPECT_TRUE(fs::exists(file));
    EXPECT_FALSE(cards[0]->imageIsStoredLocally());
    EXPECT_FALSE(cards[0]->image());
    runFor(1);
    EXPECT_EQ(first->ID(), 27001u);
    EXPECT_EQ(first->title(), "Data words");
    EXPECT_EQ(first->faceStyleIndex(), 1u);  // a deck with pictures steps to its next face look
    EXPECT_EQ(chooser->cancelBtn()->title(), "Confirm");
    EXPECT_FALSE(row(0)->viewWithTag(DeckChooseVC::kImportedMarkTag)->isHidden());
    EXPECT_EQ(chooser->deck()->ID(), 27002u);
    EXPECT_TRUE(cards[0]->imageIsStoredLocally());
    EXPECT_EQ(cards[0]->pathToImageFile(), file.string());
    ASSERT_TRUE(cards[0]->image());
    EXPECT_EQ(cards[0]->image()->size().width, 12);
    for (int i : {1, 2, 3}) EXPECT_FALSE(cards[std::size_t(i)]->imageURL()) << i;

    // A second set in the same visit takes the next identifier.
    ASSERT_TRUE(choose(2));
    tapItem(chooser->deckAddVC()->toolB(), chooser->deckAddVC()->addDeckBtn());
    runFor(1);
    settlePictures();
    auto second = std::dynamic_pointer_cast<MQuizletDeck>(set->decks().back());
    EXPECT_EQ(second->ID(), 27002u);
    EXPECT_EQ(second->quizletsID(), 4103u);
    EXPECT_FALSE(second->flashcards()[0]->imageURL());  // a relative address
    EXPECT_TRUE(fs::exists(documents / "FlashcardsImage_27002_2.jpg"));
    EXPECT_EQ(second->flashcards()[1]->image()->size().width, 10);
    EXPECT_EQ(set->lastID_forQuizletDeck(), 27002u);  // raised as each deck was added

    tapItem(chooser->toolB(), chooser->cancelBtn());
    runFor(1);
    EXPECT_FALSE(list->deckChooseVC());
    EXPECT_EQ(list->numberOfRowsInSection(), int(listed + 2));
    EXPECT_EQ(set->lastID_forQuizletDeck(), 27002u);

    // The archive keeps the set numbers in the decks' own entries.
    fnd::ArchiveDictionary history;
    set->fillHistoryDictionary(history);
    EXPECT_TRUE(history.count(MQuizletDeck::addonKey(27001)));
    auto restarted = restart(set);
    auto restored = std::dynamic_pointer_cast<MQuizletDeck>(restarted->deckWithID(27002));
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->quizletsID(), 4103u);
    EXPECT_EQ(restored->flashcards().size(), 2u);
    EXPECT_EQ(restarted->lastID_forQuizletDeck(), 27002u);
}

TEST_F(FlashcardServiceTest, ACancelledPreviewAddsNothing) {
    openSearch();
    auto set = rep->flashcardsSet();
    auto decks = set->decks();
    std::uint32_t counter = set->lastID_forQuizletDeck();
    search("statistics");
    awaitReply();
    auto preview = choose(1);
    ASSERT_TRUE(preview);
    preview->done(nullptr);  // another sender does nothing
    runFor(1);
    ASSERT_EQ(chooser->deckAddVC(), preview);
    tapItem(preview->toolB(), preview->cancelBtn());
    runFor(1);
    EXPECT_FALSE(chooser->deckAddVC());
    EXPECT_EQ(set->decks(), decks);
    EXPECT_EQ(chooser->cancelBtn()->title(), "Cancel");
    EXPECT_EQ(chooser->deck()->ID(), counter + 1);  // the same deck waits for the next choice
    chooser->done(nullptr);
    runFor(1);
    EXPECT_EQ(set->lastID_forQuizletDeck(), counter);
    EXPECT_EQ(set->decks(), decks);
}

TEST_F(FlashcardServiceTest, ADeckDeletedWhileItsPicturesLoadLeavesNoFile) {
    openSearch();
    std::mutex gate;
    std::condition_variable opened;
    bool open = false;
    server.route("/pictures/median.png", [&](const testing_support::HTTPTestServer::Request&) {
        std::unique_lock lock(gate);
        opened.wait(lock, [&] { return open; });
        return Reply::text(fixture("pictures/median.png"), "image/png");
    });
    search("statistics");
    awaitReply();
    ASSERT_TRUE(choose(0));
    tapItem(chooser->deckAddVC()->toolB(), chooser->deckAddVC()->addDeckBtn());
    runFor(1);
    auto deck = std::dynamic_pointer_cast<MQuizletDeck>(rep->flashcardsSet()->decks().back());
    ASSERT_TRUE(runUntil([this] { return server.requestCount() == 2; }, 10));  // the search, the picture

    // The deck is deleted from its card list while the worker waits for the picture.
    tapItem(chooser->toolB(), chooser->cancelBtn());
    runFor(1);
    list->edit(nullptr);
    list->editDeck(int(rep->flashcardsSet()->decks().size()) - 1);
    runFor(1);
    ASSERT_TRUE(list->cardsEditVC());
    list->cardsEditVC()->deleteTheDeck(nullptr);
    runFor(0.5);
    auto question = findByText(application().screenView(), CardsEditVC::kDeleteDeckTitle);
    ASSERT_TRUE(question);
    testing_support::tap(*findByText(question->superview(), "Delete"));
    runFor(1);
    EXPECT_NE(rep->flashcardsSet()->decks().back(), deck);
    {
        std::lock_guard lock(gate);
        open = true;
    }
    opened.notify_all();
    settlePictures();
    EXPECT_FALSE(fs::exists(documents / "FlashcardsImage_27001_1.jpg"));
    EXPECT_FALSE(deck->flashcards()[0]->image());
    EXPECT_EQ(server.requestCount(), 2u);
}

TEST_F(FlashcardServiceTest, APictureThatCannotBeFetchedIsLoggedAndTheDeckComesWhole) {
    openSearch();
    server.route("/pictures/median.png", Reply::text("not a picture", "image/png"));
    search("statistics");
    awaitReply();
    ASSERT_TRUE(choose(0));
    tapItem(chooser->deckAddVC()->toolB(), chooser->deckAddVC()->addDeckBtn());
    runFor(1);
    settlePictures();
    auto deck = rep->flashcardsSet()->decks().back();
    EXPECT_EQ(deck->flashcards().size(), 4u);
    EXPECT_FALSE(deck->flashcards()[0]->image());
    std::lock_guard lock(mutex);
    EXPECT_NE(std::find(logged.begin(), logged.end(),
                        "Can't open file " + server.url("/pictures/median.png") + ". "),
              logged.end());
}

TEST_F(FlashcardServiceTest, OnTheTabletThePreviewOpensTheTabletEditorAndItsKeyFollowsTheWindow) {
    openSearch(ui::Idiom::Tablet);
    search("statistics");
    awaitReply();
    auto preview = choose(0);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->editDeckInfoBtn()->width(), 768 - DeckAddVC::kEditInfoMargin);
    application().deviceDidRotate(ui::DeviceOrientation::LandscapeLeft);
    runFor(1);
    EXPECT_EQ(preview->editDeckInfoBtn()->width(), 1024 - DeckAddVC::kEditInfoMargin);
    preview->editDeckInfo(nullptr);
    runFor(1);
    EXPECT_TRUE(std::dynamic_pointer_cast<DeckEditVC_iPad>(preview->deckEditVC()));
}

}  // namespace
}  // namespace flashcards_test
