#include <fstream>

#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MEBookLoader.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/MStartItem.h"
#include "tests/Classes/library_store/BookDescription.h"
#include "tests/support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kContainer = R"(<?xml version="1.0"?>
<container><rootfiles><rootfile full-path="OPS/book.opf"/></rootfiles></container>)";

std::string package(const std::string& manifest, const std::string& spine) {
    return "<package><manifest>" + manifest +
           R"(<item id="ncx" href="toc.ncx" media-type="application/x-dtbncx+xml"/>)" +
           "</manifest><spine toc=\"ncx\">" + spine + "</spine></package>";
}

std::string navPoint(const std::string& title, const std::string& src, const std::string& inner = "") {
    return "<navPoint><navLabel><text>" + title + "</text></navLabel><content src=\"" + src + "\"/>" + inner +
           "</navPoint>";
}

using book_description::describe;

class EBookLoaderTest : public testing_support::TestEnvironment {
  protected:
    void write(const std::string& relative, const std::string& text) {
        fs::path path = folder / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    // Writes a book with the given reading order (file names) and table of contents.
    void writeBook(const std::vector<std::string>& files, const std::string& navMap,
                   const std::string& container = kContainer) {
        std::string manifest, spine;
        for (std::size_t i = 0; i < files.size(); ++i) {
            std::string id = "p" + std::to_string(i);
            manifest +=
                "<item id=\"" + id + "\" href=\"" + files[i] + "\" media-type=\"application/xhtml+xml\"/>";
            spine += "<itemref idref=\"" + id + "\"/>";
        }
        write("META-INF/container.xml", container);
        write("OPS/book.opf", package(manifest, spine));
        write("OPS/toc.ncx", "<ncx><navMap>" + navMap + "</navMap></ncx>");
    }
    std::shared_ptr<MEBook> load(int index = 0) {
        MEBookLoader loader(list);
        loader.setIndex(index);
        loader.loadData(folder, record);
        return loader.currentBook();
    }

    fs::path folder;
    MProductInfo record{"book.one", 3, 7, "Book One", "", "", "none"};
    std::vector<std::shared_ptr<MEBook>> list;

    void SetUp() override {
        TestEnvironment::SetUp();
        folder = documents / "eBooks" / "book.one";
    }
};

TEST_F(EBookLoaderTest, TablesOfContentsBecomePagesInTheReadingOrder) {
    struct Case {
        const char* what;
        std::vector<std::string> files;
        std::string navMap;
        std::vector<std::string> pages;
    };
    const Case cases[] = {
        {"entries into one file, repeated files, an entry outside the order, a bad anchor",
         {"a.html", "b.html", "b.html", "c.html"},
         navPoint("A", "a.html") + navPoint("A2", "a.html#x") + navPoint("A3", "a.html#y") +
             navPoint("B", "b.html") + navPoint("B2", "b.html#second") + navPoint("Z", "z.html") +
             navPoint("Bad", "c.html#1#2"),
         {"a.html A 1 toc", "a.html#x A2 1 toc hidden", "a.html#y A3 1 toc hidden", "b.html B 1 toc",
          "b.html#second B2 1 toc", "c.html - 1"}},
        {"an entry places itself once",
         {"a.html", "b.html"},
         "<navPoint><navLabel><text>A</text></navLabel><content src=\"a.html\"/>"
         "<content src=\"b.html#x\"/><content/></navPoint>",
         {"a.html A 1 toc", "b.html - 1"}},
        {"nesting levels and a label without text",
         {"a.html", "b.html", "c.html"},
         navPoint("A", "a.html", navPoint("B", "b.html", navPoint("C", "c.html"))) +
             "<navPoint><navLabel/><content src=\"a.html#late\"/></navPoint>",
         {"a.html A 1 toc", "a.html#late C 1 toc hidden", "b.html B 2 toc", "c.html C 3 toc"}},
        {"malformed XML keeps what was read before the error",
         {"a.html", "b.html"},
         navPoint("A", "a.html") + "<navPoint><navLabel><text>B</text></navLabel><content src=\"b.html\"",
         {"a.html A 1 toc", "b.html - 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBook(c.files, c.navMap);
        auto book = load();
        ASSERT_TRUE(book);
        EXPECT_EQ(book->dataPath(), "OPS/");
        EXPECT_EQ(describe(*book), c.pages);
    }
}

TEST_F(EBookLoaderTest, ContainerChoicesAndPackagesAtTheTop) {
    writeBook({"a.html"}, navPoint("A", "a.html"),
              R"(<container><rootfile full-path="nowhere.opf"/><rootfile full-path="top.opf"/></container>)");
    write("top.opf", package(R"(<item id="p" href="OPS/a.html"/>)",
                             R"(<itemref idref="p"/><itemref idref="missing"/>)"));
    auto book = load();
    ASSERT_TRUE(book);
    EXPECT_EQ(book->dataPath(), "");
    EXPECT_EQ(describe(*book), (std::vector<std::string>{"OPS/a.html - 1", " - 1"}));
}

TEST_F(EBookLoaderTest, PrefixedElementsYieldNoPagesAndSoNoBook) {
    write("META-INF/container.xml", kContainer);
    write("OPS/book.opf", R"(<opf:package xmlns:opf="http://www.idpf.org/2007/opf"><opf:manifest>
        <opf:item id="p" href="a.html"/></opf:manifest><opf:spine><opf:itemref idref="p"/></opf:spine></opf:package>)");
    EXPECT_FALSE(load());
    EXPECT_TRUE(list.empty());
}

TEST_F(EBookLoaderTest, MissingFilesKeepWhatWasReadAndUntitledBooksAreDropped) {
    EXPECT_FALSE(load());  // no container at all: nothing to read
    EXPECT_TRUE(list.empty());

    writeBook({"a.html"}, "");
    fs::remove(folder / "OPS/toc.ncx");
    auto untitledPages = load(5);
    ASSERT_TRUE(untitledPages);
    EXPECT_EQ(describe(*untitledPages), std::vector<std::string>{"a.html - 1"});
    auto again = load(5);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1], again);  // an index past the end appends

    record.setTitle("");
    EXPECT_FALSE(load());
    EXPECT_EQ(list.size(), 2u);
}

TEST_F(EBookLoaderTest, PathsLeavingTheBookAreNotFollowed) {
    fs::create_directories(documents / "eBooks" / "outside");
    std::ofstream(documents / "eBooks" / "outside" / "book.opf")
        << package(R"(<item id="p" href="a.html"/>)", R"(<itemref idref="p"/>)");
    for (std::string path : {"../outside/book.opf", "OPS/../../outside/book.opf", "/etc/passwd"}) {
        SCOPED_TRACE(path);
        write("META-INF/container.xml", "<container><rootfile full-path=\"" + path + "\"/></container>");
        EXPECT_FALSE(load());
    }
    EXPECT_TRUE(list.empty());

    // A table of contents outside the book is not read; the pages stay untitled.
    writeBook({"a.html"}, "");
    write("OPS/book.opf",
          R"(<package><manifest><item id="p" href="a.html"/><item id="ncx" href="../../outside.ncx"/>
        </manifest><spine toc="ncx"><itemref idref="p"/></spine></package>)");
    std::ofstream(documents / "eBooks" / "outside.ncx")
        << "<ncx><navMap>" + navPoint("Stolen", "a.html") + "</navMap></ncx>";
    auto book = load();
    ASSERT_TRUE(book);
    EXPECT_EQ(describe(*book), std::vector<std::string>{"a.html - 1"});
}

}  // namespace
