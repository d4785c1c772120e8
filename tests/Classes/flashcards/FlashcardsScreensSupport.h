#pragma once
// What the tests of the flashcards tool's screens start from: the product's delegate (without its
// loading thread) showing the home screen over a fresh repository, the tool opened from its button,
// and fingers on the turned card viewer given in the viewer's own coordinates.

#include <memory>
#include <string>
#include <vector>

#include "Classes/core/MRepository.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/flashcards/DeckVC.h"
#include "Classes/flashcards/FlashcardsVC.h"
#include "Classes/flashcards/MCustomFC.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

class TovridaAppDelegate;

namespace flashcards_test {

class FlashcardsScreensTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The home screen on the idiom's device; `decks` replace the built-in list when given.
    void start(ui::Idiom idiom = ui::Idiom::Phone);
    // The tool from the home screen's button.
    void openTool();
    // A user deck of `count` cards listed last.
    std::shared_ptr<MCustomFC> addDeck(std::uint32_t count, std::uint32_t id = 4);
    // The viewer the list opened on the row.
    std::shared_ptr<DeckVC> openDeck(int row);

    // Fingers on the viewer's view, in its own (turned) coordinates.
    testing_support::Finger finger(int identifier = 1);
    ui::Point at(ui::Point inViewer) const;
    // One finger from the card's centre moved by the steps (viewer coordinates), then lifted
    // unless `keep`.
    void swipe(const std::vector<ui::Point>& steps, bool keep = false);
    // Taps the key (any view) through hit-testing.
    void tapKey(const std::shared_ptr<ui::View>& key);

    std::shared_ptr<TovridaAppDelegate> delegate;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<ToolChooseVC> home;
    std::shared_ptr<FlashcardsVC> list;
    std::shared_ptr<DeckVC> viewer;
    std::unique_ptr<testing_support::Finger> held;
};

}  // namespace flashcards_test
