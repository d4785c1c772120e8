#include <fstream>

#include "Classes/core/MRepository.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MEBookLoader.h"
#include "Classes/library_store/MIBHRecord.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MIBQuestion.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/MStartItem.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/Classes/library_store/BookDescription.h"
#include "tests/Classes/library_store/ZipFixtures.h"
#include "tests/support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

using book_description::describe;

// Carries a repository's e-books through a keyed archive as the repository's own archive does.
class Holder : public fnd::Object, public fnd::Coding {
  public:
    std::shared_ptr<MRepository> rep = std::make_shared<MRepository>();
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override { rep->encodeEBooksWithCoder(coder); }
    void initWithCoder(fnd::KeyedUnarchiver& coder) override { rep->loadEBooksWithCoder(coder); }
};

// A downloadable book: one page whose text tells the version, and a question index.
zip_fixtures::Entries bookEntries(const std::string& version, const std::string& indexName = "Geo") {
    return {
        {"META-INF/container.xml", R"(<container><rootfile full-path="OPS/book.opf"/></container>)"},
        {"OPS/book.opf", R"(<package><manifest><item id="p" href="p.html"/><item id="n" href="toc.ncx"/>
            </manifest><spine toc="n"><itemref idref="p"/></spine></package>)"},
        {"OPS/toc.ncx", "<ncx><navMap><navPoint><navLabel><text>Version " + version +
                            "</text></navLabel><content src=\"p.html\"/></navPoint></navMap></ncx>"},
        {"OPS/p.html", "<p>version " + version + "</p>"},
        {"OPS/intbooks_index.txt",
         "{\"name\": \"" + indexName + "\", \"questions\": [{\"section\": \"1\", \"number\": 1}]}"},
    };
}

class RepositoryEBooksTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        fnd::ClassRegistry::shared().registerClass<Holder>("RepositoryEBooksTestHolder");
        rep->initEBooks();
    }

    fnd::Bytes zipOf(const zip_fixtures::Entries& entries) {
        fs::path path = temporary / "download.zip";
        EXPECT_TRUE(zip_fixtures::writeZip(path, entries));
        std::string bytes = zip_fixtures::readBytes(path);
        return fnd::Bytes(bytes.begin(), bytes.end());
    }
    std::shared_ptr<MProductInfo> record(const std::string& id, int mode = 1,
                                         const std::string& title = "Geometry") {
        auto info = std::make_shared<MProductInfo>(id, 1, 2, title, "", "", "none");
        info->setSmartBookMode(mode);
        return info;
    }
    // Installs and waits for the end; whether a book was installed.
    bool install(const std::shared_ptr<MProductInfo>& info, const fnd::Bytes& content) {
        std::optional<bool> result;
        if (!rep->installEBook(info, content, [&](bool installed) { result = installed; })) return false;
        EXPECT_TRUE(rep->isParsingProduct(info->productId()));
        EXPECT_TRUE(runUntil([&] { return result.has_value(); }, 30));
        EXPECT_FALSE(rep->isParsingProduct(info->productId()));
        return result.value_or(false);
    }
    std::string pageText(const std::string& id) {
        return zip_fixtures::readBytes(MRepository::dataFolderPathForEBook(id) / "OPS/p.html");
    }
    std::vector<std::string> listed() {
        std::vector<std::string> ids;
        for (const auto& book : rep->eBooks()) ids.push_back(book->productId());
        return ids;
    }

    std::shared_ptr<MRepository> rep = std::make_shared<MRepository>();
};

TEST_F(RepositoryEBooksTest, AFreshRepositoryListsTheSampleBookWithItsContentsAndIndex) {
    ASSERT_EQ(listed(), std::vector<std::string>{"Sample"});
    const MEBook& sample = *rep->eBooks()[0];
    ASSERT_TRUE(sample.ibIndex());
    EXPECT_EQ(sample.ibIndex()->bookName(), "Sample");
    EXPECT_EQ(sample.ibIndex()->questionDict().size(), 4u);
    EXPECT_EQ(sample.ibIndex()->statsForFileName("word_problems.html"), (MIBStats{2, 0, 0}));
    EXPECT_EQ(sample.title(), "[Try-it] Interactive Book");
    EXPECT_EQ(sample.dataPath(), "OEBPS/");
    EXPECT_EQ(sample.smartBookMode(), 1);
    EXPECT_EQ(describe(sample), (std::vector<std::string>{
                                    "cover.html - 1",
                                    "welcome.html Welcome 1 toc",
                                    "welcome.html#paging Turning pages 2 toc hidden",
                                    "welcome.html#answering Answering questions 2 toc hidden",
                                    "arithmetic.html Practice 1 toc",
                                    "arithmetic.html#fractions Fractions and decimals 2 toc hidden",
                                    "word_problems.html Word problems 2 toc",
                                    "official_guides.html Official-guide questions 1 toc",
                                    "review.html Reviewing your answers 1 toc",
                                }));
    // Every page of the reading order is a file of the book.
    for (const auto& page : sample.items()) {
        auto url = sample.URLForFileName(page->fileName(), std::nullopt);
        ASSERT_TRUE(url) << page->fileName();
        EXPECT_TRUE(fs::is_regular_file(url->filePath())) << url->absoluteString();
    }
}

