// The card viewer, opened from the deck list: the swipe thresholds in the turned phone viewer's
// coordinates, the flip, the move to the next card and "I know" step by step on the manual clock
// (requests in between ignored), the rewind keys, back-first decks, the history left, and the
// tablet's rest frame and flip key.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Classes/flashcards/CardView.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcardHRecord.h"
#include "Classes/flashcards/MFlashcards.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/WebView.h"
#include "tests/Classes/flashcards/FlashcardsScreensSupport.h"

namespace flashcards_test {
namespace {

class CardViewerTest : public FlashcardsScreensTest {
  protected:
    // A user deck of `count` cards in the ordered sequence, opened in the viewer.
    std::shared_ptr<MCustomFC> openOrdered(std::uint32_t count, bool faceFirst = true) {
        start();
        auto deck = addDeck(count);
        deck->setSequence(MDeck::kOrdered);
        deck->setFaceIsFrontside(faceFirst);
        openTool();
        openDeck(int(rep->flashcardsSet()->decks().size()) - 1);
        EXPECT_TRUE(viewer);
        return deck;
    }
    std::string top() const { return viewer->card() ? viewer->card()->question().value_or("") : "none"; }
    ui::Point cardCentre() const { return viewer->cardView->center(); }
};

TEST_F(CardViewerTest, SwipesFlipOrThrowOnlyPastTheirThresholds) {
    openOrdered(3);
    const ui::Point rest = cardCentre();
    const double d50 = 50 * std::numbers::pi / 180, d70 = 70 * std::numbers::pi / 180;
    struct Case {
        const char* what;
        std::vector<ui::Point> steps;
        bool flips;
        bool follows;  // the card moved with the finger while it was down
    };
    const std::vector<Case> cases = {
        {"20 points up", {{0, -20}}, false, false},
        {"26 points down", {{0, 26}}, true, false},
        {"9 points aside", {{9, 0}}, false, false},
        {"50 degrees from flat", {{12 * std::cos(d50), 12 * std::sin(d50)}}, false, true},
        {"70 degrees from flat", {{12 * std::cos(d70), 12 * std::sin(d70)}}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int state = viewer->cardsState();
        swipe(c.steps, true);
        EXPECT_EQ(viewer->cardsState() >= 10, c.flips);
        EXPECT_EQ(cardCentre() != rest, c.follows);
        held->up();
        held.reset();
        runFor(1);
        EXPECT_EQ(viewer->cardsState(), c.flips ? 1 - state : state);
        EXPECT_EQ(cardCentre(), rest);
        EXPECT_EQ(top(), "Q1");
    }

    // One flip per swipe: going on after the turn turns nothing more.
    swipe({{0, 30}}, true);
    runFor(0.4);
    EXPECT_EQ(viewer->cardsState(), 0);
    held->moveTo(at({240, 230}));
    held->up();
    held.reset();
    runFor(0.4);
    EXPECT_EQ(viewer->cardsState(), 0);

    // A throw released 49 points from rest springs back; at 51 points to the left the next card comes.
    swipe({{-49, 0}});
    runFor(0.3);
    EXPECT_EQ(cardCentre(), rest);
    EXPECT_EQ(top(), "Q1");
    swipe({{-51, 0}});
    EXPECT_EQ(viewer->cardsState(), DeckVC::kMovingOn);
    EXPECT_EQ(viewer->animationDirection(), -1.0);
    runFor(0.6);
    EXPECT_EQ(top(), "Q2");
    EXPECT_EQ(cardCentre(), rest);

    // A second finger ends the swipe: nothing turns.
    auto first = finger(1);
    auto second = finger(2);
    first.down(at({240, 150}));
    second.down(at({260, 150}));
    first.moveTo(at({240, 200}));
    second.up();
    first.up();
    runFor(0.4);
    EXPECT_EQ(viewer->cardsState(), 0);
}

TEST_F(CardViewerTest, FlipNextAndIKnowRunStepByStepAndIgnoreRequestsMeanwhile) {
    auto deck = openOrdered(3);
    auto q1 = deck->flashcards()[0];
    auto q2 = deck->flashcards()[1];
    ASSERT_EQ(q1->history().size(), 1u);

    swipe({{0, 30}});
    EXPECT_EQ(viewer->cardsState(), DeckVC::kTurningToBack);
    EXPECT_EQ(viewer->cardView->state(), CardView::kAnimating);
    runFor(0.1);
    viewer->nextRight();
    viewer->flip();
    EXPECT_EQ(viewer->cardsState(), DeckVC::kTurningToBack);
    EXPECT_FALSE(viewer->cardView->backWebView()->isHidden() && viewer->cardView->webView()->isHidden());
    runFor(0.1);  // past the half: the back shows, and the face's time is closed
    EXPECT_FALSE(viewer->cardView->backWebView()->isHidden());
    EXPECT_TRUE(viewer->cardView->webView()->isHidden());
    EXPECT_GT(q1->history().back()->timeForFrontSide(), 0);
    runFor(0.15);
    EXPECT_EQ(viewer->cardsState(), DeckVC::kBackShown);
    EXPECT_EQ(viewer->cardView->state(), CardView::kIdle);
    EXPECT_EQ(q1->history().size(), 1u);  // a flip is no new showing

    viewer->nextRight();
    EXPECT_EQ(viewer->cardsState(), DeckVC::kMovingOn);
    runFor(0.2);
    viewer->flip();
    viewer->nextLeft();
    runFor(0.1);
    EXPECT_EQ(viewer->cardsState(), DeckVC::kMovingOn);
    runFor(0.25);
    EXPECT_EQ(viewer->cardsState(), DeckVC::kFaceShown);
    EXPECT_EQ(top(), "Q2");
    EXPECT_EQ(q2->history().size(), 1u);
    EXPECT_GT(q1->history().back()->timeForBackSide(), 0);
    EXPECT_EQ(q1->history().back()->sessionId(), DeckVC::kNoSession);
    EXPECT_EQ(q1->history().back()->indexInSession(), 0);

    // "I know": a quarter of the chance, the showing marked, the next card 0.7 s later.
    tapKey(viewer->iKnowBtn);
    EXPECT_DOUBLE_EQ(q2->probabilityTbS(), 0.25);
    EXPECT_EQ(q2->history().back()->estimation(), 1);
    EXPECT_TRUE(viewer->iKnowBtn->isSelected());
    EXPECT_FALSE(viewer->iKnowBtn->isEnabled());
    EXPECT_EQ(viewer->iknowEffectIV->alpha(), 1);
    viewer->flip();
    runFor(0.36);
    EXPECT_EQ(viewer->cardView->webView()->alpha(), 1);
    EXPECT_EQ(top(), "Q2");
    runFor(0.36);
    EXPECT_EQ(viewer->cardsState(), DeckVC::kMovingOn);
    EXPECT_EQ(viewer->iknowEffectIV->alpha(), 0);
    runFor(0.5);
    EXPECT_EQ(top(), "Q3");
    EXPECT_TRUE(viewer->iKnowBtn->isEnabled());
    EXPECT_FALSE(viewer->iKnowBtn->isSelected());
    EXPECT_EQ(q2->history().size(), 1u);

    // Every page of the two cards runs no script of its own.
    for (const auto& card : {viewer->cardView, viewer->nextCardView()}) {
        EXPECT_TRUE(card->webView()->inertContent());
        EXPECT_TRUE(card->backWebView()->inertContent());
        EXPECT_FALSE(card->webView()->isUserInteractionEnabled());
    }
}

TEST_F(CardViewerTest, RewindKeysShowTheCounterAfterTheFirstStepAndBringTheRewoundCard) {
    auto deck = openOrdered(5);
    EXPECT_FALSE(viewer->backwardBtn->isEnabled());
    EXPECT_TRUE(viewer->forwardBtn->isEnabled());
    EXPECT_FALSE(viewer->forwardBtn->isHidden());

    testing_support::Finger hold(testing_support::rootOf(*viewer->view()));
    hold.down(testing_support::centreInRoot(*viewer->forwardBtn));
    EXPECT_TRUE(viewer->startedRewinding());
    runFor(0.6);
    EXPECT_TRUE(viewer->numberLbl->isHidden());
    EXPECT_EQ(viewer->numberLbl->text(), "2");
    runFor(0.2);
    EXPECT_FALSE(viewer->numberLbl->isHidden());
    EXPECT_EQ(viewer->numberLbl->text(), "3");
    hold.up();
    EXPECT_TRUE(viewer->numberLbl->isHidden());
    runFor(0.6);
    EXPECT_EQ(top(), "Q3");
    EXPECT_TRUE(viewer->backwardBtn->isEnabled());

    // A tap shorter than the first step shows no counter but still moves one card, backward here.
    hold.down(testing_support::centreInRoot(*viewer->backwardBtn));
    runFor(0.1);
    hold.up();
    EXPECT_TRUE(viewer->numberLbl->isHidden());
    runFor(0.6);
    EXPECT_EQ(top(), "Q2");
    EXPECT_TRUE(viewer->numberLbl->isHidden());
    EXPECT_EQ(deck->flashcards()[1]->history().size(), 1u);  // shown once, when it arrived

    // The adaptive sequence hides both keys.
    tapKey(viewer->sequenceBtn);
    EXPECT_EQ(deck->sequence(), MDeck::kAdaptive);
    EXPECT_TRUE(viewer->backwardBtn->isHidden());
    EXPECT_TRUE(viewer->forwardBtn->isHidden());
}

TEST_F(CardViewerTest, OnTheLastCardTheForwardKeyIsOff) {
    start();
    auto deck = addDeck(3);
    deck->setSequence(MDeck::kOrdered);
    deck->setCursor(2);
    openTool();
    openDeck(int(rep->flashcardsSet()->decks().size()) - 1);
    EXPECT_EQ(top(), "Q3");
    EXPECT_FALSE(viewer->forwardBtn->isEnabled());
    EXPECT_TRUE(viewer->backwardBtn->isEnabled());
}

TEST_F(CardViewerTest, BackFirstDecksShowTheBackOfEveryCardAndTurnToTheFace) {
    openOrdered(3, false);
    EXPECT_EQ(viewer->cardsState(), DeckVC::kBackShown);
    EXPECT_TRUE(viewer->cardView->webView()->isHidden());
    EXPECT_FALSE(viewer->cardView->backWebView()->isHidden());
    EXPECT_TRUE(viewer->frontsideBtn->isSelected());
    viewer->flip();
    runFor(0.4);
    EXPECT_EQ(viewer->cardsState(), DeckVC::kFaceShown);
    EXPECT_FALSE(viewer->cardView->webView()->isHidden());
    viewer->nextRight();
    runFor(0.6);
    EXPECT_EQ(top(), "Q2");
    EXPECT_EQ(viewer->cardsState(), DeckVC::kBackShown);
    EXPECT_FALSE(viewer->cardView->backWebView()->isHidden());
}

TEST_F(CardViewerTest, OneSidedAndSingleCardsStayWhereTheyAre) {
    start();
    auto deck = addDeck(1);
    deck->flashcards()[0]->setAnswer(std::nullopt);
    rep->flashcardsSet()->decks().push_back(std::make_shared<MCustomFC>(5));
    openTool();
    int count = int(rep->flashcardsSet()->decks().size());
    list->forward(count - 1);  // no cards: nothing opens
    runFor(1);
    EXPECT_FALSE(list->deckVC());
    openDeck(count - 2);
    ASSERT_TRUE(viewer);
    EXPECT_FALSE(viewer->nextCard());
    EXPECT_FALSE(viewer->frontsideBtn->isEnabled());
    swipe({{0, 40}});
    EXPECT_EQ(viewer->cardsState(), 0);
    swipe({{80, 0}});
    runFor(0.5);
    EXPECT_EQ(viewer->cardView->center(), (ui::Point{240, 160}));
    EXPECT_EQ(top(), "Q1");
}

TEST_F(CardViewerTest, OnTheTabletTheCardRestsCentredForTheOrientationAndTheFlipKeyFollowsTheCard) {
    start(ui::Idiom::Tablet);
    auto deck = addDeck(2);
    deck->setSequence(MDeck::kOrdered);
    deck->flashcards()[1]->setAnswer(std::nullopt);
    openTool();
    openDeck(int(rep->flashcardsSet()->decks().size()) - 1);
    auto tablet = std::dynamic_pointer_cast<DeckVC_iPad>(viewer);
    ASSERT_TRUE(tablet);
    EXPECT_EQ(viewer->cardView->restFrame(), (ui::Rect{0, 246, 768, 512}));
    EXPECT_EQ(viewer->nextCardView()->restFrame(), viewer->cardView->restFrame());
    EXPECT_TRUE(tablet->flipBtn->isEnabled());

    application().deviceDidRotate(ui::DeviceOrientation::LandscapeLeft);
    runFor(1);
    EXPECT_EQ(viewer->cardView->restFrame(), (ui::Rect{128, 118, 768, 512}));

    // The flip key turns the card; the next card has no answer, and the key goes off for it.
    testing_support::tap(*tablet->flipBtn);
    runFor(0.4);
    EXPECT_EQ(viewer->cardsState(), DeckVC::kBackShown);
    viewer->nextRight();
    runFor(0.6);
    EXPECT_FALSE(viewer->card()->answer());
    EXPECT_FALSE(tablet->flipBtn->isEnabled());
}

}  // namespace
}  // namespace flashcards_test
