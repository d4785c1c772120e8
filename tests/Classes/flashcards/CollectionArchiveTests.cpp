// The collection and its dictionary in the central archive: what a fresh start lists, and what
// every kind of deck brings back after a restart.

#include <gtest/gtest.h>

#include <cmath>

#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MDictionaryFC.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcardHRecord.h"
#include "Classes/flashcards/MHistoryEntry.h"
#include "Classes/flashcards/MIdiomsFC.h"
#include "Classes/flashcards/MQuizletDeck.h"
#include "Classes/flashcards/MSharedDeck.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/Classes/flashcards/FlashcardsTestSupport.h"

namespace flashcards_test {
namespace {

std::vector<std::uint32_t> deckIds(const MFlashcards& flashcards) {
    std::vector<std::uint32_t> ids;
    for (const auto& deck : flashcards.decks()) ids.push_back(deck->ID());
    return ids;
}

std::vector<std::uint32_t> cardIds(const MDeck& deck) {
    std::vector<std::uint32_t> ids;
    for (const auto& card : deck.flashcards()) ids.push_back(card->ID());
    return ids;
}

std::shared_ptr<MFlashcard> appendCard(MDeck& deck, std::uint32_t id, std::string face, std::string back) {
    auto card = std::make_shared<MFlashcard>(id, std::move(face), std::move(back), nullptr);
    deck.flashcards().push_back(card);
    return card;
}

void showAndMarkKnown(MFlashcard& card, int times) {
    for (int i = 0; i < times; ++i) {
        card.addHRecordWithSessionID(2, i);
        card.addEstimation(MFlashcardHRecord::kKnown);
        card.setProbabilityTbS(card.probabilityTbS() * 0.25);
    }
}

using CollectionArchive = FlashcardsTest;

TEST_F(CollectionArchive, AFreshStartListsTheBuiltInDecksAndKeepsTheSharedOnesWaiting) {
    MFlashcards flashcards;
    EXPECT_EQ(deckIds(flashcards), (std::vector<std::uint32_t>{1, 2, 3}));
    ASSERT_EQ(flashcards.emptySharedDecks().size(), 2u);
    EXPECT_EQ(flashcards.emptySharedDecks()[0]->title(), "Dictionary");
    EXPECT_EQ(flashcards.emptySharedDecks()[1]->ID(), 77001u);
    EXPECT_EQ(flashcards.emptySharedDecks()[1]->keywords(), std::vector<std::string>{"books"});
    EXPECT_EQ(flashcards.lastID_forCustomDeck(), 3u);
    EXPECT_EQ(flashcards.lastID_forQuizletDeck(), 27000u);
}

TEST_F(CollectionArchive, AShowingRecordKeepsItsValuesAndAbsentSession) {
    auto none = std::make_shared<MFlashcardHRecord>(MFlashcardHRecord::kNone, MFlashcardHRecord::kNone);
    auto rated = std::make_shared<MFlashcardHRecord>(3, 7);
    clock->advance(4);
    rated->flip(true);
    rated->setEstimation(MFlashcardHRecord::kKnown);
    auto array = fnd::ArchiveValue::makeArray();
    array->emplace_back(none);
    array->emplace_back(rated);
    auto bytes = fnd::KeyedArchiver::archive("root", array);
    ASSERT_TRUE(bytes);
    auto back = fnd::KeyedUnarchiver::unarchive(*bytes, "root").array();
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 2u);
    auto first = (*back)[0].object<MFlashcardHRecord>();
    auto second = (*back)[1].object<MFlashcardHRecord>();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->sessionId(), MFlashcardHRecord::kNone);
    EXPECT_EQ(first->indexInSession(), MFlashcardHRecord::kNone);
    EXPECT_EQ(first->estimation(), MFlashcardHRecord::kNotRated);
    EXPECT_EQ(second->sessionId(), 3);
    EXPECT_EQ(second->indexInSession(), 7);
    EXPECT_EQ(second->date(), rated->date());
    EXPECT_DOUBLE_EQ(second->timeForFrontSide(), 4);
    EXPECT_EQ(second->estimation(), MFlashcardHRecord::kKnown);
    EXPECT_EQ(second->bookmark(), -1);
}

