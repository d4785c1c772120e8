#include <fcntl.h>
#include <sys/stat.h>

#include <fstream>

#include "Classes/library_store/ZipArchive.h"
#include "tests/Classes/library_store/ZipFixtures.h"
#include "tests/support/TestEnvironment.h"

namespace fs = std::filesystem;
using zip_fixtures::writeZip;

namespace {

class Recorder : public ZipArchive::Delegate {
  public:
    std::vector<std::string> messages;
    bool allowOverwrite = true;
    void ErrorMessage(const std::string& message) override { messages.push_back(message); }
    bool OverWriteOperation(const fs::path&) override { return allowOverwrite; }
};

std::string contents(const fs::path& path) { return zip_fixtures::readBytes(path); }

class ZipArchiveTest : public testing_support::TestEnvironment {
  protected:
    // Unpacks the archive into `target` with the given limits; the unpack's result.
    bool unpack(const fs::path& archive, const ZipArchive::Limits& limits = {}) {
        ZipArchive zip;
        zip.setDelegate(recorder);
        zip.setLimits(limits);
        if (!zip.UnzipOpenFile(archive)) return false;
        bool ok = zip.UnzipFileTo(target, true);
        EXPECT_TRUE(zip.UnzipCloseFile());
        return ok;
    }

    fs::path zipPath() { return temporary / "test.zip"; }

    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
    fs::path target;

    void SetUp() override {
        TestEnvironment::SetUp();
        target = temporary / "out" / "book";
    }
};

TEST_F(ZipArchiveTest, UnpacksNestedFoldersBackslashNamesAndFolderEntries) {
    ASSERT_TRUE(writeZip(zipPath(), {{"META-INF/", ""},
                                     {"META-INF/container.xml", "<container/>"},
                                     {"OPS\\pages\\p1.html", "<p>one</p>"},
                                     {"./top.txt", "top"},
                                     {"empty/", ""}}));
    ASSERT_TRUE(unpack(zipPath()));
    EXPECT_EQ(contents(target / "META-INF/container.xml"), "<container/>");
    EXPECT_EQ(contents(target / "OPS/pages/p1.html"), "<p>one</p>");
    EXPECT_EQ(contents(target / "top.txt"), "top");
    EXPECT_TRUE(fs::is_directory(target / "empty"));
    EXPECT_TRUE(recorder->messages.empty());
}

TEST_F(ZipArchiveTest, WritingSideRoundTripsContentAndModificationDate) {
    fs::path source = temporary / "source.txt";
    std::string text(100000, 'x');
    for (std::size_t i = 0; i < text.size(); i += 7) text[i] = static_cast<char>('a' + i % 26);
    std::ofstream(source) << text;
    std::tm when{};
    when.tm_year = 2021 - 1900, when.tm_mon = 2, when.tm_mday = 14, when.tm_hour = 9, when.tm_min = 26;
    when.tm_sec = 54, when.tm_isdst = -1;
    std::timespec times[2] = {{std::mktime(&when), 0}, {std::mktime(&when), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), times, 0), 0);

    ZipArchive writer;
    EXPECT_FALSE(writer.addFileToZip(source, "a.txt"));  // nothing open yet
    ASSERT_TRUE(writer.CreateZipFile2(zipPath()));
    ASSERT_TRUE(writer.addFileToZip(source, "docs/a.txt"));
    EXPECT_FALSE(writer.addFileToZip(temporary / "missing.txt", "b.txt"));
    ASSERT_TRUE(writer.CloseZipFile2());
    EXPECT_FALSE(writer.CloseZipFile2());

    ASSERT_TRUE(unpack(zipPath()));
    EXPECT_EQ(contents(target / "docs/a.txt"), text);
    struct stat attributes {};
    ASSERT_EQ(::stat((target / "docs/a.txt").c_str(), &attributes), 0);
    EXPECT_EQ(attributes.st_mtime, std::mktime(&when));
}

TEST_F(ZipArchiveTest, EncryptedEntriesThatCannotBeDecryptedFailTheUnpack) {
    // The system's minizip writes encrypted entries but is built without decryption: such an
    // archive must fail cleanly, whatever the password, and never unpack as scrambled bytes.
    fs::path source = temporary / "secret.txt";
    std::ofstream(source) << std::string(2000, 's');
    ZipArchive writer;
    ASSERT_TRUE(writer.CreateZipFile2(zipPath(), "opensesame"));
    ASSERT_TRUE(writer.addFileToZip(source, "secret.txt"));
    ASSERT_TRUE(writer.CloseZipFile2());

    for (std::optional<std::string> password :
         {std::optional<std::string>(), std::optional<std::string>("guess")}) {
        ZipArchive reader;
        ASSERT_TRUE(password ? reader.UnzipOpenFile(zipPath(), *password) : reader.UnzipOpenFile(zipPath()));
        EXPECT_FALSE(reader.UnzipFileTo(target, true));
        EXPECT_TRUE(reader.UnzipCloseFile());
        EXPECT_NE(contents(target / "secret.txt"), std::string(2000, 's'));
    }
}

