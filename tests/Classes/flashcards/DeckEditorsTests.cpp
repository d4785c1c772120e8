// The deck and card editors: a new deck created or cancelled, the looks stepped on their previews
// and restored by Cancel, shared decks kept as they are, card identifiers that never repeat, cards
// without a question refused, and a deleted deck taking its picture files with it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Classes/flashcards/CardEditVC.h"
#include "Classes/flashcards/CardView.h"
#include "Classes/flashcards/CardsEditVC.h"
#include "Classes/flashcards/DeckEditVC.h"
#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/flashcards/MFlashcardsFiles.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/WebView.h"
#include "tests/Classes/flashcards/FlashcardsScreensSupport.h"

namespace flashcards_test {
namespace {

using testing_support::findByText;

class DeckEditorsTest : public FlashcardsScreensTest {
  protected:
    void SetUp() override {
        FlashcardsScreensTest::SetUp();
        fnd::NotificationCenter::defaultCenter().addObserver(
            this, std::string(CardEditVC::kCardCreatedTipEvent), nullptr,
            [this](const fnd::Notification&) { ++tips; });
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(this);
        FlashcardsScreensTest::TearDown();
    }
    std::shared_ptr<CardsEditVC> openCards(const std::shared_ptr<MDeck>& deck) {
        auto& decks = rep->flashcardsSet()->decks();
        int row = int(std::find(decks.begin(), decks.end(), deck) - decks.begin());
        list->editDeck(row);
        runFor(1);
        return list->cardsEditVC();
    }
    bool alertShows(const std::string& title) {
        return findByText(application().screenView(), title) != nullptr;
    }
    void dismissAlert() {
        testing_support::tap(*findByText(application().screenView(), "OK"));
        runFor(0.5);
    }
    int tips = 0;
};

TEST_F(DeckEditorsTest, ANewDeckNeedsATitleAndCancelLeavesTheListAsItWas) {
    start();
    openTool();
    auto set = rep->flashcardsSet();
    std::size_t before = set->decks().size();
    list->addCustomDeck();
    runFor(1);
    auto editor = list->deckEditVC();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->createConfirmBtn()->title(), "Create");
    editor->done(editor->cancelBtn());
    runFor(1);
    EXPECT_EQ(set->decks().size(), before);
    EXPECT_EQ(set->lastID_forCustomDeck(), 3u);

    list->addCustomDeck();
    runFor(1);
    editor = list->deckEditVC();
    editor->done(editor->createConfirmBtn());
    EXPECT_TRUE(alertShows("Please enter the title"));
    EXPECT_TRUE(alertShows("Enter Title"));
    dismissAlert();
    EXPECT_EQ(list->deckEditVC(), editor);
    // Return and a line feed end the input without inserting anything.
    EXPECT_FALSE(editor->textFieldShouldReturn(*editor->titleTextField));
    EXPECT_FALSE(editor->textViewShouldChangeText(*editor->descriptionTextView, {0, 0}, "\n"));
    EXPECT_TRUE(editor->textViewShouldChangeText(*editor->descriptionTextView, {0, 0}, "a"));
    editor->creatorTextField->setText("Me");
    editor->titleTextField->setText("   ");  // spaces are a title
    editor->descriptionTextView->setText("Rates and work");
    editor->keywordsTextView->setText("rate, work");
    editor->done(editor->createConfirmBtn());
    runFor(1);
    ASSERT_EQ(set->decks().size(), before + 1);
    const auto& deck = set->decks().back();
    EXPECT_EQ(deck->ID(), 4u);
    EXPECT_EQ(deck->creator(), "Me");
    EXPECT_EQ(deck->title(), "   ");
    EXPECT_EQ(deck->description(), "Rates and work");
    EXPECT_EQ(deck->keywords().size(), 2u);
    EXPECT_TRUE(deck->dateOfCreation());
    EXPECT_EQ(set->lastID_forCustomDeck(), 4u);
}

TEST_F(DeckEditorsTest, StyleKeysStepTheLooksOnTheirPreviewsAndCancelRestoresThem) {
    start();
    auto deck = addDeck(2);
    deck->setBackStyleIndex(1);
    deck->setTheStyle();
    openTool();
    auto cards = openCards(deck);
    ASSERT_TRUE(cards);
    cards->editDeckInfo(nullptr);
    runFor(1);
    auto editor = cards->deckEditVC();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->createConfirmBtn()->title(), "Confirm");
    ASSERT_TRUE(editor->faceCardView());
    EXPECT_EQ(editor->faceCardView()->superview(), editor->faceStyleBtn);
    EXPECT_EQ(editor->backCardView()->superview(), editor->backStyleBtn);
    EXPECT_DOUBLE_EQ(editor->faceCardView()->transform().a, 0.275);
    EXPECT_EQ(editor->faceCardView()->frame().origin, (ui::Point{0, 0}));
    EXPECT_FALSE(editor->faceCardView()->isUserInteractionEnabled());
    EXPECT_TRUE(editor->faceCardView()->webView()->inertContent());

