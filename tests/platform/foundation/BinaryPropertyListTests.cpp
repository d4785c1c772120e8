#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "platform/foundation/BinaryPropertyListReader.h"
#include "platform/foundation/BinaryPropertyListWriter.h"
#include "platform/foundation/PropertyList.h"
#include "tests/platform/foundation/ArchiveTestModels.h"

using namespace fnd;
using Kind = PropertyList::Kind;
using Ref = PropertyList::Ref;

namespace {

PropertyList reread(const PropertyList& pl) {
    std::string error;
    auto back = BinaryPropertyListReader::read(BinaryPropertyListWriter::write(pl), &error);
    EXPECT_TRUE(back) << error;
    return back ? std::move(*back) : PropertyList();
}

std::string readError(const std::vector<std::uint8_t>& bytes) {
    std::string error;
    auto result = BinaryPropertyListReader::read(bytes, &error);
    EXPECT_FALSE(result);
    return error;
}

// The trailer fields of a written list.
struct Trailer {
    unsigned offsetSize, refSize;
    std::uint64_t objects;
    explicit Trailer(const std::vector<std::uint8_t>& b) {
        const std::uint8_t* t = b.data() + b.size() - 32;
        offsetSize = t[6];
        refSize = t[7];
        objects = 0;
        for (int i = 8; i < 16; ++i) objects = objects << 8 | t[i];
    }
};

TEST(BinaryPropertyList, EveryKindRoundTrips) {
    PropertyList pl;
    std::vector<Ref> items;
    for (std::int64_t i : std::initializer_list<std::int64_t>{0, 255, 256, 65536, 4294967296, -1, INT64_MIN})
        items.push_back(pl.addInteger(i));
    items.push_back(pl.addUnsignedInteger(std::numeric_limits<std::uint64_t>::max()));
    items.push_back(pl.addReal(-0.25));
    items.push_back(pl.addFloat(3.5f));
    items.push_back(pl.addDate(-978307200.0));
    items.push_back(pl.addBoolean(true));
    items.push_back(pl.addNull());
    items.push_back(pl.addData(std::vector<std::uint8_t>(300, 0xAB)));
    items.push_back(pl.addString(""));
    items.push_back(pl.addString("plain ASCII that is longer than fifteen"));
    items.push_back(pl.addString("\xC3\xA9t\xC3\xA9 \xE2\x9C\x93 \xF0\x9F\x98\x80"));
    items.push_back(pl.addUid(70000));
    Ref key[] = {pl.addString("key")}, value[] = {pl.addArray({})};
    items.push_back(pl.addDictionary(key, value));
    pl.setTop(pl.addArray(items));

    // Read back, the table writes the very same bytes: every object kept its kind and value.
    auto bytes = BinaryPropertyListWriter::write(pl);
    PropertyList back = reread(pl);
    EXPECT_EQ(BinaryPropertyListWriter::write(back), bytes);
    auto got = back.items(back.top());
    ASSERT_EQ(got.size(), items.size());
    EXPECT_EQ(back.integer(got[6]), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(back.kind(got[7]), Kind::UnsignedInteger);
    EXPECT_TRUE(back.isFloat(got[9]));
    EXPECT_EQ(back.string(got[16]), "\xC3\xA9t\xC3\xA9 \xE2\x9C\x93 \xF0\x9F\x98\x80");
    EXPECT_EQ(back.uid(got[17]), 70000u);
    EXPECT_EQ(back.kind(*back.find(got[18], "key")), Kind::Array);
    EXPECT_FALSE(back.find(got[18], "other"));
}

TEST(BinaryPropertyList, EqualScalarsAreStoredOnceAndSizesAreTheSmallest) {
    PropertyList pl;
    EXPECT_EQ(pl.addString("same"), pl.addString("same"));
    EXPECT_EQ(pl.addInteger(7), pl.addInteger(7));
    EXPECT_EQ(pl.addUnsignedInteger(7), pl.addInteger(7));
    EXPECT_EQ(pl.addReal(7.0), pl.addReal(7.0));
    EXPECT_NE(pl.addReal(7.0), pl.addFloat(7.0f));
    EXPECT_NE(pl.addReal(7.0), pl.addDate(7.0));
    EXPECT_EQ(pl.addUid(3), pl.addUid(3));
    EXPECT_NE(pl.addUid(7), pl.addInteger(7));
    pl.setTop(pl.addString("same"));
    auto small = BinaryPropertyListWriter::write(pl);
    EXPECT_EQ(Trailer(small).objects, pl.size());
    EXPECT_EQ(Trailer(small).refSize, 1u);
    EXPECT_EQ(Trailer(small).offsetSize, 1u);

    std::vector<Ref> many;
    for (int i = 0; i < 300; ++i) many.push_back(pl.addInteger(1000 + i));
    pl.setTop(pl.addArray(many));
    auto larger = BinaryPropertyListWriter::write(pl);
    EXPECT_EQ(Trailer(larger).refSize, 2u);
    EXPECT_EQ(Trailer(larger).offsetSize, 2u);
}

TEST(BinaryPropertyList, TextIsMendedNotRejected) {
    PropertyList pl;
    pl.setTop(
        pl.addString("a\xFF"
                     "b\xC3"));  // a stray byte and a cut sequence
    PropertyList back = reread(pl);
    EXPECT_EQ(back.string(back.top()),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");

    // UTF-16 with a lone surrogate, and Latin-1 bytes in an ASCII string, as other writers produce.
    std::vector<std::uint8_t> file = {
        'b',  'p',  'l',  'i',  's',  't', '0', '0', 0xA2, 1, 2,  // at 8: an array of objects 1 and 2
        0x62, 0xD8, 0x3D, 0x00, 0x41,                             // at 11: "\xD83D" "A"
        0x51, 0xE9,                                               // at 16: "é" in Latin-1
        8,    11,   16,                                           // at 18: the offsets
        0,    0,    0,    0,    0,    0,   1,   1,                // one-byte offsets and references
        0,    0,    0,    0,    0,    0,   0,   3,                // three objects
        0,    0,    0,    0,    0,    0,   0,   0,                // the top is object 0
        0,    0,    0,    0,    0,    0,   0,   18};              // the offset table's place
    auto read = BinaryPropertyListReader::read(file);
    ASSERT_TRUE(read);
    auto items = read->items(read->top());
    EXPECT_EQ(read->string(items[0]),
              "\xEF\xBF\xBD"
              "A");
    EXPECT_EQ(read->string(items[1]), "\xC3\xA9");
}

// References, containers and reals are read by a quicker way when their bytes are at hand; at
// every width and size around its limits, each reads as the general way reads it, in lists whose
// references take one byte and two.
TEST(BinaryPropertyList, ObjectsOfEveryWidthAndSizeReadAsWritten) {
    for (int filler : {0, 300}) {
        PropertyList pl;
        std::vector<Ref> items;
        for (int i = 0; i < filler; ++i) items.push_back(pl.addInteger(1000 + i));
        const std::uint32_t uids[] = {0, 255, 256, 65535, 65536, 1u << 24, 0x7FFFFFFF, 0xFFFFFFFF};
        for (std::uint32_t uid : uids) items.push_back(pl.addUid(uid));
        items.push_back(pl.addReal(-1.5));
        items.push_back(pl.addFloat(0.75f));
        Ref twice = pl.addUid(1);
        items.insert(items.end(), {twice, twice});
        for (std::size_t n : {0, 1, 14, 15, 40}) {
            std::vector<Ref> keys, values;
            for (std::size_t i = 0; i < n; ++i) {
                keys.push_back(pl.addString("key " + std::to_string(i)));
                values.push_back(pl.addReal(static_cast<double>(i) + 0.5));
            }
            items.push_back(pl.addArray(values));
            items.push_back(pl.addDictionary(keys, values));
        }
        pl.setTop(pl.addArray(items));

        auto bytes = BinaryPropertyListWriter::write(pl);
        ASSERT_EQ(Trailer(bytes).refSize, filler ? 2u : 1u);
        PropertyList back = reread(pl);
        EXPECT_EQ(BinaryPropertyListWriter::write(back), bytes) << filler;
        auto got = back.items(back.top());
        ASSERT_EQ(got.size(), items.size());
        for (std::size_t i = 0; i < std::size(uids); ++i) EXPECT_EQ(back.uid(got[filler + i]), uids[i]);
        EXPECT_EQ(back.real(got[filler + std::size(uids)]), -1.5);
        EXPECT_TRUE(back.isFloat(got[filler + std::size(uids) + 1]));
        Ref forty = got[got.size() - 1];
        ASSERT_EQ(back.count(forty), 40u);
        EXPECT_EQ(back.real(*back.find(forty, "key 39")), 39.5);
        EXPECT_EQ(back.count(got[got.size() - 4]), 15u);
        // The references that containers read the quick way hold are counted too.
        EXPECT_TRUE(back.soleReference(got[filler]));
        EXPECT_FALSE(back.soleReference(got[filler + std::size(uids) + 2]));
    }
}

// A valid file to damage: an array holding a string, a number and a dictionary.
std::vector<std::uint8_t> sample() {
    PropertyList pl;
    Ref k[] = {pl.addString("k")};
    Ref v[] = {pl.addData(std::vector<std::uint8_t>(20, 1))};
    Ref items[] = {pl.addString("hello"), pl.addInteger(1 << 20), pl.addDictionary(k, v)};
    pl.setTop(pl.addArray(items));
    return BinaryPropertyListWriter::write(pl);
}

TEST(BinaryPropertyList, DamagedFilesAreErrors) {
    const auto good = sample();
    ASSERT_TRUE(BinaryPropertyListReader::read(good));
    const std::size_t t = good.size() - 32;  // the trailer
    const std::size_t table = good[good.size() - 1];
    auto with = [&](std::size_t at, std::uint8_t value) {
        auto b = good;
        b[at] = value;
        return b;
    };
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"too short", std::vector<std::uint8_t>(good.begin(), good.begin() + 39)},
        {"wrong magic", with(6, '1')},
        {"zero offset size", with(t + 6, 0)},
        {"nine-byte references", with(t + 7, 9)},
        {"object count beyond the table", with(t + 8, 0x80)},
        {"top object out of range", with(t + 23, 200)},
        {"offset table beyond the file", with(t + 31, 0xF0)},
        {"offset into the header", with(table, 3)},
        {"offset into the offset table", with(table, static_cast<std::uint8_t>(table))},
        {"objects claiming more bytes than the file", with(table, good[table + 1])},
        {"reference out of range", with(good[table + 6] + 1, 0x7F)},  // the array's first member
        {"unsupported type", with(good[table], 0x70)},
        {"bad integer size", with(good[table + 1], 0x15)},
        {"huge count", with(good[table + 2], 0x5F)},
    };
    for (const auto& c : cases) EXPECT_FALSE(readError(c.bytes).empty()) << c.what;
}

TEST(BinaryPropertyList, NoDamageCrashesTheReader) {
    const auto good = sample();
    for (std::size_t n = 0; n < good.size(); ++n)
        BinaryPropertyListReader::read(std::span<const std::uint8_t>(good.data(), n));
    for (std::size_t i = 0; i < good.size(); ++i)
        for (int bit = 0; bit < 8; ++bit) {
            auto b = good;
            b[i] ^= static_cast<std::uint8_t>(1 << bit);
            BinaryPropertyListReader::read(b);
        }
}

}  // namespace