TEST_F(ZipArchiveTest, NamesLeadingOutsideTheFolderFailTheUnpack) {
    for (std::string name :
         std::vector<std::string>{"../evil.txt", "/tmp/evil.txt", "a/../../evil.txt", "a\\..\\..\\evil.txt",
                                  "C:evil.txt", "a//evil.txt", "..", "\\evil.txt"}) {
        SCOPED_TRACE(name);
        fs::remove_all(temporary / "out");
        ASSERT_TRUE(writeZip(zipPath(), {{"good.txt", "fine"}, {name, "gotcha"}}));
        EXPECT_FALSE(unpack(zipPath()));
        EXPECT_FALSE(fs::exists(temporary / "out" / "evil.txt"));
        EXPECT_FALSE(fs::exists(temporary / "evil.txt"));
    }
    EXPECT_FALSE(ZipArchive::safeRelativePath("").has_value());
    EXPECT_EQ(ZipArchive::safeRelativePath("a\\b/c.txt"), fs::path("a/b/c.txt"));
}

TEST_F(ZipArchiveTest, SymbolicLinksInTheTargetAreNeverFollowed) {
    fs::create_directories(target);
    fs::create_directories(temporary / "elsewhere");
    fs::create_directory_symlink(temporary / "elsewhere", target / "link");
    fs::create_symlink(temporary / "elsewhere" / "file.txt", target / "file.txt");

    ASSERT_TRUE(writeZip(zipPath(), {{"link/x.txt", "through the link"}}));
    EXPECT_FALSE(unpack(zipPath()));
    ASSERT_TRUE(writeZip(zipPath(), {{"file.txt", "through the link"}}));
    EXPECT_FALSE(unpack(zipPath()));
    EXPECT_TRUE(fs::is_empty(temporary / "elsewhere"));
}

TEST_F(ZipArchiveTest, EntrySizeTotalSizeAndEntryCountAreBounded) {
    ASSERT_TRUE(writeZip(zipPath(), {{"a.txt", std::string(3000, 'a')}, {"b.txt", std::string(3000, 'b')}}));
    EXPECT_FALSE(unpack(zipPath(), {.maxEntryBytes = 2999, .maxTotalBytes = 1 << 20, .maxEntries = 10}));
    EXPECT_FALSE(unpack(zipPath(), {.maxEntryBytes = 4000, .maxTotalBytes = 5999, .maxEntries = 10}));
    EXPECT_FALSE(unpack(zipPath(), {.maxEntryBytes = 4000, .maxTotalBytes = 6000, .maxEntries = 1}));
    EXPECT_TRUE(unpack(zipPath(), {.maxEntryBytes = 3000, .maxTotalBytes = 6000, .maxEntries = 2}));
}

TEST_F(ZipArchiveTest, ASizeThatLiesAboutTheContentFails) {
    // A stored entry whose recorded sizes claim fewer bytes than it inflates to cannot slip past
    // the limits: the copy stops at the recorded size.
    ASSERT_TRUE(writeZip(zipPath(), {{"a.txt", std::string(5000, 'a')}}));
    zip_fixtures::setRecordedSize(zipPath(), 10);
    EXPECT_FALSE(unpack(zipPath()));
}

TEST_F(ZipArchiveTest, BadCrcAndTruncationFail) {
    ASSERT_TRUE(writeZip(zipPath(), {{"a.txt", std::string(5000, 'q')}}));
    std::string good = zip_fixtures::readBytes(zipPath());
    zip_fixtures::damageCrc(zipPath());
    EXPECT_FALSE(unpack(zipPath()));
    ASSERT_FALSE(recorder->messages.empty());
    EXPECT_NE(recorder->messages.back().find("CRC"), std::string::npos);

    for (std::size_t cut : {good.size() / 2, good.size() - 10, std::size_t(30)}) {
        zip_fixtures::writeBytes(zipPath(), good.substr(0, cut));
        EXPECT_FALSE(unpack(zipPath())) << cut;
    }
    // Damage inside the compressed bytes.
    std::string damaged = good;
    damaged[40] = static_cast<char>(damaged[40] ^ 0xff);
    zip_fixtures::writeBytes(zipPath(), damaged);
    EXPECT_FALSE(unpack(zipPath()));
}

TEST_F(ZipArchiveTest, EmptyArchivesMissingFilesAndClosing) {
    ZipArchive zip;
    zip.setDelegate(recorder);
    EXPECT_FALSE(zip.UnzipOpenFile(temporary / "missing.zip"));
    EXPECT_FALSE(zip.UnzipFileTo(target, true));
    EXPECT_TRUE(zip.UnzipCloseFile());
    EXPECT_TRUE(zip.UnzipCloseFile());

    // An archive without entries does not open with this minizip; were it to, the unpack fails.
    ASSERT_TRUE(writeZip(zipPath(), {}));
    EXPECT_FALSE(zip.UnzipOpenFile(zipPath()) && zip.UnzipFileTo(target, true));
}

TEST_F(ZipArchiveTest, OverwriteOffAsksTheDelegate) {
    fs::create_directories(target);
    std::ofstream(target / "a.txt") << "mine";
    ASSERT_TRUE(writeZip(zipPath(), {{"a.txt", "theirs"}, {"b.txt", "new"}}));
    recorder->allowOverwrite = false;
    ZipArchive zip;
    zip.setDelegate(recorder);
    ASSERT_TRUE(zip.UnzipOpenFile(zipPath()));
    EXPECT_TRUE(zip.UnzipFileTo(target, false));
    EXPECT_EQ(contents(target / "a.txt"), "mine");
    EXPECT_EQ(contents(target / "b.txt"), "new");

    ZipArchive noDelegate;
    ASSERT_TRUE(noDelegate.UnzipOpenFile(zipPath()));
    EXPECT_TRUE(noDelegate.UnzipFileTo(target, false));
    EXPECT_EQ(contents(target / "a.txt"), "theirs");
}

}  // namespace
