// A file read whole: every byte as written, whatever its size on either side of the size from
// which it gets memory of its own, and nothing for what cannot be read.

#include <gtest/gtest.h>

#include <fstream>
#include <utility>
#include <vector>

#include "platform/foundation/FileContents.h"
#include "tests/support/TestEnvironment.h"

using fnd::FileContents;
namespace fs = std::filesystem;

namespace {

class FileContentsTest : public testing_support::TestEnvironment {
  protected:
    // A file of `size` bytes that differ from their neighbours, so that a shifted or cut read shows.
    std::vector<std::uint8_t> write(const fs::path& file, std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>((i * 7919 + i / 251) & 0xff);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(size));
        return bytes;
    }
    static std::vector<std::uint8_t> copy(const FileContents& contents) {
        return {contents.bytes().begin(), contents.bytes().end()};
    }
};

TEST_F(FileContentsTest, EveryByteOfFilesSmallAndLarge) {
    constexpr std::size_t own = FileContents::kOwnMemoryFrom;
    const struct {
        std::size_t size;
        bool ownMemory;
    } cases[] = {{0, false},  {1, false},      {4097, false},           {own - 1, false},
                 {own, true}, {own + 1, true}, {2 * own + 12345, true}, {5 * own - 1, true}};
    for (const auto& c : cases) {
        const fs::path file = temporary / ("file-" + std::to_string(c.size));
        const std::vector<std::uint8_t> written = write(file, c.size);
        std::optional<FileContents> read = FileContents::read(file);
        ASSERT_TRUE(read) << c.size;
        EXPECT_EQ(read->size(), c.size);
        EXPECT_EQ(read->hasOwnMemory(), c.ownMemory) << c.size;
        EXPECT_TRUE(copy(*read) == written) << c.size;
    }
}

TEST_F(FileContentsTest, MovedContentsKeepTheirBytesAndTheOldOnesAreEmpty) {
    const auto large = write(temporary / "large", FileContents::kOwnMemoryFrom + 3);
    const auto small = write(temporary / "small", 100);
    std::optional<FileContents> a = FileContents::read(temporary / "large");
    std::optional<FileContents> b = FileContents::read(temporary / "small");
    ASSERT_TRUE(a && b);

    FileContents moved(std::move(*a));
    EXPECT_TRUE(copy(moved) == large);
    EXPECT_EQ(a->size(), 0u);
    EXPECT_FALSE(a->hasOwnMemory());

    // Assigned over: the large one's memory goes, the small one's bytes come.
    moved = std::move(*b);
    EXPECT_TRUE(copy(moved) == small);
    EXPECT_FALSE(moved.hasOwnMemory());
    *b = FileContents(std::move(moved));
    EXPECT_TRUE(copy(*b) == small);
}

TEST_F(FileContentsTest, NothingForAFileThatIsNotThereOrIsNoFile) {
    EXPECT_FALSE(FileContents::read(temporary / "missing"));
    fs::create_directories(temporary / "folder");
    EXPECT_FALSE(FileContents::read(temporary / "folder"));
}

}  // namespace