namespace {

TEST(BinaryPropertyList, KeysOfEqualTextAreOneAtomWhateverTheirEncoding) {
    // Two dictionaries whose keys are separate objects, as writers that do not unique strings
    // produce: "k" in ASCII and in UTF-16, and an empty key, which lies where the next text would.
    std::vector<std::uint8_t> file = {
        'b',  'p',  'l', 'i', 's', 't', '0', '0',      // header
        0xA2, 1,    4,                                 // 0 at 8: an array of dictionaries 1 and 4
        0xD1, 2,    3,                                 // 1 at 11: {2: 3}
        0x51, 'k',                                     // 2 at 14: "k"
        0x10, 7,                                       // 3 at 16: 7
        0xD2, 5,    7,   6,   8,                       // 4 at 18: {5: 6, 7: 8}
        0x61, 0x00, 'k',                               // 5 at 23: "k" in UTF-16
        0x10, 9,                                       // 6 at 26: 9
        0x50,                                          // 7 at 28: ""
        0x10, 10,                                      // 8 at 29: 10
        8,    11,   14,  16,  18,  23,  26,  28,  29,  // at 31: the offsets
        0,    0,    0,   0,   0,   0,   1,   1,        // one-byte offsets and references
        0,    0,    0,   0,   0,   0,   0,   9,        // nine objects
        0,    0,    0,   0,   0,   0,   0,   0,        // the top is object 0
        0,    0,    0,   0,   0,   0,   0,   31};      // the offset table's place
    auto read = BinaryPropertyListReader::read(file);
    ASSERT_TRUE(read);
    Ref first = read->items(read->top())[0], second = read->items(read->top())[1];
    auto valueOf = [&](Ref dictionary, std::string_view key) -> std::optional<std::int64_t> {
        auto atom = read->atom(key);
        if (!atom) return std::nullopt;
        std::uint32_t cursor = 0;
        auto ref = read->find(dictionary, *atom, cursor);
        return ref ? std::optional(read->integer(*ref)) : std::nullopt;
    };
    EXPECT_EQ(valueOf(first, "k"), 7);
    EXPECT_EQ(valueOf(second, "k"), 9);
    EXPECT_EQ(valueOf(second, ""), 10);
    EXPECT_EQ(valueOf(first, ""), std::nullopt);
    EXPECT_EQ(valueOf(second, "x"), std::nullopt);
    EXPECT_EQ(read->string(5), "k");
    EXPECT_EQ(read->string(7), "");
}

}  // namespace

