// A property list read from its file in pieces reads exactly as its bytes read in memory: the same
// objects, or the same error for a damaged file, whether its objects lie in the order of their
// numbers or not, and whatever their sizes against the pieces read.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/foundation/BinaryPropertyListReader.h"
#include "platform/foundation/BinaryPropertyListWriter.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/PropertyList.h"
#include "tests/support/TestEnvironment.h"

using namespace fnd;
using Ref = PropertyList::Ref;
namespace fs = std::filesystem;

namespace {

class BinaryPropertyListFile : public testing_support::TestEnvironment {
  protected:
    fs::path write(const std::vector<std::uint8_t>& bytes) {
        fs::path file = temporary / "list";
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    // Reads the bytes from a file and from memory and expects the same outcome: the same list
    // (compared as written again) or the same error.
    void expectSameAsInMemory(const std::vector<std::uint8_t>& bytes, const std::string& what) {
        std::string error;
        std::optional<PropertyList> inMemory = BinaryPropertyListReader::read(bytes, &error);
        BinaryPropertyListReader::FileRead fromFile = BinaryPropertyListReader::readFile(write(bytes));
        ASSERT_TRUE(fromFile.readable) << what;
        EXPECT_EQ(fromFile.size, bytes.size()) << what;
        ASSERT_EQ(fromFile.list.has_value(), inMemory.has_value()) << what << ": " << fromFile.error;
        if (inMemory)
            EXPECT_EQ(BinaryPropertyListWriter::write(*fromFile.list),
                      BinaryPropertyListWriter::write(*inMemory))
                << what;
        else
            EXPECT_EQ(fromFile.error, error) << what;
    }
};

// Larger than the pieces the reader takes: a string and data longer than a piece of objects, and
// an offset table longer than a piece of the table.
std::vector<std::uint8_t> largeList() {
    PropertyList pl;
    std::vector<Ref> items;
    for (int i = 0; i < 30000; ++i) items.push_back(pl.addString("item " + std::to_string(i)));
    items.push_back(pl.addData(std::vector<std::uint8_t>(300 << 10, 0x5A)));
    items.push_back(pl.addString(std::string(270 << 10, 'w')));
    items.push_back(pl.addString("\xC3\xA9t\xC3\xA9 " + std::string(1000, 'e')));
    Ref keys[] = {pl.addString("first"), pl.addString("last")};
    Ref values[] = {items.front(), items.back()};
    items.push_back(pl.addDictionary(keys, values));
    pl.setTop(pl.addArray(items));
    return BinaryPropertyListWriter::write(pl);
}

// Three objects stored in the reverse of their numbers' order, as no writer known stores them.
const std::vector<std::uint8_t> kBackwards = {
    'b',  'p', 'l', 'i', 's', 't', '0', '0',  // header
    0x51, 'b',                                // object 2 at 8: "b"
    0x51, 'a',                                // object 1 at 10: "a"
    0xA2, 1,   2,                             // object 0 at 12: [1, 2]
    12,   10,  8,                             // at 15: the offsets
    0,    0,   0,   0,   0,   0,   1,   1,    // one-byte offsets and references
    0,    0,   0,   0,   0,   0,   0,   3,    // three objects
    0,    0,   0,   0,   0,   0,   0,   0,    // the top is object 0
    0,    0,   0,   0,   0,   0,   0,   15};  // the offset table's place

TEST_F(BinaryPropertyListFile, ReadsAsItsBytesReadInMemory) {
    PropertyList small;
    Ref k[] = {small.addString("k")};
    Ref v[] = {small.addData(std::vector<std::uint8_t>(20, 1))};
    Ref items[] = {small.addString("hello"), small.addInteger(1 << 20), small.addDictionary(k, v)};
    small.setTop(small.addArray(items));

    expectSameAsInMemory(BinaryPropertyListWriter::write(small), "small");
    expectSameAsInMemory(largeList(), "larger than the pieces");
    expectSameAsInMemory(kBackwards, "objects in the reverse order");
    std::optional<PropertyList> backwards = BinaryPropertyListReader::readFile(write(kBackwards)).list;
    ASSERT_TRUE(backwards);
    EXPECT_EQ(backwards->string(backwards->items(backwards->top())[0]), "a");
}

TEST_F(BinaryPropertyListFile, EveryDamageReadsAsTheSameError) {
    PropertyList pl;
    Ref keys[] = {pl.addString("name"), pl.addString("count")};
    Ref values[] = {pl.addString("\xC3\xA9t\xC3\xA9"), pl.addInteger(70000)};
    Ref items[] = {pl.addDictionary(keys, values), pl.addReal(0.5), pl.addUid(1)};
    pl.setTop(pl.addArray(items));
    const std::vector<std::uint8_t> good = BinaryPropertyListWriter::write(pl);
    for (std::size_t n = 0; n < good.size(); ++n)
        expectSameAsInMemory({good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)},
                             "cut to " + std::to_string(n));
    // The lowest and the highest bit of every byte: a shifted offset and a changed kind of object.
    for (std::size_t i = 0; i < good.size(); ++i)
        for (int bit : {0, 7}) {
            std::vector<std::uint8_t> damaged = good;
            damaged[i] ^= static_cast<std::uint8_t>(1 << bit);
            expectSameAsInMemory(damaged, "byte " + std::to_string(i) + " bit " + std::to_string(bit));
        }
}

TEST_F(BinaryPropertyListFile, ContainersThatShareTheirBytesCannotClaimMoreMembersThanTheFileHolds) {
    // Three objects that are all the one array of twelve references at offset 8.
    std::vector<std::uint8_t> file = {'b', 'p', 'l', 'i', 's', 't', '0', '0', 0xAC};
    for (int i = 0; i < 12; ++i) file.push_back(static_cast<std::uint8_t>(i % 3));
    const std::uint8_t table = static_cast<std::uint8_t>(file.size());
    file.insert(file.end(), {8, 8, 8});
    file.insert(file.end(), {0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 3});
    file.insert(file.end(), {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, table});
    std::string error;
    EXPECT_FALSE(BinaryPropertyListReader::read(file, &error));
    EXPECT_EQ(error, "binary property list: objects claim more bytes than the file holds");
    expectSameAsInMemory(file, "shared containers");
}

TEST_F(BinaryPropertyListFile, AFileThatCannotBeReadIsNoDamagedList) {
    fs::create_directories(temporary / "folder");
    for (const fs::path& file : {temporary / "missing", temporary / "folder"}) {
        BinaryPropertyListReader::FileRead read = BinaryPropertyListReader::readFile(file);
        EXPECT_FALSE(read.readable) << file;
        EXPECT_FALSE(read.list) << file;

        KeyedUnarchiver unarchiver(file);
        EXPECT_FALSE(unarchiver.readable()) << file;
        EXPECT_FALSE(unarchiver.valid()) << file;
    }
    // A readable file that is no list is damaged, not unreadable.
    KeyedUnarchiver damaged(write({'n', 'o', 't', ' ', 'a', ' ', 'l', 'i', 's', 't'}));
    EXPECT_TRUE(damaged.readable());
    EXPECT_FALSE(damaged.valid());
    EXPECT_NE(damaged.error().find("too short"), std::string::npos) << damaged.error();
}

}  // namespace
