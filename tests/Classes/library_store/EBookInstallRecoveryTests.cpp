// A program killed at any step of an e-book install starts again with the book that its central
// file lists whole on disk, and nothing left of the install that was stopped; an install whose
// save fails keeps the installed book; and the start puts right what older installs left.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/EBookFolders.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/MStartItem.h"
#include "platform/foundation/Thread.h"
#include "tests/Classes/library_store/ZipFixtures.h"
#include "tests/support/ScreenTestEnvironment.h"

namespace fs = std::filesystem;

namespace {

using Step = EBookFolders::Step;
constexpr const char* kBook = "geo.book";

// The product's delegate without its loading thread: the test hands it the repository.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

// Each version of the book has a page file of its own, so that a listing of one version over the
// files of another names pages that are not there.
zip_fixtures::Entries bookEntries(int version) {
    std::string v = std::to_string(version);
    return {
        {"META-INF/container.xml", R"(<container><rootfile full-path="OPS/book.opf"/></container>)"},
        {"OPS/book.opf", "<package><manifest><item id=\"p\" href=\"page" + v +
                             ".html\"/><item id=\"n\" href=\"toc.ncx\"/></manifest><spine toc=\"n\">"
                             "<itemref idref=\"p\"/></spine></package>"},
        {"OPS/toc.ncx", "<ncx><navMap><navPoint><navLabel><text>Version " + v +
                            "</text></navLabel><content src=\"page" + v +
                            ".html\"/></navPoint></navMap></ncx>"},
        {"OPS/page" + v + ".html", "<p>version " + v + "</p>"},
        {"OPS/intbooks_index.txt",
         "{\"name\": \"Geo" + v + "\", \"questions\": [{\"section\": \"1\", \"number\": 1}]}"},
    };
}

class EBookInstallRecoveryTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        AbstractAppDelegate::registerClasses();
        delegate = std::make_shared<StillDelegate>();
        launch(ui::Idiom::Phone, delegate);
        delegate->setup();
    }
    void TearDown() override {
        EBookFolders::setStepHook({});
        ScreenTestEnvironment::TearDown();
    }

    // No books, and a central file that lists none.
    void startAfresh() {
        fs::remove_all(documents / "eBooks");
        if (!rep) useRepository(MRepository::makeWithData());
        rep->initEBooks();
        ASSERT_TRUE(delegate->save());
    }
    void useRepository(std::shared_ptr<MRepository> repository) {
        rep = std::move(repository);
        delegate->setRep(rep);
    }

    // The catalogue record and the archive of a version.
    std::pair<std::shared_ptr<MProductInfo>, fnd::Bytes> download(int version) {
        auto info = std::make_shared<MProductInfo>(kBook, 1, version, "Geometry", "", "", "none");
        info->setSmartBookMode(1);
        EXPECT_TRUE(zip_fixtures::writeZip(temporary / "download.zip", bookEntries(version)));
        std::string bytes = zip_fixtures::readBytes(temporary / "download.zip");
        return {info, fnd::Bytes(bytes.begin(), bytes.end())};
    }
    // Installs and waits until the install thread has ended; whether the book was installed.
    bool install(int version) {
        std::optional<bool> installed;
        auto [info, content] = download(version);
        if (!rep->installEBook(info, content, [&](bool ok) { installed = ok; })) return false;
        EXPECT_TRUE(runUntil([&] { return installed && fnd::Thread::runningCount() == 0; }));
        return installed.value_or(false);
    }
    // Installs in a child process, which is killed when its install reaches the step.
    void installKilledAt(Step step, int version) {
        auto [info, content] = download(version);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            EBookFolders::setStepHook([step](Step reached) {
                if (reached == step) std::raise(SIGKILL);
            });
            bool ended = false;
            rep->installEBook(info, content, [&](bool) { ended = true; });
            loop->runUntil([&] { return ended; }, 60);
            _exit(ended ? 1 : 2);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the install ended without reaching the step (status " << status << ")";
    }
    // The program started again: the central file read from disk, as a launch reads it.
    void restart() {
        auto read =
            AbstractAppDelegate::loadRepositoryOfClass<MRepository>(AbstractAppDelegate::dataFilePath());
        ASSERT_TRUE(read);
        useRepository(read);
    }

    // The book is listed at the version, its pages and index are that version's files, and no
    // working folder is left; version 0 means not listed and no folder at all.
    void expectInstalled(int version) {
        fs::path folder = MRepository::dataFolderPathForEBook(kBook);
        EXPECT_FALSE(fs::exists(folder.string() + "_new"));
        EXPECT_FALSE(fs::exists(folder.string() + "_old"));
        auto book = rep->findEBookByProductId(kBook);
        if (version == 0) {
            EXPECT_FALSE(book);
            EXPECT_FALSE(fs::exists(folder));
            return;
        }
        ASSERT_TRUE(book);
        EXPECT_EQ(book->version(), version);
        ASSERT_EQ(book->items().size(), 1u);
        auto page = book->URLForFileName(book->items()[0]->fileName(), std::nullopt);
        ASSERT_TRUE(page);
        EXPECT_EQ(zip_fixtures::readBytes(page->filePath()),
                  "<p>version " + std::to_string(version) + "</p>");
        ASSERT_TRUE(book->ibIndex());
        EXPECT_EQ(book->ibIndex()->bookName(), "Geo" + std::to_string(version));
        auto stamp = EBookFolders::stampOf(folder);
        ASSERT_TRUE(stamp);
        EXPECT_EQ(stamp->version, version);
        EXPECT_FALSE(stamp->pending);
    }

    std::shared_ptr<StillDelegate> delegate;
    std::shared_ptr<MRepository> rep;
};