TEST_F(CollectionArchive, ABuiltInDeckKeepsItsStudyStateWhileItsTextsComeFromTheProgram) {
    auto flashcards = std::make_shared<MFlashcards>();
    auto idioms = flashcards->deckWithID(2);
    ASSERT_GE(idioms->flashcards().size(), 3u);
    std::string text = *idioms->flashcards()[1]->answer();
    showAndMarkKnown(*idioms->flashcards()[1], 2);
    idioms->flashcards()[1]->setBookmarked(true);
    idioms->changeSequence();
    idioms->changeFrontside();
    idioms->setCursor(2);
    idioms->computeKnownPercentage();

    // Only the card with a history has an entry; texts are never written for a built-in deck.
    fnd::ArchiveDictionary dictionary;
    flashcards->fillHistoryDictionary(dictionary);
    auto entry = MHistoryEntry::dictionary(dictionary, "Deck_2");
    ASSERT_TRUE(entry);
    EXPECT_FALSE(MHistoryEntry::dictionary(*entry, "Card_1"));
    auto card2 = MHistoryEntry::dictionary(*entry, "Card_2");
    ASSERT_TRUE(card2);
    EXPECT_FALSE(card2->count("question"));
    EXPECT_FALSE(card2->count("imageIsStoredLocally"));

    auto restarted = restart(flashcards);
    ASSERT_TRUE(restarted);
    auto again = restarted->deckWithID(2);
    EXPECT_EQ(again->sequence(), MDeck::kOrdered);
    EXPECT_FALSE(again->faceIsFrontside());
    EXPECT_EQ(again->cursor(), 2u);
    const auto& card = *again->flashcards()[1];
    EXPECT_EQ(card.history().size(), 2u);
    EXPECT_DOUBLE_EQ(card.probabilityTbS(), 0.0625);
    EXPECT_TRUE(card.bookmarked());
    EXPECT_EQ(*card.answer(), text);
    EXPECT_TRUE(again->flashcards()[0]->history().empty());
    EXPECT_DOUBLE_EQ(again->knownPercentage(), idioms->knownPercentage());
    EXPECT_GT(again->knownPercentage(), 0);
}

TEST_F(CollectionArchive, AUserDeckComesBackWholeButAdaptiveAndFaceFirst) {
    auto flashcards = std::make_shared<MFlashcards>();
    auto deck = std::dynamic_pointer_cast<MCustomFC>(flashcards->addCustomDeckWithID(4));
    EXPECT_EQ(flashcards->lastID_forCustomDeck(), 4u);
    deck->setTitle("Verbs");
    deck->setCreator("me");
    deck->setDescription("Irregular verbs");
    deck->setKeywordsWithString("verbs, grammar");
    appendCard(*deck, 5, "go", "went");
    auto second = appendCard(*deck, 2, "see", "saw");
    second->setImageURL("http://127.0.0.1:9/see.png");
    second->setPathToImageFile((documents / "FlashcardsImage_4_2.jpg").string());
    second->setImageIsStoredLocally(true);  // a stored picture: no fetch at restore
    showAndMarkKnown(*second, 1);
    deck->changeFaceStyle();
    deck->changeBackStyle();
    deck->changeBackStyle();
    EXPECT_EQ(deck->styleIndex(), 5u);
    deck->changeSequence();
    deck->changeFrontside();
    deck->setCursor(1);

    auto restarted = restart(flashcards);
    ASSERT_TRUE(restarted);
    auto again = std::dynamic_pointer_cast<MCustomFC>(restarted->deckWithID(4));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->title(), "Verbs");
    EXPECT_EQ(again->creator(), "me");
    EXPECT_EQ(again->description(), "Irregular verbs");
    EXPECT_EQ(again->keywords(), (std::vector<std::string>{"verbs", "grammar"}));
    EXPECT_EQ(again->dateOfCreation(), deck->dateOfCreation());
    EXPECT_EQ(cardIds(*again), (std::vector<std::uint32_t>{5, 2}));
    EXPECT_EQ(*again->flashcards()[0]->question(), "go");
    EXPECT_EQ(*again->flashcards()[1]->answer(), "saw");
    EXPECT_EQ(again->flashcards()[1]->imageURL(), second->imageURL());
    EXPECT_EQ(again->flashcards()[1]->pathToImageFile(), second->pathToImageFile());
    EXPECT_EQ(again->flashcards()[1]->history().size(), 1u);
    EXPECT_EQ(again->styleIndex(), 5u);
    EXPECT_EQ(again->style(), again->styles()[5]);
    EXPECT_EQ(again->sequence(), MDeck::kAdaptive);
    EXPECT_TRUE(again->faceIsFrontside());
    EXPECT_EQ(again->cursor(), 1u);
    EXPECT_NEAR(again->knownPercentage(), 50 * std::sqrt(1.0 / 7), 1e-9);
    EXPECT_EQ(restarted->lastID_forCustomDeck(), 4u);
}