TEST_F(RepositoryEBooksTest, ADownloadedBookIsInstalledListedArchivedAndRestored) {
    ASSERT_TRUE(install(record("geo.book"), zipOf(bookEntries("1"))));
    EXPECT_EQ(listed(), (std::vector<std::string>{"geo.book", "Sample"}));
    auto book = rep->findEBookByProductId("geo.book");
    ASSERT_TRUE(book);
    EXPECT_EQ(describe(*book), std::vector<std::string>{"p.html Version 1 1 toc"});
    EXPECT_EQ(pageText("geo.book"), "<p>version 1</p>");
    EXPECT_TRUE(fs::exists(MRepository::dataFilePathForEBook("geo.book")));
    EXPECT_EQ(MRepository::dataFilePathForEBook("geo.book"), temporary / "ebook_geo.book.zip");
    ASSERT_TRUE(book->ibIndex());
    book->ibIndex()->questionDict().at("Geo_1_1")->addIBHRecord(
        std::make_shared<MIBHRecord>(std::nullopt, 0, true, "B"));
    book->ibIndex()->fillHistoryDictionary(rep->booksData());

    ASSERT_TRUE(install(record("plain.book", 0), zipOf(bookEntries("1", "Plain"))));
    EXPECT_FALSE(rep->findEBookByProductId("plain.book")->ibIndex());  // a plain book has no index

    auto holder = std::make_shared<Holder>();
    holder->rep = rep;
    auto bytes = fnd::KeyedArchiver::archive("root", holder);
    ASSERT_TRUE(bytes);
    auto restored = fnd::KeyedUnarchiver::unarchive(*bytes, "root").object<Holder>();
    ASSERT_TRUE(restored);
    rep = restored->rep;
    EXPECT_EQ(listed(), (std::vector<std::string>{"plain.book", "geo.book", "Sample"}));
    auto again = rep->findEBookByProductId("geo.book");
    EXPECT_EQ(describe(*again), std::vector<std::string>{"p.html Version 1 1 toc"});
    ASSERT_TRUE(again->ibIndex());
    EXPECT_EQ(again->ibIndex()->statsForKey("Geo_1_1"), (MIBStats{1, 1, 0}));
    ASSERT_TRUE(rep->eBooks().back()->ibIndex());  // the sample's index is read again too
}

TEST_F(RepositoryEBooksTest, AnUpdateTakesTheOldPlaceAndLeavesNoStaleFiles) {
    ASSERT_TRUE(install(record("a.book"), zipOf(bookEntries("1"))));
    auto entries = bookEntries("1");
    entries.push_back({"OPS/stale.html", "old"});
    ASSERT_TRUE(install(record("b.book"), zipOf(entries)));
    EXPECT_EQ(listed(), (std::vector<std::string>{"b.book", "a.book", "Sample"}));

    // Files of an earlier failed unpack wait in the unpacking folder.
    fs::create_directories(MRepository::folderPathForUpdatedEBook("b.book") / "OPS");
    std::ofstream(MRepository::folderPathForUpdatedEBook("b.book") / "OPS/leftover.html") << "x";

    ASSERT_TRUE(install(record("b.book"), zipOf(bookEntries("2"))));
    EXPECT_EQ(listed(), (std::vector<std::string>{"b.book", "a.book", "Sample"}));
    EXPECT_EQ(pageText("b.book"), "<p>version 2</p>");
    fs::path folder = MRepository::dataFolderPathForEBook("b.book");
    EXPECT_FALSE(fs::exists(folder / "OPS/stale.html"));
    EXPECT_FALSE(fs::exists(folder / "OPS/leftover.html"));
    EXPECT_FALSE(fs::exists(folder.string() + "_new"));
    EXPECT_FALSE(fs::exists(folder.string() + "_old"));
}

