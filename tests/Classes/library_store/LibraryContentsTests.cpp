// What the library lists: the books sorted into their sections around the study guide and the
// maths entry, the sections a list count gives, and the link rows read from their file.

#include <gtest/gtest.h>

#include "Classes/library_store/LibraryContents.h"
#include "Classes/library_store/LibrarySections.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MStartItem.h"
#include "tests/support/TestEnvironment.h"

namespace {

class LibraryContentsTest : public testing_support::TestEnvironment {};

std::shared_ptr<MEBook> book(const std::string& id, int mode) {
    auto b = std::make_shared<MEBook>(id);
    b->setSmartBookMode(mode);
    return b;
}

TEST_F(LibraryContentsTest, BooksSortAroundTheGuideAndTheMathsEntry) {
    auto sorted = LibraryContents::sortedBooks({book("p1", 0), book("i1", 1), book("i2", 2), book("p2", 0)});
    ASSERT_EQ(sorted.books.size(), 4u);
    EXPECT_EQ(sorted.books.front()->title(), LibraryContents::kGuideTitle);
    EXPECT_EQ(std::dynamic_pointer_cast<MEBook>(sorted.books[1])->productId(), "p1");
    EXPECT_EQ(std::dynamic_pointer_cast<MEBook>(sorted.books[2])->productId(), "p2");
    EXPECT_EQ(sorted.books.back()->title(), LibraryContents::kMathTitle);
    EXPECT_TRUE(sorted.books.back()->items().empty());
    ASSERT_EQ(sorted.smartBooks.size(), 2u);
    EXPECT_EQ(sorted.smartBooks[1]->productId(), "i2") << "a book without history is interactive too";

    auto guide = LibraryContents::studyGuide();
    ASSERT_EQ(guide->items().size(), 13u);
    EXPECT_EQ(*guide->items()[5]->title(), "Scoring");
    EXPECT_EQ(guide->items()[12]->fileName(), "10_on_your_mark");
    for (const auto& page : guide->items()) {
        EXPECT_TRUE(page->isTocItem() && page->level() == 1 && !page->isHidden());
        EXPECT_TRUE(guide->URLForFileName(page->fileName(), std::nullopt))
            << page->fileName() << " is shipped";
    }
}

TEST_F(LibraryContentsTest, SectionsSkipEmptyBookListsAndCountCollapsedOnes) {
    struct Case {
        std::array<int, LibrarySections::kKindCount> counts;
        std::vector<int> kinds;
    };
    const Case cases[] = {
        {{1, 3, 5, 4, 21, 11}, {0, 1, 2, 3, 4, 5}},
        {{0, 2, 5, 4, 21, 11}, {1, 2, 3, 4, 5}},
        {{2, 0, 0, 0, 0, 0}, {0, 2, 3, 4, 5}},
        {{0, 0, 0, 0, 0, 0}, {2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        LibrarySections sections(c.counts);
        ASSERT_EQ(sections.countSections(), int(c.kinds.size()));
        for (int s = 0; s < sections.countSections(); ++s)
            EXPECT_EQ(sections.typeOfSection(s), c.kinds[std::size_t(s)]);
        EXPECT_EQ(sections.typeOfSection(sections.countSections()), -1);
        EXPECT_EQ(sections.countRowsInSection(sections.countSections()), 0);
    }
    LibrarySections sections({0, 2, 5, 4, 21, 11});
    EXPECT_EQ(sections.titleForSection(0), "eBooks");
    ASSERT_TRUE(sections.flip(3));
    EXPECT_EQ(sections.countRowsInSection(3), 0);
    EXPECT_EQ(sections.headerText(3), "ORVA Resources (online) [21]");
    EXPECT_FALSE(sections.flip(5));
    EXPECT_FALSE(sections.flip(-1));
}

TEST_F(LibraryContentsTest, LinkRowsComeFromTheFileWithArticlesOnTheForum) {
    const char* text =
        R"({"videos": [{"shortName": "Practice", "longName": "L", "image": "none.png", "link": ""}],
        "orvaArticles": [{"shortName": "A", "longName": "a", "forumPath": "viewtopic.php?t=1"},
                         {"shortName": 7}, "row", {"longName": "no name"},
                         {"shortName": "B", "longName": "b", "forumPath": "viewtopic.php?t=2"}],
        "mbaArticles": "not a list"})";
    auto links = LibraryContents::linksFromText(text, "http://127.0.0.1:9/forum");
    ASSERT_EQ(links.youtube->count(), 1u);
    EXPECT_EQ(links.youtube->resourses()[0]->link(), "");
    EXPECT_EQ(links.youtube->resourses()[0]->image(), nullptr) << "a missing picture shows none";
    ASSERT_EQ(links.orva->count(), 2u) << "malformed rows are skipped";
    EXPECT_EQ(links.orva->resourses()[1]->link(), "http://127.0.0.1:9/forum/viewtopic.php?t=2");
    EXPECT_EQ(links.mba->count(), 0u);
    EXPECT_EQ(LibraryContents::linksFromText(text, "").orva->resourses()[0]->link(), "");
    EXPECT_EQ(LibraryContents::linksFromText("{", "x").orva->count(), 0u);

    auto shipped = LibraryContents::links();
    EXPECT_EQ(shipped.youtube->count(), 5u);
    EXPECT_EQ(shipped.iphone->count(), 4u);
    EXPECT_EQ(shipped.orva->count(), 21u);
    EXPECT_EQ(shipped.mba->count(), 11u);
    EXPECT_EQ(shipped.orva->resourses()[0]->shortName(), "Official ORVA site");
    EXPECT_EQ(shipped.mba->resourses()[0]->shortName(), "US MBA Directory");
    for (const auto* list : {&shipped.youtube, &shipped.iphone, &shipped.orva, &shipped.mba})
        for (const auto& row : (*list)->resourses()) EXPECT_TRUE(row->image()) << row->shortName();
}

}  // namespace
