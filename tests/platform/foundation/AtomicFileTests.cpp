#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PosixFileSystem.h"
#include "tests/support/TestEnvironment.h"

using namespace fnd;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class AtomicFileTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        previousSink = Log::setSink([](Log::Level, std::string_view) {});
    }
    void TearDown() override {
        Log::setSink(previousSink);
        TestEnvironment::TearDown();
    }
    std::vector<std::string> entries(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
        return names;
    }
    Log::Sink previousSink;
};

TEST_F(AtomicFileTest, WritesAndReplacesLeavingNothingElse) {
    fs::path target = documents / "Repository";
    ASSERT_TRUE(AtomicFile::write(target, bytesOf("first")));
    EXPECT_EQ(contents(target), "first");
    auto result = AtomicFile::write(target, bytesOf("second, longer"));
    EXPECT_TRUE(result.saved) << result.error;
    EXPECT_EQ(contents(target), "second, longer");
    ASSERT_TRUE(AtomicFile::write(target, {}));
    EXPECT_EQ(contents(target), "");
    EXPECT_EQ(entries(documents), std::vector<std::string>{"Repository"});
}

TEST_F(AtomicFileTest, FailuresOnTheRealDiskAreReportedAndCleanedUp) {
    auto missing = AtomicFile::write(documents / "no such folder" / "file", bytesOf("x"));
    EXPECT_FALSE(missing.saved);
    EXPECT_NE(missing.error.find("creating a temporary file"), std::string::npos) << missing.error;

    fs::path occupied = documents / "occupied";  // a folder with something in it cannot be replaced
    fs::create_directories(occupied / "inside");
    auto blocked = AtomicFile::write(occupied, bytesOf("x"));
    EXPECT_FALSE(blocked.saved);
    EXPECT_NE(blocked.error.find("replacing the file"), std::string::npos) << blocked.error;
    EXPECT_TRUE(fs::is_directory(occupied / "inside"));
    EXPECT_EQ(entries(documents), std::vector<std::string>{"occupied"});
}

// One folder on a disk that loses power: file contents reach the disk only when the file is synced,
// and the folder's entries only when the folder is synced (or, at the disk's whim, earlier).
class SimulatedDisk : public FileSystem {
  public:
    struct Crash {};
    enum class Mode { Fail, Crash };

    // The operation with this number (from 0) fails with EIO, or the machine stops before it.
    int target = -1;
    Mode mode = Mode::Fail;
    int operations = 0;
    int fileSyncs = 0;
    std::vector<std::string> removed;

    std::map<std::string, int> entries, durableEntries;  // name -> inode
    std::vector<std::string> data, durableData;          // per inode

    explicit SimulatedDisk(const std::string& old) {
        durableEntries["Repository"] = entries["Repository"] = 0;
        data.push_back(old);
        durableData.push_back(old);
    }

    // What a reader finds after power returns, with the folder's entries as last synced or as last made.
    std::optional<std::string> afterPowerLoss(const std::string& name, bool entriesReachedDisk) const {
        const auto& dir = entriesReachedDisk ? entries : durableEntries;
        auto it = dir.find(name);
        if (it == dir.end()) return std::nullopt;
        return durableData[it->second];
    }
    std::size_t temporaryFiles() const { return entries.size() - entries.count("Repository"); }

    int createUnique(const fs::path&, const std::string& prefix, int& fd, fs::path& created) override {
        if (int e = step()) return e;
        std::string name = prefix + "0001";
        entries[name] = static_cast<int>(data.size());
        data.emplace_back();
        durableData.emplace_back();
        fd = 100 + entries[name];
        created = fs::path("/disk") / name;
        return 0;
    }
    int write(int fd, std::span<const std::uint8_t> bytes) override {
        if (int e = step()) return e;
        data[fd - 100].append(bytes.begin(), bytes.end());
        return 0;
    }
    int sync(int fd) override {
        if (fd != kFolder) ++fileSyncs;
        if (int e = step()) return e;
        if (fd == kFolder)
            durableEntries = entries;
        else
            durableData[fd - 100] = data[fd - 100];
        return 0;
    }
    int close(int) override { return step(); }
    int rename(const fs::path& from, const fs::path& to) override {
        if (int e = step()) return e;
        entries[to.filename().string()] = entries.at(from.filename().string());
        entries.erase(from.filename().string());
        return 0;
    }
    int openFolder(const fs::path&, int& fd) override {
        fd = kFolder;
        return step();
    }
    int remove(const fs::path& file) override {
        if (int e = step()) return e;
        removed.push_back(file.filename().string());
        entries.erase(file.filename().string());
        return 0;
    }