TEST_F(RepositoryEBooksTest, HostileOrDamagedDownloadsKeepTheInstalledBook) {
    ASSERT_TRUE(install(record("geo.book"), zipOf(bookEntries("1"))));
    auto installed = rep->findEBookByProductId("geo.book");
    fs::path folder = MRepository::dataFolderPathForEBook("geo.book");

    auto traversal = bookEntries("2");
    traversal.push_back({"../../escaped.txt", "gotcha"});
    fs::path damaged = temporary / "damaged.zip";
    ASSERT_TRUE(zip_fixtures::writeZip(damaged, bookEntries("2")));
    zip_fixtures::damageCrc(damaged);
    std::string damagedBytes = zip_fixtures::readBytes(damaged);
    std::string truncated = damagedBytes.substr(0, damagedBytes.size() / 2);
    fs::path huge = temporary / "huge.zip";
    ASSERT_TRUE(zip_fixtures::writeZip(huge, bookEntries("2")));
    zip_fixtures::setRecordedSize(huge, 0xF0000000u);  // an entry that claims 3.75 GB
    std::string hugeBytes = zip_fixtures::readBytes(huge);

    auto asBytes = [](const std::string& text) { return fnd::Bytes(text.begin(), text.end()); };
    std::vector<fnd::Bytes> downloads = {zipOf(traversal), asBytes(damagedBytes), asBytes(truncated),
                                         asBytes(hugeBytes), zipOf({{"README", "no book here"}})};
    for (std::size_t i = 0; i < downloads.size(); ++i) {
        SCOPED_TRACE(i);
        auto info = record("geo.book");
        if (i == 4) info->setTitle("");  // read, but a book without title is dropped
        EXPECT_FALSE(install(info, downloads[i]));
        EXPECT_EQ(listed(), (std::vector<std::string>{"geo.book", "Sample"}));
        EXPECT_EQ(rep->findEBookByProductId("geo.book"), installed);
        EXPECT_EQ(pageText("geo.book"), "<p>version 1</p>");
        EXPECT_FALSE(fs::exists(folder.string() + "_new"));
        EXPECT_FALSE(fs::exists(folder.string() + "_old"));
    }
    EXPECT_FALSE(fs::exists(documents / "escaped.txt"));
    EXPECT_FALSE(fs::exists(documents / "eBooks" / "escaped.txt"));
}

TEST_F(RepositoryEBooksTest, PackagesThatYieldNoReadableBookAreFailedInstalls) {
    const std::string container = R"(<container><rootfile full-path="OPS/book.opf"/></container>)";
    const std::pair<const char*, zip_fixtures::Entries> packages[] = {
        {"no container", {{"OPS/p.html", "<p>page</p>"}}},
        {"no rootfile", {{"META-INF/container.xml", "<container><rootfiles/></container>"}}},
        {"no package file", {{"META-INF/container.xml", container}}},
        {"no spine",
         {{"META-INF/container.xml", container},
          {"OPS/book.opf", R"(<package><manifest><item id="p" href="p.html"/></manifest></package>)"},
          {"OPS/p.html", "<p>page</p>"}}},
        {"no pages",
         {{"META-INF/container.xml", container},
          {"OPS/book.opf", R"(<package><manifest/><spine><itemref idref="gone"/></spine></package>)"}}},
    };
    for (const auto& [what, entries] : packages) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(install(record("new.book"), zipOf(entries)));
        EXPECT_EQ(listed(), std::vector<std::string>{"Sample"});
        EXPECT_FALSE(fs::exists(MRepository::dataFolderPathForEBook("new.book")));
    }

    ASSERT_TRUE(install(record("geo.book"), zipOf(bookEntries("1"))));
    auto installed = rep->findEBookByProductId("geo.book");
    for (const auto& [what, entries] : packages) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(install(record("geo.book"), zipOf(entries)));
        EXPECT_EQ(rep->findEBookByProductId("geo.book"), installed);
        EXPECT_EQ(pageText("geo.book"), "<p>version 1</p>");
    }
}

TEST_F(RepositoryEBooksTest, IdentifiersThatCouldLeaveTheBooksFolderAreRefused) {
    for (std::string id : {"../evil", "a/b", "..", "Sample", "OfficialGuideCompanion"}) {
        EXPECT_FALSE(rep->installEBook(record(id), zipOf(bookEntries("1")))) << id;
        EXPECT_FALSE(rep->isParsingProduct(id));
    }
    EXPECT_FALSE(rep->loadEBook("geo.book", zipOf(bookEntries("1"))));  // no catalogue record
    EXPECT_FALSE(rep->isParsingProduct("geo.book"));
    EXPECT_EQ(listed(), std::vector<std::string>{"Sample"});
}

}  // namespace
