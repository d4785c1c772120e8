#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/ObjectPool.h"

using fnd::ObjectPool;

namespace {

struct Item : fnd::Object {
    std::uint64_t value = 0;
    double weight = 0;
};

// Items made in a scope on a thread of their own, over several blocks, each with its value.
std::vector<std::shared_ptr<Item>> makeElsewhere(std::size_t count) {
    std::vector<std::shared_ptr<Item>> items;
    std::thread([&] {
        ObjectPool::Scope pooling;
        for (std::size_t i = 0; i < count; ++i) {
            items.push_back(ObjectPool::make<Item>());
            items.back()->value = i * 2654435761u;
        }
    }).join();
    return items;
}

TEST(ObjectPool, ObjectsOutliveTheThreadThatMadeThemAndGoOnAnyThread) {
    // More than fit one block, made on a thread that has ended before any goes.
    auto items = makeElsewhere(60000);
    for (std::size_t i = 0; i < items.size(); ++i) {
        ASSERT_EQ(items[i]->value, i * 2654435761u) << i;
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(items[i].get()) % alignof(std::max_align_t), 0u);
        // A pooled object knows the pointer that owns it, as one made on the heap does.
        ASSERT_EQ(items[i]->sharedAs<Item>(), items[i]) << i;
    }
    // Half go on a thread of their own, the rest here, in another order than they were made.
    std::thread([&] {
        for (std::size_t i = 0; i < items.size(); i += 2) items[i].reset();
    }).join();
    for (std::size_t i = items.size(); i-- > 0;) items[i].reset();
    // Blocks given back take nothing with them that later objects need.
    auto again = makeElsewhere(1000);
    EXPECT_EQ(again.back()->value, std::uint64_t{999} * 2654435761u);
}

TEST(ObjectPool, OnlyAThreadWithinAScopeFillsBlocks) {
    EXPECT_FALSE(ObjectPool::inScope());
    {
        ObjectPool::Scope outer;
        {
            ObjectPool::Scope inner;
            EXPECT_TRUE(ObjectPool::inScope());
        }
        EXPECT_TRUE(ObjectPool::inScope());
        bool elsewhere = true;
        std::thread([&] { elsewhere = ObjectPool::inScope(); }).join();
        EXPECT_FALSE(elsewhere);
    }
    EXPECT_FALSE(ObjectPool::inScope());
    EXPECT_EQ(ObjectPool::make<Item>()->value, 0u);
}

}  // namespace