TEST_F(CollectionArchive, AnImportedDeckKeepsItsSetNumberInAnEntryOfItsOwn) {
    auto flashcards = std::make_shared<MFlashcards>();
    auto deck = std::dynamic_pointer_cast<MQuizletDeck>(flashcards->addQuizletDeckWithID(27001));
    deck->setQuizletsID(123456);
    deck->setHas_images(true);
    appendCard(*deck, 1, "term", "definition");
    EXPECT_EQ(flashcards->lastID_forQuizletDeck(), 27001u);

    fnd::ArchiveDictionary dictionary;
    flashcards->fillHistoryDictionary(dictionary);
    auto addon = MHistoryEntry::dictionary(dictionary, "Deck_27001_QuizletAddon");
    ASSERT_TRUE(addon);
    EXPECT_EQ(MHistoryEntry::unsigned32(*addon, "quizletsID"), 123456u);

    auto again = std::dynamic_pointer_cast<MQuizletDeck>(restart(flashcards)->deckWithID(27001));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->quizletsID(), 123456u);
    EXPECT_FALSE(again->has_images());
    EXPECT_EQ(*again->flashcards()[0]->answer(), "definition");
}

TEST_F(CollectionArchive, SharedDeckCardsAreNumberedAfterTheLargestAndTheDeckStaysListed) {
    auto flashcards = std::make_shared<MFlashcards>();
    flashcards->addCardWithFaceHTMLText("abate", "to lessen", MDictionaryFC::kIndex);
    flashcards->addCardWithFaceHTMLText("candid", "frank", MDictionaryFC::kIndex);
    flashcards->addCardWithFaceHTMLText("ignored", "no such deck", 7);
    EXPECT_EQ(deckIds(*flashcards), (std::vector<std::uint32_t>{1, 2, 3, 77000}));
    auto dictionary = flashcards->deckWithID(77000);
    EXPECT_EQ(cardIds(*dictionary), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(flashcards->emptySharedDecks().size(), 1u);

    dictionary->flashcards().erase(dictionary->flashcards().begin());
    flashcards->addCardWithFaceHTMLText("laconic", "brief", MDictionaryFC::kIndex);
    EXPECT_EQ(cardIds(*dictionary), (std::vector<std::uint32_t>{2, 3}));

    auto restarted = restart(flashcards);
    auto again = restarted->deckWithID(77000);
    ASSERT_TRUE(again);
    EXPECT_EQ(cardIds(*again), (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(*again->flashcards()[1]->question(), "laconic");
    EXPECT_EQ(again->keywords(), (std::vector<std::string>{"dictionary", "words", "interpretation"}));
    EXPECT_EQ(restarted->emptySharedDecks().size(), 1u);

    // Emptied by the editor, it stays listed across a restart.
    again->flashcards().clear();
    EXPECT_EQ(deckIds(*restart(restarted)), (std::vector<std::uint32_t>{1, 2, 3, 77000}));
}

TEST_F(CollectionArchive, TheArrangementAndCountersComeBackAfterARestart) {
    auto flashcards = std::make_shared<MFlashcards>();
    flashcards->addCustomDeckWithID(4);
    flashcards->addCustomDeckWithID(5);
    flashcards->addQuizletDeckWithID(27001);
    flashcards->addCardWithFaceHTMLText("word", "meaning", MDictionaryFC::kIndex);
    // The user moved the decks: 27001, Idioms, Dictionary, 4; deck 5 was deleted.
    auto& decks = flashcards->decks();
    decks = {flashcards->deckWithID(27001), flashcards->deckWithID(2), flashcards->deckWithID(77000),
             flashcards->deckWithID(4)};
    flashcards->setLastID_forCustomDeck(9);

    auto restarted = restart(flashcards);
    EXPECT_EQ(deckIds(*restarted), (std::vector<std::uint32_t>{27001, 2, 77000, 4, 1, 3}));
    EXPECT_EQ(restarted->emptySharedDecks().size(), 1u);
    EXPECT_EQ(restarted->emptySharedDecks()[0]->ID(), 77001u);
    EXPECT_EQ(restarted->lastID_forCustomDeck(), 9u);
    EXPECT_EQ(restarted->lastID_forQuizletDeck(), 27001u);
    EXPECT_EQ(deckIds(*restart(restarted)), deckIds(*restarted));

    // Nothing listed: no arrangement is written, and the built-in decks come back.
    flashcards->decks().clear();
    fnd::ArchiveDictionary dictionary;
    flashcards->fillHistoryDictionary(dictionary);
    EXPECT_FALSE(dictionary.count("DecksArrangement"));
    EXPECT_EQ(deckIds(*restart(flashcards)), (std::vector<std::uint32_t>{1, 2, 3}));
}

TEST_F(CollectionArchive, RepeatedOrUnknownIdentifiersInTheArrangementAreSkipped) {
    fnd::ArchiveDictionary dictionary;
    dictionary["DecksArrangement"] = MHistoryEntry::identifierArray({2, 2, 77005, 0, 4, 77001, 4});
    MFlashcards flashcards;
    flashcards.restoreHistory(dictionary);
    EXPECT_EQ(deckIds(flashcards), (std::vector<std::uint32_t>{2, 4, 77001, 1, 3}));
    EXPECT_EQ(flashcards.emptySharedDecks().size(), 1u);
    EXPECT_EQ(flashcards.lastID_forCustomDeck(), 4u);
}

TEST_F(CollectionArchive, OlderAndDamagedUserDeckEntriesReadSafely) {
    // No card order: the identifiers come from the card entries. Look indexes out of range read as 0.
    auto entry = fnd::ArchiveValue::makeDictionary();
    (*entry)["flashcardsCount"] = fnd::ArchiveValue::integer(2);
    (*entry)["faceStyleIndex"] = fnd::ArchiveValue::integer(7);
    (*entry)["backStyleIndex"] = fnd::ArchiveValue::integer(3);
    // Values of the wrong kind read as absent.
    (*entry)["cursor"] = "first";
    (*entry)["keywords"] = fnd::ArchiveValue::integer(3);
    for (const char* key : {"Card_9", "Card_4", "Card_x"}) {
        auto card = fnd::ArchiveValue::makeDictionary();
        (*card)["question"] = std::string(key);
        (*card)["history"] = "none";
        (*card)["probabilityTbS"] = "low";
        (*entry)[key] = card;
    }
    fnd::ArchiveDictionary dictionary;
    dictionary["Deck_4"] = entry;
    dictionary["DecksArrangement"] = MHistoryEntry::identifierArray({4});
    MFlashcards flashcards;
    flashcards.restoreHistory(dictionary);
    auto deck = std::dynamic_pointer_cast<MCustomFC>(flashcards.deckWithID(4));
    ASSERT_TRUE(deck);
    EXPECT_EQ(cardIds(*deck), (std::vector<std::uint32_t>{4, 9}));
    EXPECT_EQ(*deck->flashcards()[1]->question(), "Card_9");
    EXPECT_EQ(deck->faceStyleIndex(), 0u);
    EXPECT_EQ(deck->backStyleIndex(), 0u);
    EXPECT_EQ(deck->style(), deck->styles()[0]);
    EXPECT_EQ(deck->cursor(), 0u);
    EXPECT_TRUE(deck->keywords().empty());
    EXPECT_TRUE(deck->flashcards()[0]->history().empty());
    EXPECT_EQ(deck->flashcards()[0]->probabilityTbS(), 1.0);
}

TEST_F(CollectionArchive, CountersRiseOnlyFromTheirOwnRanges) {
    MFlashcards flashcards;
    for (std::uint32_t id : {27001u, 77000u, 2u}) flashcards.noteDeckIdentifier(id);
    EXPECT_EQ(flashcards.lastID_forCustomDeck(), 3u);
    EXPECT_EQ(flashcards.lastID_forQuizletDeck(), 27001u);
    flashcards.noteDeckIdentifier(12);
    flashcards.noteDeckIdentifier(8);
    EXPECT_EQ(flashcards.lastID_forCustomDeck(), 12u);
}

}  // namespace
}  // namespace flashcards_test
