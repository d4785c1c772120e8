#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/foundation/BinaryPropertyListReader.h"
#include "platform/foundation/BinaryPropertyListStream.h"
#include "platform/foundation/BinaryPropertyListWriter.h"
#include "platform/foundation/PropertyList.h"
#include "platform/foundation/PropertyListOffsets.h"

using namespace fnd;
using Ref = PropertyList::Ref;

namespace {

constexpr std::size_t kExact = BinaryPropertyListStream::kExactObjects;

// One list built twice by the same calls: as a PropertyList, for the whole-list writer, and in a
// stream. Every call must give both the same number.
struct Both {
    PropertyList list;
    BinaryPropertyListStream stream;
    template <class Add>
    Ref add(Add add) {
        Ref a = add(list);
        Ref b = add(stream);
        EXPECT_EQ(a, b);
        return a;
    }
    std::vector<std::uint8_t> written(Ref top) {
        list.setTop(top);
        return BinaryPropertyListWriter::write(list);
    }
    std::vector<std::uint8_t> streamed(Ref top) {
        EXPECT_TRUE(stream.finish(top));
        return stream.take();
    }
};

// Every kind of object, repeated scalars and strings, nested containers, then `fill` distinct
// integers gathered in one array.
Ref buildMixed(Both& b, std::size_t fill) {
    std::vector<Ref> members;
    for (int round = 0; round < 2; ++round) {
        members.push_back(b.add([](auto& l) { return l.addNull(); }));
        members.push_back(b.add([](auto& l) { return l.addBoolean(true); }));
        members.push_back(b.add([](auto& l) { return l.addBoolean(false); }));
        members.push_back(b.add([](auto& l) { return l.addInteger(-1); }));
        members.push_back(b.add([](auto& l) { return l.addInteger(1LL << 40); }));
        members.push_back(b.add([](auto& l) { return l.addUnsignedInteger(~0ULL); }));
        members.push_back(b.add([](auto& l) { return l.addReal(0.1); }));
        members.push_back(b.add([](auto& l) { return l.addFloat(0.1f); }));
        members.push_back(b.add([](auto& l) { return l.addDate(-12345.5); }));
        members.push_back(b.add([](auto& l) { return l.addUid(7); }));
        members.push_back(b.add([](auto& l) {
            std::vector<std::uint8_t> bytes{0, 1, 255};
            return l.addData(bytes);
        }));
        members.push_back(b.add([](auto& l) { return l.addString("a key"); }));
        members.push_back(
            b.add([](auto& l) { return l.addString("Caf\xC3\xA9 \xF0\x9F\x98\x80, bad \xFF byte"); }));
        members.push_back(b.add([](auto& l) { return l.addString(std::string(300, 'x')); }));
    }
    Ref inner = b.add([&](auto& l) { return l.addArray(std::span<const Ref>(members.data(), 3)); });
    Ref keys[] = {members[11], members[12]};
    Ref values[] = {inner, members[3]};
    Ref dictionary = b.add([&](auto& l) { return l.addDictionary(keys, values); });
    members.push_back(dictionary);
    for (std::size_t i = 0; i < fill; ++i)
        members.push_back(b.add([&](auto& l) { return l.addInteger(static_cast<std::int64_t>(1000 + i)); }));
    return b.add([&](auto& l) { return l.addArray(members); });
}

TEST(BinaryPropertyListStream, ComesOutAsTheWholeListWriterWritesIt) {
    // Sizes around each width of references, and past the size where the stream stops keeping
    // every number: with distinct numbers there, nothing it forgets would have been shared.
    const std::size_t fills[] = {0, 200, 300, 65000, kExact, kExact + 1, 100000};
    for (std::size_t fill : fills) {
        Both b;
        Ref top = buildMixed(b, fill);
        std::vector<std::uint8_t> written = b.written(top);
        EXPECT_EQ(b.streamed(top), written) << fill << " numbers";
    }
}

TEST(BinaryPropertyListStream, ASinkGetsTheSameBytesInPiecesAndALargeListNeverWhole) {
    for (std::size_t fill : {std::size_t{10}, std::size_t{150000}}) {
        BinaryPropertyListStream inMemory;
        std::vector<std::uint8_t> gathered;
        std::size_t pieces = 0, largest = 0;
        BinaryPropertyListStream toSink([&](std::span<const std::uint8_t> piece) {
            gathered.insert(gathered.end(), piece.begin(), piece.end());
            ++pieces;
            largest = std::max(largest, piece.size());
            return true;
        });
        for (auto* s : {&inMemory, &toSink}) {
            std::vector<Ref> members;
            for (std::size_t i = 0; i < fill; ++i) {
                members.push_back(s->addInteger(static_cast<std::int64_t>(i % 1000)));
                members.push_back(s->addString("key " + std::to_string(i % 50)));
                members.push_back(s->addReal(static_cast<double>(i)));
            }
            EXPECT_TRUE(s->finish(s->addArray(members)));
        }
        std::vector<std::uint8_t> bytes = inMemory.take();
        EXPECT_EQ(gathered, bytes);
        if (fill > kExact) {
            EXPECT_GT(pieces, 4u);
            EXPECT_LT(largest, bytes.size() / 4);
        }
        // Read back, every member has its value, whether or not an equal number was shared.
        std::string error;
        auto back = BinaryPropertyListReader::read(bytes, &error);
        ASSERT_TRUE(back) << error;
        auto items = back->items(back->top());
        ASSERT_EQ(items.size(), 3 * fill);
        for (std::size_t i = 0; i < fill; i += 997) {
            EXPECT_EQ(back->integer(items[3 * i]), static_cast<std::int64_t>(i % 1000));
            EXPECT_EQ(back->string(items[3 * i + 1]), "key " + std::to_string(i % 50));
            EXPECT_EQ(back->real(items[3 * i + 2]), static_cast<double>(i));
        }
    }
}

TEST(BinaryPropertyListStream, ASinkThatFailsFailsTheListAndIsNotAskedAgain) {
    int calls = 0;
    BinaryPropertyListStream s([&](std::span<const std::uint8_t>) {
        ++calls;
        return false;
    });
    std::vector<Ref> members;
    for (int i = 0; i < 200000; ++i) members.push_back(s.addInteger(i));
    EXPECT_FALSE(s.finish(s.addArray(members)));
    EXPECT_EQ(calls, 1);
}

TEST(BinaryPropertyListStream, AnEmptyListHasANullRootAndMembersMustComeFirst) {
    BinaryPropertyListStream empty;
    ASSERT_TRUE(empty.finish(0));
    auto back = BinaryPropertyListReader::read(empty.take());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->kind(back->top()), PropertyList::Kind::Null);