    tapKey(editor->faceStyleBtn);
    EXPECT_EQ(deck->faceStyleIndex(), 1u);
    EXPECT_EQ(deck->style(), deck->styles()[deck->styleIndex()]);
    tapKey(editor->faceStyleBtn);
    EXPECT_EQ(deck->faceStyleIndex(), 0u);  // two looks: back to the first
    tapKey(editor->backStyleBtn);
    EXPECT_EQ(deck->backStyleIndex(), 2u);
    auto changed = deck->style();
    editor->done(editor->cancelBtn());
    runFor(1);
    EXPECT_EQ(deck->faceStyleIndex(), 0u);
    EXPECT_EQ(deck->backStyleIndex(), 1u);
    EXPECT_NE(deck->style(), changed);
    EXPECT_EQ(deck->style(), deck->styles()[deck->styleIndex()]);
    EXPECT_FALSE(cards->deckEditVC());
}

TEST_F(DeckEditorsTest, SharedDecksKeepTheirLookAndCannotLoseOrGainCards) {
    start();
    auto set = rep->flashcardsSet();
    auto shared = set->addSharedDeckWithID(MFlashcards::kFirstSharedID);
    ASSERT_TRUE(shared);
    shared->flashcards().push_back(std::make_shared<MFlashcard>(1, "Q", "A", nullptr));
    openTool();
    auto cards = openCards(shared);
    ASSERT_TRUE(cards);
    ASSERT_EQ(cards->toolB()->items().size(), 1u);      // done only
    EXPECT_EQ(cards->bottomToolB->items().size(), 1u);  // the deck's information only
    cards->addCard(nullptr);
    EXPECT_EQ(shared->flashcards().size(), 1u);
    cards->editDeckInfo(nullptr);
    runFor(1);
    auto editor = cards->deckEditVC();
    ASSERT_TRUE(editor);
    EXPECT_FALSE(editor->faceStyleBtn->isEnabled());
    EXPECT_FALSE(editor->backStyleBtn->isEnabled());
    EXPECT_TRUE(editor->faceStyleBtn->subviews().empty() ||
                editor->faceCardView()->superview() != editor->faceStyleBtn);
}