  private:
    static constexpr int kFolder = 7;
    int step() {
        int n = operations++;
        if (n != target) return 0;
        if (mode == Mode::Crash) throw Crash{};
        return EIO;
    }
};

constexpr int kSaveOperations = 8;  // create, write, sync, close, rename, open folder, sync it, close it

TEST_F(AtomicFileTest, AFailureAtAnyStepLeavesTheOldFileOrTheWholeNewOne) {
    for (int failing = 0; failing < kSaveOperations; ++failing) {
        SCOPED_TRACE("failing operation " + std::to_string(failing));
        SimulatedDisk disk("old archive");
        disk.target = failing;
        auto result = AtomicFile::write("/disk/Repository", bytesOf("new archive"), disk);
        bool renamed = failing > 4;
        EXPECT_EQ(result.saved, failing == 7);  // closing the synced folder cannot lose anything
        EXPECT_EQ(result.error.empty(), result.saved);
        EXPECT_EQ(disk.temporaryFiles(), 0u);
        EXPECT_EQ(disk.removed.size(), failing >= 1 && failing <= 4 ? 1u : 0u);
        EXPECT_EQ(disk.afterPowerLoss("Repository", true), renamed ? "new archive" : "old archive");
        EXPECT_LE(disk.fileSyncs, 1);  // a failed sync is never tried again
    }
}

TEST_F(AtomicFileTest, ACrashAtAnyStepLeavesTheOldFileOrTheWholeNewOne) {
    for (int crash = 0; crash <= kSaveOperations; ++crash) {
        for (bool entriesReachedDisk : {false, true}) {
            SCOPED_TRACE("crash before operation " + std::to_string(crash) +
                         (entriesReachedDisk ? ", folder entries on disk" : ", folder entries lost"));
            SimulatedDisk disk("old archive");
            disk.target = crash;
            disk.mode = SimulatedDisk::Mode::Crash;
            bool crashed = false;
            try {
                EXPECT_TRUE(AtomicFile::write("/disk/Repository", bytesOf("new archive"), disk));
            } catch (const SimulatedDisk::Crash&) {
                crashed = true;
            }
            EXPECT_EQ(crashed, crash < kSaveOperations);
            auto found = disk.afterPowerLoss("Repository", entriesReachedDisk);
            ASSERT_TRUE(found);
            EXPECT_TRUE(*found == "old archive" || *found == "new archive") << *found;
            if (crash >= 7) {  // once the folder is synced, the new file survives whatever happens
                EXPECT_EQ(disk.afterPowerLoss("Repository", false), "new archive");
            }
        }
    }
}

}  // namespace

namespace {

TEST_F(AtomicFileTest, AFileMadeInPiecesReplacesTheTargetOnlyWhenItWasMadeWhole) {
    fs::path target = documents / "Repository";
    ASSERT_TRUE(AtomicFile::write(target, bytesOf("old")));
    auto pieces = [](bool madeWhole) {
        return [madeWhole](const AtomicFile::Piece& piece) {
            return piece(bytesOf("new, ")) && piece(bytesOf("in pieces")) && madeWhole;
        };
    };
    auto unmade = AtomicFile::writeProduced(target, pieces(false));
    EXPECT_FALSE(unmade.saved);
    EXPECT_NE(unmade.error.find("making the contents"), std::string::npos) << unmade.error;
    EXPECT_EQ(contents(target), "old");

    EXPECT_THROW(AtomicFile::writeProduced(target,
                                           [](const AtomicFile::Piece& piece) -> bool {
                                               piece(bytesOf("half"));
                                               throw std::runtime_error("stopped");
                                           }),
                 std::runtime_error);
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(documents), std::vector<std::string>{"Repository"});

    auto made = AtomicFile::writeProduced(target, pieces(true));
    EXPECT_TRUE(made.saved) << made.error;
    EXPECT_EQ(contents(target), "new, in pieces");
    EXPECT_EQ(entries(documents), std::vector<std::string>{"Repository"});
}

}  // namespace