TEST_F(EBookInstallRecoveryTest, AKillAtAnyStepLeavesTheListedVersionOnDiskAtTheNextStart) {
    const Step steps[] = {Step::Unpacked, Step::Stamped, Step::MovedAside,  Step::MovedIn,
                          Step::Read,     Step::Saved,   Step::AsideRemoved};
    for (bool update : {true, false}) {
        for (Step step : steps) {
            SCOPED_TRACE(testing::Message() << (update ? "update" : "first install") << ", killed at step "
                                            << static_cast<int>(step));
            startAfresh();
            if (update) {
                ASSERT_TRUE(install(1));
            }
            installKilledAt(step, 2);
            restart();
            // The central file lists the new version from the save on; before it, the old one (or none).
            expectInstalled(step >= Step::Saved ? 2 : update ? 1 : 0);
        }
    }
}

TEST_F(EBookInstallRecoveryTest, AnInstallWhoseListingCannotBeSavedKeepsTheInstalledBook) {
    startAfresh();
    ASSERT_TRUE(install(1));
    // A folder in the central file's place: the save cannot replace it.
    fs::path central = AbstractAppDelegate::dataFilePath();
    fs::path saved = documents / "saved";
    fs::rename(central, saved);
    fs::create_directories(central / "in-the-way");
    EXPECT_FALSE(install(2));
    fs::remove_all(central);
    fs::rename(saved, central);
    expectInstalled(1);
    restart();
    expectInstalled(1);
}

// Folders as an older program, a lost central file or a book of a working folder's name left them.
TEST_F(EBookInstallRecoveryTest, TheStartPutsLeftFoldersInStepWithTheListedVersions) {
    enum class Stamp { None, Pending, Committed };
    struct Folder {
        std::string name;
        int version;
        Stamp stamp;
    };
    struct Case {
        const char* what;
        std::vector<Folder> folders;
        EBookFolders::Listing listed;
        // The folders left, each with the name of the folder it was made as.
        std::map<std::string, std::string> expected;
    };
    const Case cases[] = {
        {"an update by an older program, stopped before its save",
         {{"a", 2, Stamp::None}, {"a_old", 1, Stamp::None}},
         {{"a", 1}},
         {{"a", "a_old"}}},
        {"books that a lost central file listed stay; an unfinished first install goes",
         {{"kept", 1, Stamp::Committed}, {"older", 1, Stamp::None}, {"fresh", 1, Stamp::Pending}},
         {},
         {{"kept", "kept"}, {"older", "older"}}},
        {"a listed book named like a working folder is a book",
         {{"x", 1, Stamp::Committed}, {"x_new", 1, Stamp::None}, {"x_old", 1, Stamp::None}},
         {{"x", 1}, {"x_new", 1}, {"x_old", 1}},
         {{"x", "x"}, {"x_new", "x_new"}, {"x_old", "x_old"}}},
    };
    fs::path books = MRepository::dataFolderPathForEBook("a").parent_path();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(books);
        for (const Folder& folder : c.folders) {
            // The stamp is made as an install makes it, then the folder takes its name.
            EBookFolders scratch("scratch");
            fs::create_directories(scratch.unpacked());
            std::ofstream(scratch.unpacked() / "made-as") << folder.name;
            if (folder.stamp != Stamp::None) {
                ASSERT_TRUE(scratch.stampUnpacked(folder.version));
            }
            ASSERT_TRUE(scratch.moveIn());
            if (folder.stamp == Stamp::Committed) scratch.commit();
            fs::rename(scratch.folder(), books / folder.name);
        }
        EBookFolders::repairAll(c.listed);
        std::map<std::string, std::string> left;
        for (const auto& entry : fs::directory_iterator(books)) {
            std::ifstream in(entry.path() / "made-as");
            std::getline(in, left[entry.path().filename().string()]);
        }
        EXPECT_EQ(left, c.expected);
        for (const auto& [name, version] : c.listed) {
            auto stamp = EBookFolders::stampOf(books / name);
            EXPECT_FALSE(stamp && stamp->pending) << name;
        }
    }
}

}  // namespace
