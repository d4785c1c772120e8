#include "tests/Classes/flashcards/FlashcardsScreensSupport.h"

#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcards.h"
#include "tests/Classes/flashcards/FlashcardsTestSupport.h"
#include "tests/support/HomeScreenLaunch.h"

namespace flashcards_test {

namespace {

// The product's delegate without its loading thread: the test hands it the user's data.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

}  // namespace

void FlashcardsScreensTest::SetUp() {
    ScreenTestEnvironment::SetUp();
    AbstractAppDelegate::registerClasses();
}

void FlashcardsScreensTest::TearDown() {
    held.reset();
    viewer.reset();
    list.reset();
    if (home) home->close();
    home.reset();
    ScreenTestEnvironment::TearDown();
}

void FlashcardsScreensTest::start(ui::Idiom idiom) {
    delegate = std::make_shared<StillDelegate>();
    launch(idiom, delegate);
    rep = MRepository::makeWithData();
    rep->setDoNotShowTips(true);
    rep->setFeedbackOpenCounter(1);
    home = testing_support::showHomeScreen(*delegate, rep);
    runFor(1);
}

void FlashcardsScreensTest::openTool() {
    testing_support::tap(*testing_support::findByOutlet(*home, "flashcardsBtn"));
    runFor(1);
    list = std::dynamic_pointer_cast<FlashcardsVC>(home->toolVC());
    ASSERT_TRUE(list);
}

std::shared_ptr<MCustomFC> FlashcardsScreensTest::addDeck(std::uint32_t count, std::uint32_t id) {
    auto deck = deckWithCards(count, id);
    rep->flashcardsSet()->decks().push_back(deck);
    rep->flashcardsSet()->noteDeckIdentifier(id);
    return deck;
}

std::shared_ptr<DeckVC> FlashcardsScreensTest::openDeck(int row) {
    list->forward(row);
    runFor(1);
    viewer = list->deckVC();
    return viewer;
}

ui::Point FlashcardsScreensTest::at(ui::Point inViewer) const {
    return viewer->view()->convertTo(inViewer, nullptr);
}

testing_support::Finger FlashcardsScreensTest::finger(int identifier) {
    return testing_support::Finger(testing_support::rootOf(*viewer->view()), identifier);
}

void FlashcardsScreensTest::swipe(const std::vector<ui::Point>& steps, bool keep) {
    held = std::make_unique<testing_support::Finger>(testing_support::rootOf(*viewer->view()));
    ui::Point p{240, 150};
    held->down(at(p));
    for (ui::Point step : steps) {
        p = {p.x + step.x, p.y + step.y};
        held->moveTo(at(p));
    }
    if (!keep) {
        held->up();
        held.reset();
    }
}

void FlashcardsScreensTest::tapKey(const std::shared_ptr<ui::View>& key) {
    ASSERT_TRUE(key);
    testing_support::tap(*key);
}

}  // namespace flashcards_test