    BinaryPropertyListStream early;
    Ref later[] = {early.addInteger(1) + 1};
    EXPECT_THROW(early.addArray(later), std::invalid_argument);
}

TEST(BinaryPropertyListStream, NumbersThatRecurInALargeListAreStillStoredAboutOnce) {
    // Past the exact size a cache finds equal numbers: the few values that recur in every entry of
    // a large archive (times, counts, class references) must still be written about once.
    BinaryPropertyListStream s;
    std::vector<Ref> members;
    for (std::size_t i = 0; i < kExact; ++i)
        members.push_back(s.addInteger(static_cast<std::int64_t>(i) + 1000000));
    for (int i = 0; i < 60000; ++i) {
        members.push_back(s.addReal(20.0 + i % 180));
        members.push_back(s.addInteger(i % 180));
        members.push_back(s.addUid(static_cast<std::uint32_t>(i % 40)));
        members.push_back(s.addReal(700000000.0 + i * 37.0));  // a distinct time in between
    }
    std::size_t distinct = kExact + 3 * 180 + 60000;
    ASSERT_TRUE(s.finish(s.addArray(members)));
    auto bytes = s.take();
    std::uint64_t objects = 0;
    for (std::size_t i = bytes.size() - 24; i < bytes.size() - 16; ++i) objects = objects << 8 | bytes[i];
    EXPECT_LT(objects, distinct + 3000);  // of 180,000 recurring values
}

TEST(PropertyListOffsets, FourBytesEachUntilOneIsPastTheLimitAndEveryOffsetKept) {
    // A file past 4 GB cannot be made in a test: the limit is lowered to 1,000 instead.
    struct Step {
        const char* what;
        std::vector<std::uint64_t> pushed;
        std::vector<std::pair<std::size_t, std::uint64_t>> set;
        bool wide;
    };
    const Step steps[] = {
        {"below the limit", {0, 10, 999, 1000}, {}, false},
        {"one past it", {0, 10, 1001, 1002}, {}, true},
        {"one set past it", {0, 10, 999}, {{1, 5000}}, true},
        {"set lower, as narrowing does", {0, 400, 900}, {{2, 450}}, false},
        {"a large file", {0, 1u << 20, 5'000'000'000ull, 5'000'000'100ull}, {}, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        bool large = step.pushed.back() > 1'000'000;
        PropertyListOffsets offsets = large ? PropertyListOffsets() : PropertyListOffsets(1000);
        std::vector<std::uint64_t> expected = step.pushed;
        for (std::uint64_t o : step.pushed) offsets.push_back(o);
        for (auto [index, o] : step.set) {
            offsets.set(index, o);
            expected[index] = o;
        }
        EXPECT_EQ(offsets.isWide(), step.wide);
        ASSERT_EQ(offsets.size(), expected.size());
        EXPECT_EQ(offsets.back(), expected.back());
        for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(offsets[i], expected[i]) << i;
        for (std::uint64_t o : expected) {
            EXPECT_EQ(offsets.front(), o);
            offsets.pop_front();
        }
        EXPECT_TRUE(offsets.empty());
    }
}

}  // namespace
