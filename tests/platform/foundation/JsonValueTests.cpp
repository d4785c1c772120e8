#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "platform/foundation/Json.h"

namespace {

// While set, every allocation this thread makes is counted there.
thread_local std::size_t* countedAllocations = nullptr;

}  // namespace

// The allocations of this test program go through here, so that a test can count its own. The
// compiler takes the free() of memory from operator new for a mistake; here it is the pair.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (countedAllocations) ++*countedAllocations;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop

namespace {

using fnd::Json;
using fnd::JsonValue;

std::vector<std::string> keys(const JsonValue::Map& map) {
    std::vector<std::string> out;
    for (const auto& [key, value] : map) out.push_back(key);
    return out;
}

TEST(JsonValue, AMapHoldsEachKeyOnceInKeyOrderAndTheLaterValueWins) {
    JsonValue::Map map{{"b", 1}, {"a", 2}, {"c", 3}, {"a", 4}};
    EXPECT_EQ(keys(map), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(JsonValue(map)["a"].asInteger(), 4);

    map["0"] = "first";
    map["b"] = "changed";
    EXPECT_TRUE(map.insert_or_assign("d", 5).second);
    EXPECT_FALSE(map.insert_or_assign("d", 6).second);
    EXPECT_FALSE(map.emplace("c", 7).second);  // an existing member stays
    EXPECT_TRUE(map.emplace("\xC3\xA9", 8).second);
    EXPECT_EQ(map.erase("absent"), 0u);
    EXPECT_EQ(map.erase("a"), 1u);
    EXPECT_EQ(keys(map), (std::vector<std::string>{"0", "b", "c", "d", "\xC3\xA9"}));
    JsonValue value(map);
    EXPECT_EQ(value["b"].asString(), "changed");
    EXPECT_EQ(value["c"].asInteger(), 3);
    EXPECT_EQ(value["d"].asInteger(), 6);
    EXPECT_EQ(value["\xC3\xA9"].asInteger(), 8);
    EXPECT_FALSE(value.contains("a"));
    EXPECT_TRUE(value["a"].isNull());

    // Maps are equal when they hold the same members, whatever order they were given in.
    EXPECT_EQ(JsonValue(JsonValue::Map{{"x", 1}, {"y", 2}}), JsonValue(JsonValue::Map{{"y", 2}, {"x", 1}}));
    EXPECT_FALSE(JsonValue(JsonValue::Map{{"x", 1}}) == JsonValue(JsonValue::Map{{"x", 2}}));
}

TEST(JsonValue, AReadMapIsInKeyOrderWithTheLastOfEqualKeys) {
    // Long maps are sorted another way than short ones; both keep the last of equal keys.
    for (int size : {5, 40}) {
        std::string text = "{";
        for (int i = size; i > 0; --i)
            text += "\"k" + std::to_string(i % 7) + "-" + std::to_string(i) + "\": 0, ";
        text += R"("k1-1": "again", "k1-1": "last"})";
        std::optional<JsonValue> value = Json::parse(text);
        ASSERT_TRUE(value);
        std::vector<std::string> read = keys(value->asMap());
        EXPECT_TRUE(std::is_sorted(read.begin(), read.end())) << text;
        EXPECT_EQ(read.size(), static_cast<std::size_t>(size)) << text;
        EXPECT_EQ((*value)["k1-1"].asString(), "last") << text;
    }
}

TEST(JsonValue, ReadingAllocatesOnceForEachArrayAndMap) {
    struct Case {
        const char* text;
        std::size_t allocations;
    };
    for (const Case& c : {
             Case{"[1, 2, 3, 4, 5, 6, 7, 8, 9, 10]", 1},
             Case{R"({"e": 5, "d": 4, "c": 3, "b": 2, "a": 1, "c": 0})", 1},
             // Empty arrays and maps take nothing.
             Case{R"([{"id": 1, "tags": ["x", "y", "z"]}, {"id": 2, "tags": []}, {}])", 4},
             // Only a text too long to be kept in its value takes memory of its own.
             Case{R"({"short": "abc", "long": "a text longer than a short one is kept"})", 2},
         }) {
        Json::parse(c.text);  // the reader's own buffers are made at its first use
        std::size_t allocations = 0;
        countedAllocations = &allocations;
        std::optional<JsonValue> value = Json::parse(c.text);
        countedAllocations = nullptr;
        EXPECT_TRUE(value) << c.text;
        EXPECT_EQ(allocations, c.allocations) << c.text;
    }
}

}  // namespace
