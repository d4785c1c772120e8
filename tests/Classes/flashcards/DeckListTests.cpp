// The flashcards tool's deck list: rows by tag, the known percentage after the viewer closes, edit
// mode with moves that survive the archive, the reset key behind its confirmation, and the add
// sheet that offers a deck of the user's own.

#include <gtest/gtest.h>

#include "Classes/flashcards/CardsEditVC.h"
#include "Classes/flashcards/DeckEditVC.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcards.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"
#include "tests/Classes/flashcards/FlashcardsScreensSupport.h"
#include "tests/Classes/flashcards/FlashcardsTestSupport.h"

namespace flashcards_test {
namespace {

using testing_support::findByText;

class DeckListTest : public FlashcardsScreensTest {
  protected:
    std::shared_ptr<ui::TableViewCell> row(int index) {
        list->decksTableView->scrollToRow({0, index}, ui::TableViewScrollPosition::Top, false);
        return list->decksTableView->cellForRow({0, index});
    }
    std::string text(int index, int tag) {
        auto cell = row(index);
        auto label = cell ? std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(tag)) : nullptr;
        return label ? label->text() : "no label";
    }
    std::vector<std::string> toolbarTitles() {
        std::vector<std::string> titles;
        for (const auto& item : list->toolB()->items())
            titles.push_back(item->isFlexibleSpace() ? "space"
                             : item->title().empty() ? "key"
                                                     : item->title());
        return titles;
    }
    int lastRow() const { return int(rep->flashcardsSet()->decks().size()) - 1; }
};

TEST_F(DeckListTest, RowsShowTheDeckAndTheKnownPercentageAfterTheViewer) {
    start();
    auto deck = addDeck(4);
    deck->setTitle("Ratios");
    deck->setDescription("Parts of a whole");
    openTool();
    int last = lastRow();
    EXPECT_EQ(list->numberOfRowsInSection(), last + 1);
    EXPECT_EQ(text(last, 3), "Ratios");
    EXPECT_EQ(text(last, 4), "Parts of a whole");
    EXPECT_EQ(text(last, 5), "4");
    EXPECT_EQ(text(last, 6), "known: 0.0%");
    EXPECT_TRUE(row(last)->viewWithTag(7)->isHidden());
    EXPECT_EQ(toolbarTitles(), (std::vector<std::string>{"Main", "space", "+", "Edit"}));

    openDeck(last);
    ASSERT_TRUE(viewer);
    tapKey(viewer->iKnowBtn);
    runFor(1.5);
    viewer->done(nullptr);
    runFor(1);
    EXPECT_FALSE(list->deckVC());
    EXPECT_GT(deck->knownPercentage(), 0);
    char expected[40];
    std::snprintf(expected, sizeof expected, "known: %.1f%%", deck->knownPercentage());
    EXPECT_EQ(text(last, 6), expected);
}

TEST_F(DeckListTest, EditModeMovesDecksAndTheOrderSurvivesTheArchive) {
    start();
    addDeck(2);
    openTool();
    auto& decks = rep->flashcardsSet()->decks();
    auto third = decks[2];
    list->edit(nullptr);
    EXPECT_TRUE(list->isInEditMode());
    EXPECT_TRUE(list->decksTableView->isEditing());
    EXPECT_EQ(toolbarTitles(), (std::vector<std::string>{"Done"}));
    runFor(0.35);  // the rows redraw for edit mode: plain white, with the reset key
    EXPECT_FALSE(row(1)->viewWithTag(7)->isHidden());
    EXPECT_EQ(row(1)->viewWithTag(1)->backgroundColor(), ui::Color::whiteColor());

    list->moveRow(*list->decksTableView, {0, 2}, {0, 0});
    EXPECT_EQ(decks[0], third);
    auto again = restart(rep->flashcardsSet());
    ASSERT_TRUE(again);
    ASSERT_EQ(again->decks().size(), decks.size());
    for (std::size_t i = 0; i < decks.size(); ++i) EXPECT_EQ(again->decks()[i]->ID(), decks[i]->ID()) << i;

    // A built-in deck opens nothing; the user's own opens its card list.
    list->didSelectRow(*list->decksTableView, {0, 1});
    EXPECT_FALSE(list->cardsEditVC());
    list->didSelectRow(*list->decksTableView, {0, lastRow()});
    runFor(1);
    ASSERT_TRUE(list->cardsEditVC());
    list->cardsEditVC()->done(nullptr);
    runFor(1);
    EXPECT_FALSE(list->cardsEditVC());

    list->done(nullptr);
    EXPECT_FALSE(list->isInEditMode());
    EXPECT_EQ(toolbarTitles(), (std::vector<std::string>{"Main", "space", "+", "Edit"}));
    runFor(0.35);
    EXPECT_TRUE(row(1)->viewWithTag(7)->isHidden());
    EXPECT_EQ(row(1)->viewWithTag(1)->backgroundColor(), ui::Color::hsb(0.3, 0, 0.92, 1));
}

TEST_F(DeckListTest, TheResetKeyClearsItsDecksHistoryOnlyOnDelete) {
    start();
    auto deck = addDeck(3);
    for (const auto& card : deck->flashcards()) {
        card->addHRecordWithSessionID(DeckVC::kNoSession, 0);
        card->addEstimation(1);
        card->setProbabilityTbS(0.25);
    }
    deck->computeKnownPercentage();
    openTool();
    list->edit(nullptr);
    runFor(0.35);
    int last = lastRow();
    for (const char* answer : {"Cancel", "Delete"}) {
        SCOPED_TRACE(answer);
        auto key = std::dynamic_pointer_cast<ui::Button>(row(last)->viewWithTag(7)->subviews().front());
        ASSERT_TRUE(key);
        testing_support::tap(*key);
        runFor(0.5);
        auto message = findByText(application().screenView(), FlashcardsVC::kResetMessage);
        ASSERT_TRUE(message);
        // The alert's own key: the rows in edit mode hold hidden keys of the same name.
        testing_support::tap(*findByText(message->superview(), answer));
        runFor(0.5);
    }
    for (const auto& card : deck->flashcards()) {
        EXPECT_TRUE(card->history().empty());
        EXPECT_EQ(card->probabilityTbS(), 1.0);
    }
    EXPECT_EQ(text(last, 6), "known: 0.0%");
}

TEST_F(DeckListTest, TheAddSheetOffersAUserDeckAndTheCounterStaysInItsRange) {
    start();
    openTool();
    auto set = rep->flashcardsSet();
    set->setLastID_forCustomDeck(5);
    list->addDeck(nullptr);
    runFor(0.5);
    EXPECT_TRUE(findByText(application().screenView(), "Cancel"));
    EXPECT_FALSE(findByText(application().screenView(), "Add Quizlet's Deck"));
    testing_support::tap(*findByText(application().screenView(), FlashcardsVC::kAddCustomDeckTitle));
    runFor(1);
    auto editor = list->deckEditVC();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->deck()->ID(), 6u);
    editor->titleTextField->setText("Rates");
    editor->done(editor->createConfirmBtn());
    runFor(1);
    EXPECT_EQ(set->decks().back()->ID(), 6u);
    EXPECT_EQ(set->lastID_forCustomDeck(), 6u);
    EXPECT_EQ(text(lastRow(), 3), "Rates");

    // An imported or shared deck listed last moves neither counter out of its range.
    set->addQuizletDeckWithID(27005);
    set->addSharedDeckWithID(MFlashcards::kFirstSharedID);
    std::uint32_t imported = set->lastID_forQuizletDeck();
    list->addCustomDeck();
    runFor(1);
    ASSERT_TRUE(list->deckEditVC());
    EXPECT_EQ(list->deckEditVC()->deck()->ID(), 7u);
    list->deckEditVC()->done(list->deckEditVC()->cancelBtn());
    runFor(1);
    EXPECT_EQ(set->lastID_forCustomDeck(), 6u);
    EXPECT_EQ(set->lastID_forQuizletDeck(), imported);
}

}  // namespace
}  // namespace flashcards_test
