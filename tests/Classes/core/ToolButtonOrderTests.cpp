#include <gtest/gtest.h>

#include "Classes/core/ToolButtonOrder.h"
#include "Classes/core/ToolGrid.h"

// The home screen's lists: 13 buttons on the phone with the feedback button at 11 and the game at
// 12; 12 on the tablet (no statistics button) with the feedback button at 10.
namespace {

using Order = ToolButtonOrder::Order;
constexpr std::size_t kPhoneButtons = 13, kPhoneFeedback = 11, kPhoneGame = 12;
constexpr std::size_t kTabletButtons = 12, kTabletFeedback = 10;
constexpr int kNone = ToolGrid::kNoPosition;

const Order kPhoneShown{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
const Order kPhoneHidden{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, 12};

// A drag on the phone from a button's home page to the page under its centre.
std::optional<Order> phoneDrag(const Order& order, std::size_t index, int target) {
    bool home = ToolGrid::isFirstPagePosition(order[index]);
    bool centre = ToolGrid::isFirstPagePosition(target);
    return ToolButtonOrder::dragged(order, index, target, home, centre, true);
}

}  // namespace

TEST(ToolButtonOrderTest, DefaultOrdersOfAFirstStart) {
    EXPECT_EQ(ToolButtonOrder::defaultOrder(kPhoneButtons, std::nullopt, true), kPhoneShown);
    // Hidden feedback leaves 11 empty and the game opens the second page.
    EXPECT_EQ(ToolButtonOrder::defaultOrder(kPhoneButtons, kPhoneFeedback, true), kPhoneHidden);
    EXPECT_EQ(ToolButtonOrder::defaultOrder(kTabletButtons, std::nullopt, false),
              (Order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(ToolButtonOrder::defaultOrder(kTabletButtons, kTabletFeedback, false),
              (Order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 10}));
}

TEST(ToolButtonOrderTest, ClosestPositionsOnBothGrids) {
    ToolGrid phone = ToolGrid::phone();
    // Every position's centre is its own closest position.
    for (int p = 0; p < 24; ++p) EXPECT_EQ(phone.closestPosition(phone.centreOfPosition(p)), p) << p;
    EXPECT_EQ(phone.centreOfPosition(13).x, 480);
    EXPECT_EQ(phone.centreOfPosition(13).y, 57);
    EXPECT_EQ(phone.closestPosition({109, 104}), 0);  // just short of half a step
    EXPECT_EQ(phone.closestPosition({111, 106}), 4);
    EXPECT_EQ(phone.closestPosition({300, 900}), 11);  // below the first page: its last place
    EXPECT_EQ(phone.closestPosition({640, 900}), 23);
    EXPECT_EQ(phone.closestPosition({319, 57}), 2);
    EXPECT_EQ(phone.closestPosition({320, 57}), kNone);  // the second page's left margin
    EXPECT_EQ(phone.closestPosition({10, 57}), kNone);
    EXPECT_EQ(phone.closestPosition({60, 8}), kNone);

    ToolGrid portrait = ToolGrid::tablet(false), landscape = ToolGrid::tablet(true);
    for (int p = 0; p < 15; ++p) {
        EXPECT_EQ(portrait.closestPosition(portrait.centreOfPosition(p)), p) << p;
        EXPECT_EQ(landscape.closestPosition(landscape.centreOfPosition(p)), p) << p;
    }
    EXPECT_EQ(portrait.centreOfPosition(7).x, 384);
    EXPECT_EQ(landscape.centreOfPosition(7).x, 512);
    EXPECT_EQ(portrait.closestPosition({2000, 95}), 4);      // right of the grid: the last column
    EXPECT_EQ(portrait.closestPosition({84, 1e12}), kNone);  // far off: no overflow
    EXPECT_EQ(landscape.closestPosition({-4, 95}), kNone);
    EXPECT_EQ(landscape.closestPosition({0, 95}), 0);
    EXPECT_EQ(landscape.closestPosition({100, 0}), kNone);
}

TEST(ToolButtonOrderTest, DragsWithinAPage) {
    // The button at 2 onto 7: the buttons at 3 to 7 move down.
    Order there = *phoneDrag(kPhoneShown, 2, 7);
    EXPECT_EQ(there, (Order{0, 1, 7, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}));
    // And back: the buttons at 2 to 6 move up again.
    EXPECT_EQ(*phoneDrag(there, 2, 2), kPhoneShown);

    // Past the page's last button a target becomes that last place; from the last place nothing moves.
    EXPECT_EQ(*phoneDrag(kPhoneHidden, 3, 11), (Order{0, 1, 2, 10, 3, 4, 5, 6, 7, 8, 9, -1, 12}));
    EXPECT_FALSE(phoneDrag(kPhoneHidden, 10, 11));
    // No target, or the button's own place: no change.
    EXPECT_FALSE(ToolButtonOrder::dragged(kPhoneShown, 4, kNone, true, true, true));
    EXPECT_FALSE(phoneDrag(kPhoneShown, 4, 4));
    // The hidden feedback button is not dragged.
    EXPECT_FALSE(phoneDrag(kPhoneHidden, kPhoneFeedback, 3));

    // The tablet: one grid, clamped to its last button.
    Order tablet = ToolButtonOrder::defaultOrder(kTabletButtons, std::nullopt, false);
    EXPECT_EQ(*ToolButtonOrder::dragged(tablet, 1, 14, true, true, false),
              (Order{0, 11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(*ToolButtonOrder::dragged(tablet, 9, 0, true, true, false),
              (Order{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10, 11}));
}

TEST(ToolButtonOrderTest, DragsAcrossThePhonesPages) {
    // The first button to the second page: the first page closes up, and the button lands just
    // after the game (the first free place there), not further.
    Order moved = *phoneDrag(kPhoneShown, 0, 17);
    EXPECT_EQ(moved, (Order{13, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}));
    // Another one onto the game's place: the game and the first one make room.
    moved = *phoneDrag(moved, 5, 12);
    EXPECT_EQ(moved, (Order{14, 0, 1, 2, 3, 12, 4, 5, 6, 7, 8, 9, 13}));
    // Back to the first page, between the buttons there.
    moved = *phoneDrag(moved, 0, 1);
    EXPECT_EQ(moved, (Order{1, 0, 2, 3, 4, 12, 5, 6, 7, 8, 9, 10, 13}));

    // The game from the second page to the first when feedback is hidden: the second page empties.
    EXPECT_EQ(*phoneDrag(kPhoneHidden, kPhoneGame, 3), (Order{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, -1, 3}));
    // Onto a full first page: nothing moves, but the drag is taken (the button goes home).
    EXPECT_EQ(*phoneDrag(kPhoneShown, kPhoneGame, 3), kPhoneShown);
}

TEST(ToolButtonOrderTest, TheFeedbackButtonsFirstAppearance) {
    // Room on the first page: the feedback button takes the place after its last button.
    EXPECT_EQ(ToolButtonOrder::withFeedbackInserted(kPhoneHidden, kPhoneFeedback, true), kPhoneShown);
    // A full first page: the buttons from 11 on move one place up.
    Order full{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, -1, 3};
    EXPECT_EQ(ToolButtonOrder::withFeedbackInserted(full, kPhoneFeedback, true),
              (Order{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 12, 11, 3}));
    // The tablet: after the last button.
    EXPECT_EQ(
        ToolButtonOrder::withFeedbackInserted(
            ToolButtonOrder::defaultOrder(kTabletButtons, kTabletFeedback, false), kTabletFeedback, false),
        (Order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10}));
    // Once placed it is never inserted again, whatever the feedback counter says.
    EXPECT_EQ(ToolButtonOrder::withFeedbackInserted(full, 0, true), full);
    EXPECT_EQ(ToolButtonOrder::withFeedbackInserted(kPhoneShown, kPhoneFeedback, true), kPhoneShown);
}

TEST(ToolButtonOrderTest, StoredOrdersThatLackButtonsOrAreDamaged) {
    EXPECT_EQ(ToolButtonOrder::completed(kPhoneShown, kPhoneButtons, kPhoneFeedback, true), kPhoneShown);
    EXPECT_EQ(ToolButtonOrder::completed(kPhoneHidden, kPhoneButtons, kPhoneFeedback, true), kPhoneHidden);
    // An older order without the last two: the feedback button waits hidden, the game takes its
    // own index as that is free.
    EXPECT_EQ(
        ToolButtonOrder::completed({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, kPhoneButtons, kPhoneFeedback, true),
        kPhoneHidden);
    // Its own index is taken after a drag: the lowest free place, not on top of another button.
    EXPECT_EQ(ToolButtonOrder::completed({12, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1}, kPhoneButtons,
                                         kPhoneFeedback, true),
              (Order{12, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 10}));
    // Duplicates, positions off the grid and -1 on another button are placed anew; extra entries go.
    EXPECT_EQ(ToolButtonOrder::completed({0, 0, -1, 99, -7, 5, 6, 7, 8, 9, 10, 11, 12, 40}, kPhoneButtons,
                                         kPhoneFeedback, true),
              (Order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(ToolButtonOrder::completed({2147483647, 0}, 3, std::nullopt, false), (Order{1, 0, 2}));
}