TEST_F(DeckEditorsTest, CardIdentifiersNeverRepeatAndCardsNeedAQuestion) {
    start();
    auto deck = addDeck(3);
    openTool();
    auto cards = openCards(deck);
    ASSERT_TRUE(cards);
    EXPECT_TRUE(cards->cardsTableView->isEditing());
    cards->commitEditingStyle(*cards->cardsTableView, ui::TableViewCellEditingStyle::Delete, {0, 1});
    ASSERT_EQ(deck->flashcards().size(), 2u);
    cards->moveRow(*cards->cardsTableView, {0, 1}, {0, 0});
    EXPECT_EQ(deck->flashcards()[0]->ID(), 3u);

    // Added and cancelled: the deck keeps the cards it had.
    cards->addCard(nullptr);
    runFor(1);
    auto editor = cards->cardEditVC();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->card()->ID(), 4u);
    EXPECT_EQ(editor->idLabel->text(), "ID: 4");
    EXPECT_EQ(editor->createConfirmBtn()->title(), "Create");
    editor->done(editor->cancelBtn());
    runFor(1);
    EXPECT_EQ(deck->flashcards().size(), 2u);

    cards->addCard(nullptr);
    runFor(1);
    editor = cards->cardEditVC();
    EXPECT_EQ(editor->card()->ID(), 4u);
    editor->done(editor->createConfirmBtn());
    EXPECT_TRUE(alertShows("Please enter the question"));
    dismissAlert();
    EXPECT_EQ(tips, 0);
    editor->questionTextView->setText("What is 3/4 of 20?");
    editor->done(editor->createConfirmBtn());
    runFor(1);
    EXPECT_EQ(tips, 1);
    ASSERT_EQ(deck->flashcards().size(), 3u);
    EXPECT_EQ(deck->flashcards().back()->question(), "What is 3/4 of 20?");
    EXPECT_FALSE(deck->flashcards().back()->answer());  // one-sided: it will not turn over
    EXPECT_EQ(cards->numberOfRows(*cards->cardsTableView, 0), 3);

    // Edited: "Confirm", the tip event again.
    cards->editCard(0);
    runFor(1);
    editor = cards->cardEditVC();
    EXPECT_EQ(editor->createConfirmBtn()->title(), "Confirm");
    editor->answerTextView->setText("15");
    editor->done(editor->createConfirmBtn());
    runFor(1);
    EXPECT_EQ(deck->flashcards()[0]->answer(), "15");
    EXPECT_EQ(tips, 2);
}

TEST_F(DeckEditorsTest, EditingTheAnswerKeepsTheQuestionInSightOnThePhone) {
    start();
    auto deck = addDeck(1);
    openTool();
    auto cards = openCards(deck);
    ASSERT_TRUE(cards);
    cards->editCard(0);
    runFor(1);
    auto editor = cards->cardEditVC();
    ASSERT_TRUE(editor);
    // The display draws no on-screen keyboard: the form keeps both boxes in sight, and does not
    // scroll the question away to make room for one.
    for (const auto& box : {editor->answerTextView, editor->questionTextView}) {
        testing_support::tap(*box);
        runFor(1);
        auto form = editor->generalScrollView;
        double offset = form->contentOffset().y;
        for (const auto& shown : {editor->questionTextView, editor->answerTextView}) {
            EXPECT_GE(shown->frame().minY() - offset, 0) << shown->text();
            EXPECT_LE(shown->frame().maxY() - offset, form->bounds().height()) << shown->text();
        }
    }
}

TEST_F(DeckEditorsTest, ADeletedDeckTakesItsPictureFilesAndItsRow) {
    start();
    auto deck = addDeck(2);
    auto file = fnd::Paths::documents() / MFlashcardsFiles::imageFileName(4, 1);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "picture";
    deck->flashcards()[0]->setPathToImageFile(file.string());
    deck->flashcards()[0]->setImageIsStoredLocally(true);
    openTool();
    std::size_t before = rep->flashcardsSet()->decks().size();
    auto cards = openCards(deck);
    ASSERT_TRUE(cards);
    cards->deleteTheDeck(nullptr);
    runFor(0.5);
    auto title = findByText(application().screenView(), CardsEditVC::kDeleteDeckTitle);
    ASSERT_TRUE(title);
    testing_support::tap(*findByText(title->superview(), "Delete"));
    runFor(1);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(rep->flashcardsSet()->decks().size(), before - 1);
    EXPECT_FALSE(list->cardsEditVC());
    EXPECT_EQ(list->numberOfRowsInSection(), int(before - 1));
}

}  // namespace
}  // namespace flashcards_test