namespace {

TEST(BinaryPropertyList, AReferenceIsSoleWhenNothingElseInTheListNamesItsObject) {
    PropertyList pl;
    Ref once = pl.addUid(1), twiceInOne = pl.addUid(2), inTwo = pl.addUid(3), shared = pl.addUid(4),
        spare = pl.addUid(5), beyond = pl.addUid(200);
    Ref text = pl.addString("once");
    Ref first[] = {once, twiceInOne, twiceInOne, inTwo, shared, beyond, text};
    Ref second[] = {inTwo, spare};
    Ref lists[] = {pl.addArray(first), pl.addArray(second)};
    pl.setTop(pl.addArray(lists));

    // A built list knows nothing of its readers' references.
    for (Ref r : {once, twiceInOne, inTwo, shared, spare}) EXPECT_FALSE(pl.soleReference(r)) << r;

    // Read back, and read back with `spare` made to hold the number `shared` holds.
    auto read = BinaryPropertyListReader::read(BinaryPropertyListWriter::write(pl));
    auto repeated = BinaryPropertyListReader::read(archive_test::withUid(pl, spare, 4));
    ASSERT_TRUE(read && repeated);
    ASSERT_EQ(repeated->uid(spare), 4u);
    struct Case {
        const char* what;
        Ref ref;
        bool sole, soleWithRepeat;
    };
    const Case cases[] = {
        {"referred to once", once, true, true},
        {"twice in one array", twiceInOne, false, false},
        {"once in each of two arrays", inTwo, false, false},
        {"once, its number held by another UID object too", shared, true, false},
        {"the other UID object of that number", spare, true, false},
        {"a number beyond the object count", beyond, false, false},
        {"an object that is no UID", text, false, false},
        {"the top, referred to by nothing", read->top(), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read->soleReference(c.ref), c.sole) << c.what;
        EXPECT_EQ(repeated->soleReference(c.ref), c.soleWithRepeat) << c.what;
    }
}

}  // namespace
