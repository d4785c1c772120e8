#include "Classes/core/MRepository.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MStartItem.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

// An object through a keyed archive and back.
template <class T>
std::shared_ptr<T> roundTrip(const std::shared_ptr<T>& object) {
    auto bytes = fnd::KeyedArchiver::archive("root", object);
    EXPECT_TRUE(bytes);
    return fnd::KeyedUnarchiver::unarchive(*bytes, "root").template object<T>();
}

class LibraryModelTest : public testing_support::TestEnvironment {};

TEST_F(LibraryModelTest, PagesArchiveTheirFieldsAndKeepAnAbsentAnchorAbsent) {
    auto page = MStartItem::initItemWithImage(MStartItem::kPointerImage, "Ratios", "", "ch1/ratios.html");
    page->setLevel(3);
    page->setIsHidden(true);
    auto back = roundTrip(page);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title(), "Ratios");
    EXPECT_EQ(back->fileName(), "ch1/ratios.html");
    EXPECT_EQ(back->imageName(), "Start_pointer.png");
    EXPECT_EQ(back->level(), 3);
    EXPECT_TRUE(back->isTocItem());
    EXPECT_TRUE(back->isHidden());
    EXPECT_FALSE(back->anchor());

    page->setAnchor("part2");
    page->setTitle(std::nullopt);
    back = roundTrip(page);
    EXPECT_EQ(back->anchor(), "part2");
    EXPECT_FALSE(back->title());
}

TEST_F(LibraryModelTest, EBooksArchiveWithTheirPagesButNotTheirIndex) {
    auto book = std::make_shared<MEBook>("org.orvakit.studykit.geometry");
    book->setTitle("Geometry");
    book->setDataPath("OPS/");
    book->setVersion(4);
    book->setSmartBookMode(2);
    book->items().push_back(
        MStartItem::initItemWithImage(MStartItem::kPointerImage, "Circles", "", "c.html"));
    auto back = roundTrip(book);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->productId(), "org.orvakit.studykit.geometry");
    EXPECT_EQ(back->title(), "Geometry");
    EXPECT_EQ(back->dataPath(), "OPS/");
    EXPECT_EQ(back->version(), 4);
    EXPECT_EQ(back->smartBookMode(), 2);
    EXPECT_FALSE(back->hasHistory());  // listed as interactive, but without answers
    ASSERT_EQ(back->items().size(), 1u);
    EXPECT_EQ(back->items()[0]->title(), "Circles");
    EXPECT_FALSE(back->ibIndex());
}

TEST_F(LibraryModelTest, PageAddressesStayInsideTheBookFolder) {
    MEBook book("book.one");
    book.setDataPath("OPS/");
    fs::path folder = documents / "eBooks" / "book.one";
    auto url = book.URLForFileName("text/p1.html", "q3");
    ASSERT_TRUE(url);
    EXPECT_EQ(url->filePath(), folder / "OPS/text/p1.html");
    EXPECT_EQ(url->fragment(), "q3");
    EXPECT_EQ(book.URLForFileName("p1.html", std::nullopt)->filePath(), folder / "OPS/p1.html");
    EXPECT_FALSE(book.URLForFileName("p1.html", std::nullopt)->hasFragment());

    for (std::string bad :
         {"../../other/p.html", "../../../../etc/passwd", "/etc/passwd", "http://example.com/x",
          "file:///etc/passwd", "with space.html", "caf\xc3\xa9.html"}) {
        EXPECT_FALSE(book.URLForFileName(bad, std::nullopt)) << bad;
    }
    // Inside the book but outside the package folder is still the book's.
    EXPECT_TRUE(book.URLForFileName("../images/a.png", std::nullopt));

    book.setDataPath("/etc/");
    EXPECT_FALSE(book.URLForFileName("passwd", std::nullopt));
    MEBook hostile("../..");
    EXPECT_FALSE(hostile.URLForFileName("p.html", std::nullopt));
}

TEST_F(LibraryModelTest, ProductIdentifiersNeverNameAFolderOutsideTheBooks) {
    for (std::string id : {"Sample", "org.orvakit.studykit.geometry", "a-b_c.1"})
        EXPECT_TRUE(MRepository::isValidProductId(id)) << id;
    for (std::string id : std::vector<std::string>{"", ".", "..", "../x", "a/b", ".hidden", "-x", "a\\b",
                                                   "a b", std::string("a\0b", 3)}) {
        EXPECT_FALSE(MRepository::isValidProductId(id)) << id;
        EXPECT_TRUE(MRepository::dataFolderPathForEBook(id).empty()) << id;
    }
    EXPECT_EQ(MRepository::dataFolderPathForEBook("b1"), documents / "eBooks" / "b1");
}

}  // namespace
