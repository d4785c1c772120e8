#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/foundation/LargePages.h"

using fnd::LargePages;

TEST(LargePages, BlocksOnBothSidesOfTheThresholdKeepTheirValues) {
    constexpr std::size_t page = LargePages::kSize;
    for (auto [bytes, length] : {std::pair{std::size_t(1), page}, {page, page}, {page + 1, 2 * page}})
        EXPECT_EQ(LargePages::lengthFor(bytes), length) << bytes;
    // Grown by doubling through the threshold, copied and moved: every value stays.
    using Vector = std::vector<std::uint32_t, fnd::LargePageAllocator<std::uint32_t>>;
    std::vector<std::uint32_t> expected;
    Vector grown;
    for (std::uint32_t i = 0; i < 3 * page / sizeof(std::uint32_t) + 5; ++i) {
        expected.push_back(i * 2654435761u);
        grown.push_back(expected.back());
    }
    Vector copy = grown, moved = std::move(grown);
    EXPECT_TRUE(std::equal(copy.begin(), copy.end(), expected.begin(), expected.end()));
    EXPECT_TRUE(std::equal(moved.begin(), moved.end(), expected.begin(), expected.end()));
}
