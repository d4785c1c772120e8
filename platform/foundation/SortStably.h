#pragma once
// A stable sort for ranges that are mostly short, such as the members of a map: a short range is
// sorted in place without the buffer std::stable_sort takes, a long one by std::stable_sort.

#include <algorithm>
#include <cstddef>
#include <utility>

namespace fnd {

template <class Iterator, class Less>
void sortStably(Iterator begin, Iterator end, Less less) {
    constexpr std::ptrdiff_t kInPlaceUpTo = 16;
    if (end - begin > kInPlaceUpTo) {
        std::stable_sort(begin, end, less);
        return;
    }
    for (Iterator next = begin; next != end; ++next) {
        if (next == begin || !less(*next, *(next - 1))) continue;
        auto moving = std::move(*next);
        Iterator at = next;
        for (; at != begin && less(moving, *(at - 1)); --at) *at = std::move(*(at - 1));
        *at = std::move(moving);
    }
}

}  // namespace fnd
