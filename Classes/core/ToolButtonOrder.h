#pragma once
// The order of the home screen's grid buttons: at index i the grid position of the i-th button of
// the home screen's fixed button list; -1 for the feedback button while it is hidden. The order is
// the repository's `toolButtonsOrder` and survives restarts.
//
// Every change is computed from the positions before it, so buttons that make room never collide
// with the button that moves.

#include <cstddef>
#include <optional>
#include <vector>

class ToolButtonOrder {
  public:
    using Order = std::vector<int>;

    // The position of the hidden feedback button.
    static constexpr int kHidden = -1;

    // The order of a first start: the buttons in list order; the hidden feedback button gets -1
    // and the buttons after it close up. On the phone the last button opens the second page when
    // it would otherwise end the first one.
    static Order defaultOrder(std::size_t buttons, std::optional<std::size_t> hiddenFeedback, bool phone);

    // The position of a button; ToolGrid::kNoPosition when the order is too short to hold one.
    static int positionOf(const Order& order, std::size_t index);
    // The first button at a position.
    static std::optional<std::size_t> indexAt(const Order& order, int position);

    // An order stored by an older version may lack the buttons added since: each gets its own
    // index as its position when that is free, else the lowest free position (on the phone the
    // first page first); a missing feedback button gets -1, and its first appearance places it.
    // Entries that cannot be positions (negative, or -1 on another button than the feedback
    // button, beyond the grid, or a position an earlier button holds) count as missing, so a
    // damaged order still places every button once. An intact order comes back unchanged.
    static Order completed(const Order& order, std::size_t buttons, std::optional<std::size_t> feedback,
                           bool phone);

    // A drag of button `index`, whose home point is on the first page or not (`homeOnFirstPage`),
    // now over position `target` on the page under its centre (`centreOnFirstPage`); the tablet
    // has one page. Answers the new order; nothing when the drag changes nothing (no target, the
    // button's own position, or past the last button of a page it is already the last of). When
    // the phone's other page is full the order comes back unchanged.
    static std::optional<Order> dragged(const Order& order, std::size_t index, int target,
                                        bool homeOnFirstPage, bool centreOnFirstPage, bool phone);

    // The feedback button's first appearance: it takes the place after the last button (on the
    // phone the first page's, the buttons from 11 on making room when that page is full).
    static Order withFeedbackInserted(const Order& order, std::size_t feedback, bool phone);

  private:
    // The working copy of a change: look-ups read the order before the change, moves write here.
    class Change;
};
