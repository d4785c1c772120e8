// Studying a deck: the ordered and adaptive sequences, the fast rewind, the known percentage,
// the time per side of a showing, and the texts a deck derives.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcardHRecord.h"
#include "Classes/flashcards/MIdiomsFC.h"
#include "platform/foundation/NotificationCenter.h"
#include "tests/Classes/flashcards/FlashcardsTestSupport.h"

namespace flashcards_test {
namespace {

std::vector<std::uint32_t> ids(const std::vector<std::shared_ptr<MFlashcard>>& cards) {
    std::vector<std::uint32_t> result;
    for (const auto& card : cards) result.push_back(card ? card->ID() : 0);
    return result;
}

std::vector<std::shared_ptr<MFlashcard>> draw(MDeck& deck, int times) {
    std::vector<std::shared_ptr<MFlashcard>> cards;
    for (int i = 0; i < times; ++i) cards.push_back(deck.getCard());
    return cards;
}

void markKnown(MFlashcard& card, int known, int unrated = 0) {
    for (int i = 0; i < known + unrated; ++i) {
        card.addHRecordWithSessionID(1, i);
        if (i < known) card.addEstimation(MFlashcardHRecord::kKnown);
    }
}

using DeckStudy = FlashcardsTest;

TEST_F(DeckStudy, OrderedSequenceStartsOnTheCursorAndWrapsBothWays) {
    auto deck = deckWithCards(3);
    EXPECT_EQ(deck->sequence(), MDeck::kAdaptive);
    EXPECT_TRUE(deck->faceIsFrontside());
    deck->setSequence(MDeck::kOrdered);
    deck->setCursor(2);
    EXPECT_EQ(ids(draw(*deck, 4)), (std::vector<std::uint32_t>{3, 1, 2, 3}));

    deck->setLastGotIndex(0);
    EXPECT_EQ(deck->getCardInOrderDirect(false)->ID(), 3u);
    EXPECT_EQ(deck->getCardInOrderDirect(false)->ID(), 2u);

    // A cursor left behind by removed cards starts the sequence at the first card.
    deck->setCursor(7);
    deck->setJustAppeared(true);
    EXPECT_EQ(deck->getCard()->ID(), 1u);
}

TEST_F(DeckStudy, SwitchingToOrderedContinuesAfterTheCardOnTop) {
    auto deck = deckWithCards(4);
    deck->setJustAppeared(false);
    deck->setCursor(1);
    deck->changeSequence();
    EXPECT_EQ(deck->sequence(), MDeck::kOrdered);
    EXPECT_EQ(deck->getCard()->ID(), 3u);
    deck->changeSequence();
    EXPECT_EQ(deck->sequence(), MDeck::kAdaptive);
    deck->setSequence(5);
    deck->changeSequence();
    EXPECT_EQ(deck->sequence(), 5);
    EXPECT_EQ(deck->getCard(), nullptr);
}

TEST_F(DeckStudy, AdaptiveSequenceReopensOnTheCursorThenDrawsFromTheSource) {
    auto deck = deckWithCards(4);
    ScriptedRandom random{{5, 2, 7, 12}};
    deck->setRandomSource(random.source());
    deck->setCursor(3);
    // The card on top when the viewer was left, then uniform draws: 5, 2, 7 and 12 modulo 4.
    EXPECT_EQ(ids(draw(*deck, 5)), (std::vector<std::uint32_t>{4, 2, 3, 4, 1}));
    EXPECT_EQ(random.draws, 4u);

    // A cursor outside the deck is not shown; the flag stays until a card is drawn in range.
    deck->setCursor(9);
    deck->setJustAppeared(true);
    EXPECT_EQ(deck->getCard()->ID(), 2u);
    EXPECT_TRUE(deck->justAppeared());
}

TEST_F(DeckStudy, AdaptiveSequenceAcceptsAKnownCardBelowItsProbability) {
    auto deck = deckWithCards(4);
    deck->setJustAppeared(false);
    deck->flashcards()[0]->setProbabilityTbS(0.25);
    // Card 1 drawn, 250/1000 is not below 0.25: drawn again, 249/1000 is.
    ScriptedRandom random{{0, 250, 4, 249}};
    deck->setRandomSource(random.source());
    EXPECT_EQ(deck->getCard()->ID(), 1u);
    EXPECT_EQ(random.draws, 4u);

    // Over many draws a card at 0.25 comes about a quarter as often as one at 1.0.
    std::mt19937 generator(7);
    deck->setRandomSource([&generator] { return static_cast<std::uint32_t>(generator()); });
    std::map<std::uint32_t, int> counts;
    for (int i = 0; i < 13000; ++i) counts[deck->getCard()->ID()]++;
    double ratio = static_cast<double>(counts[1]) / counts[2];
    EXPECT_NEAR(ratio, 0.25, 0.06);
}

TEST_F(DeckStudy, AdaptiveDrawEndsWhenEveryCardIsAtZero) {
    auto deck = deckWithCards(3);
    deck->setJustAppeared(false);
    for (const auto& card : deck->flashcards()) card->setProbabilityTbS(0.0);
    ScriptedRandom random{{1, 999, 2, 0}};
    deck->setRandomSource(random.source());
    EXPECT_EQ(deck->getCard()->ID(), 3u);
    EXPECT_EQ(deck->flashcards()[2]->probabilityTbS(), 0.0);

    deck->setRandomSource(nullptr);
    for (int i = 0; i < 20; ++i) EXPECT_NE(deck->getCard(), nullptr);
}

TEST_F(DeckStudy, RewindAcceleratesStopsAtTheEndAndHandsOverItsCard) {
    auto deck = deckWithCards(10);
    deck->setSequence(MDeck::kOrdered);
    deck->getCard();  // the viewer shows card 1 (index 0)
    deck->setCursor(0);
    std::vector<double> times;
    std::vector<int> indexes;
    fnd::NotificationCenter::defaultCenter().addObserver(this,
                                                         std::string(MDeck::kRewoundIndexChangedNotification),
                                                         deck.get(), [&](const fnd::Notification&) {
                                                             times.push_back(loop->now());
                                                             indexes.push_back(deck->rewoundIndex());
                                                         });
    deck->startRewinding();
    runFor(20);
    fnd::NotificationCenter::defaultCenter().removeObserver(this);

    EXPECT_EQ(indexes, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    const double delays[] = {0.7071, 0.5, 0.3913, 0.3230, 0.2757, 0.2409};
    for (std::size_t i = 0; i < std::size(delays); ++i)
        EXPECT_NEAR(times[i + 1] - times[i], delays[i], 1e-3) << i;
    EXPECT_TRUE(deck->isRewinding());

    deck->finishRewinding();
    EXPECT_EQ(deck->getCard()->ID(), 10u);  // the rewound card, not the step after the one on top
    EXPECT_EQ(deck->getCard()->ID(), 1u);
}

TEST_F(DeckStudy, RewindBackwardClampsAndFinishingStopsPendingSteps) {
    int notes = 0;
    fnd::NotificationCenter::defaultCenter().addObserver(this,
                                                         std::string(MDeck::kRewoundIndexChangedNotification),
                                                         nullptr, [&](const fnd::Notification&) { ++notes; });

    auto single = deckWithCards(1);
    single->startRewinding();
    EXPECT_EQ(single->rewoundIndex(), 0);
    EXPECT_EQ(notes, 1);

    auto deck = deckWithCards(5);
    deck->setCursor(3);
    deck->setRewindingDirection(-1);
    deck->startRewinding();
    EXPECT_EQ(deck->rewoundIndex(), 2);
    deck->finishRewinding();
    runFor(5);
    EXPECT_EQ(deck->rewoundIndex(), 2);
    EXPECT_EQ(notes, 2);
    fnd::NotificationCenter::defaultCenter().removeObserver(this);
}

TEST_F(DeckStudy, KnownPercentageGrowsWithTheSquareRootOfKnownShowings) {
    auto deck = deckWithCards(0);
    deck->computeKnownPercentage();
    EXPECT_EQ(deck->knownPercentage(), 0);

    deck = deckWithCards(1);
    markKnown(*deck->flashcards()[0], 7);
    deck->computeKnownPercentage();
    EXPECT_DOUBLE_EQ(deck->knownPercentage(), 100);

    deck = deckWithCards(1);
    markKnown(*deck->flashcards()[0], 3, 10);
    deck->computeKnownPercentage();
    EXPECT_NEAR(deck->knownPercentage(), 65.465, 1e-3);

    deck = deckWithCards(2);
    markKnown(*deck->flashcards()[0], 9);
    markKnown(*deck->flashcards()[1], 0, 4);
    deck->computeKnownPercentage();
    EXPECT_DOUBLE_EQ(deck->knownPercentage(), 50);

    deck->setCursor(1);
    deck->setJustAppeared(false);
    deck->clearHistory();
    EXPECT_EQ(deck->knownPercentage(), 0);
    EXPECT_EQ(deck->cursor(), 0u);
    EXPECT_TRUE(deck->justAppeared());
    EXPECT_TRUE(deck->flashcards()[0]->history().empty());
    EXPECT_EQ(deck->flashcards()[0]->probabilityTbS(), 1.0);
}

TEST_F(DeckStudy, TurningACardSplitsTheShowingBetweenItsSides) {
    MFlashcard card(1, "Q", "A", nullptr);
    card.flip(true);  // no showing yet: nothing happens
    card.addEstimation(1);
    EXPECT_TRUE(card.history().empty());

    card.addHRecordWithSessionID(4, 0);
    clock->advance(3);
    card.flip(true);  // face for 3 s
    clock->advance(5);
    card.flip(false);  // back for 5 s
    clock->advance(2);
    card.next(true);  // face again for 2 s
    const auto& record = *card.history().back();
    EXPECT_DOUBLE_EQ(record.timeForFrontSide(), 5);
    EXPECT_DOUBLE_EQ(record.timeForBackSide(), 5);
    EXPECT_EQ(record.estimation(), MFlashcardHRecord::kNotRated);
    EXPECT_EQ(record.sessionId(), 4);
}

TEST_F(DeckStudy, KeywordsAndSideTexts) {
    auto deck = deckWithCards(0);
    deck->setKeywords({"ORVA", "Idiom"});
    EXPECT_EQ(deck->stringWithKeywords(), "ORVA, Idiom");
    deck->setKeywordsWithString("ORVA, Idiom");
    EXPECT_EQ(deck->keywords(), (std::vector<std::string>{"ORVA", "Idiom"}));
    deck->setKeywordsWithString("");
    EXPECT_EQ(deck->keywords(), std::vector<std::string>{""});
    deck->setKeywords({});
    EXPECT_EQ(deck->stringWithKeywords(), "");

    EXPECT_EQ(
        deck->textWithFaceFormatting("word"),
        "<div class='container'>  <div class=\"vcentered\">    <h1 class=\"hcentered\"> word </h1></div>");
    EXPECT_EQ(
        deck->textWithBackFormatting("meaning"),
        "<div class='container'>  <div class=\"vcentered\">    <h2 class=\"hcentered\"> meaning </h2></div>");
    MIdiomsFC idioms;
    EXPECT_EQ(idioms.textWithFaceFormatting("<p>x</p>"), "<p>x</p>");
}

}  // namespace
}  // namespace flashcards_test
