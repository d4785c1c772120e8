#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

#include "platform/foundation/LargePages.h"

using fnd::LargePageAllocator;
using fnd::LargePages;

TEST(LargePages, MappingsAreWholeLargePages) {
    constexpr std::size_t page = LargePages::kSize;
    const std::pair<std::size_t, std::size_t> cases[] = {
        {1, page}, {page - 1, page}, {page, page}, {page + 1, 2 * page}, {5 * page + 7, 6 * page}};
    for (auto [bytes, length] : cases) EXPECT_EQ(LargePages::lengthFor(bytes), length) << bytes;
    auto* memory = static_cast<std::uint8_t*>(LargePages::map(page + 1));
    ASSERT_TRUE(memory);
    // Zero-filled and writable to its last byte.
    EXPECT_EQ(memory[0], 0);
    EXPECT_EQ(memory[2 * page - 1], 0);
    memory[2 * page - 1] = 7;
    LargePages::unmap(memory, page + 1);
}

TEST(LargePages, ContainersKeepTheirValuesOnBothSidesOfTheThreshold) {
    using Vector = std::vector<std::uint32_t, LargePageAllocator<std::uint32_t>>;
    constexpr std::size_t atThreshold = LargePages::kSize / sizeof(std::uint32_t);
    for (std::size_t count :
         {std::size_t(0), std::size_t(1), atThreshold - 1, atThreshold, 3 * atThreshold + 5}) {
        SCOPED_TRACE(count);
        Vector values;
        values.reserve(count);
        for (std::size_t i = 0; i < count; ++i) values.push_back(static_cast<std::uint32_t>(i * 2654435761u));
        // Grown by doubling through the threshold, copied and moved: every value stays.
        Vector grown;
        for (std::uint32_t v : values) grown.push_back(v);
        Vector copy = grown;
        Vector moved = std::move(grown);
        EXPECT_TRUE(grown.empty());
        EXPECT_EQ(copy, values);
        EXPECT_EQ(moved, values);
        moved.clear();
        moved.shrink_to_fit();
        EXPECT_EQ(copy, values);
    }
}
