#include "Classes/core/ToolButtonOrder.h"

#include <algorithm>
#include <set>

#include "Classes/core/ToolGrid.h"

namespace {

constexpr int kPageSize = ToolGrid::kPhonePageSize;
constexpr int kFirstPageLast = kPageSize - 1;
constexpr int kSecondPageLast = 2 * kPageSize - 1;

// The highest position held within [low, high]; `none` when no button holds one.
int highestBetween(const ToolButtonOrder::Order& order, int low, int high, int none) {
    int best = none;
    for (int p : order)
        if (p >= low && p <= high && (best == none || p > best)) best = p;
    return best;
}
// On the phone these answer the last position held on the first page (-1 for an empty page) and
// on the second page (11 for an empty one).
int lastOfFirstPage(const ToolButtonOrder::Order& order) {
    return highestBetween(order, 0, kFirstPageLast, -1);
}
int lastOfSecondPage(const ToolButtonOrder::Order& order) {
    return highestBetween(order, kPageSize, ToolGrid::kNoPosition - 1, kFirstPageLast);
}
// On the tablet this answers the last position held; -1 when no button holds one.
int lastOfGrid(const ToolButtonOrder::Order& order) {
    return highestBetween(order, 0, ToolGrid::kNoPosition - 1, -1);
}

}  // namespace

class ToolButtonOrder::Change {
  public:
    explicit Change(const Order& before) : before_(before), after_(before) {}

    // Every button at a position from `low` to `high` moves by `delta` (one place up or down).
    void shift(int low, int high, int delta) {
        for (std::size_t i = 0; i < before_.size(); ++i) {
            int p = before_[i];
            if (p >= low && p <= high && indexAt(before_, p) == i) after_[i] = p + delta;
        }
    }
    void put(std::size_t index, int position) {
        if (index < after_.size()) after_[index] = position;
    }
    const Order& result() const { return after_; }

  private:
    const Order& before_;
    Order after_;
};

ToolButtonOrder::Order ToolButtonOrder::defaultOrder(std::size_t buttons,
                                                     std::optional<std::size_t> hiddenFeedback, bool phone) {
    Order order(buttons);
    int shift = 0;
    for (std::size_t i = 0; i < buttons; ++i) {
        if (hiddenFeedback && i == *hiddenFeedback) {
            order[i] = kHidden;
            shift = 1;
        } else {
            order[i] = static_cast<int>(i) - shift;
        }
    }
    if (phone && buttons > 0 && order.back() < kPageSize && order.back() != kHidden) order.back() = kPageSize;
    return order;
}

int ToolButtonOrder::positionOf(const Order& order, std::size_t index) {
    return index < order.size() ? order[index] : ToolGrid::kNoPosition;
}

std::optional<std::size_t> ToolButtonOrder::indexAt(const Order& order, int position) {
    auto it = std::find(order.begin(), order.end(), position);
    if (it == order.end()) return std::nullopt;
    return static_cast<std::size_t>(it - order.begin());
}

ToolButtonOrder::Order ToolButtonOrder::completed(const Order& order, std::size_t buttons,
                                                  std::optional<std::size_t> feedback, bool phone) {
    // Positions beyond these are damage, not arrangements: the phone has two pages, and the tablet
    // never needs more rows than buttons.
    const int limit = phone ? 2 * kPageSize : ToolGrid::kTabletColumns * static_cast<int>(buttons);
    Order result(buttons, ToolGrid::kNoPosition);
    std::set<int> taken;
    for (std::size_t i = 0; i < buttons && i < order.size(); ++i) {
        int p = order[i];
        bool hidden = p == kHidden && feedback == i;
        if (hidden || (p >= 0 && p < limit && taken.insert(p).second)) result[i] = p;
    }
    for (std::size_t i = 0; i < buttons; ++i) {
        if (result[i] != ToolGrid::kNoPosition) continue;
        if (feedback == i) {
            result[i] = kHidden;
            continue;
        }
        int p = static_cast<int>(i);
        if (p >= limit || taken.count(p)) {
            p = 0;
            while (taken.count(p)) ++p;
        }
        taken.insert(p);
        result[i] = p;
    }
    return result;
}

std::optional<ToolButtonOrder::Order> ToolButtonOrder::dragged(const Order& order, std::size_t index,
                                                               int target, bool homeOnFirstPage,
                                                               bool centreOnFirstPage, bool phone) {
    const int n = positionOf(order, index);
    if (target == ToolGrid::kNoPosition || n == ToolGrid::kNoPosition || n < 0 || target == n)
        return std::nullopt;
    Change change(order);
    const int m1 = lastOfFirstPage(order);
    const int m2 = lastOfSecondPage(order);

    if (!phone || homeOnFirstPage == centreOnFirstPage) {
        const int last = !phone ? lastOfGrid(order) : homeOnFirstPage ? m1 : m2;
        if (target < n) {
            change.shift(target, n - 1, +1);
        } else {
            if (n == last) return std::nullopt;
            target = std::min(target, last);
            change.shift(n + 1, target, -1);
        }
        change.put(index, target);
        return change.result();
    }

    // To the other page: the gap left behind closes, and the button lands at most just after the
    // other page's last button.
    const bool toSecond = homeOnFirstPage;
    const int otherLast = toSecond ? m2 : m1;
    if (otherLast >= (toSecond ? kSecondPageLast : kFirstPageLast)) return order;
    change.shift(n + 1, toSecond ? m1 : m2, -1);
    const int q = otherLast + 1;
    target = std::min(target, q);
    if (target < q) change.shift(target, otherLast, +1);
    change.put(index, target);
    return change.result();
}

ToolButtonOrder::Order ToolButtonOrder::withFeedbackInserted(const Order& order, std::size_t feedback,
                                                             bool phone) {
    if (positionOf(order, feedback) != kHidden) return order;
    Change change(order);
    if (!phone) {
        change.put(feedback, lastOfGrid(order) + 1);
    } else if (int m1 = lastOfFirstPage(order); m1 < kFirstPageLast) {
        change.put(feedback, m1 + 1);
    } else {
        change.shift(kFirstPageLast, lastOfSecondPage(order), +1);
        change.put(feedback, kFirstPageLast);
    }
    return change.result();
}
