#pragma once
// What the library's start screen lists, built afresh each time the library opens: the built-in
// study guide, the installed e-books sorted into interactive and plain ones, the maths-review entry,
// and the four lists of link rows.
//
// The link rows live in the bundle's file "LibraryLinks.json": an object whose keys name the four
// lists ("videos", "applications", "orvaArticles", "mbaArticles"), each an array of rows
//
//     {"shortName": "...", "longName": "...", "image": "Resources_icon_green.png", "link": "..."}
//
// where an article row gives "forumPath" instead of "link": its address on the forum configured
// under "MakerForumAddress". A row without an address opens nothing. A row that is not an object
// with text names is logged and skipped.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Classes/library_store/MResources.h"

class MEBook;
class MStartSet;

class LibraryContents {
  public:
    static constexpr const char* kLinksFileName = "LibraryLinks";
    static constexpr const char* kForumAddressKey = "MakerForumAddress";
    static constexpr const char* kGuideTitle = "The ORVA Uncovered";
    static constexpr const char* kMathTitle = "Math Book";

    // The study guide's thirteen pages, each a listed top-level page of the bundle.
    static std::shared_ptr<MStartSet> studyGuide();
    // The maths-review entry: no pages; the library opens the maths review for it.
    static std::shared_ptr<MStartSet> mathEntry();

    // The two book lists: plain sets (the guide first, the plain e-books in list order, the maths
    // entry last) and the interactive e-books (any reading mode but 0), in list order.
    struct Books {
        std::vector<std::shared_ptr<MStartSet>> books;
        std::vector<std::shared_ptr<MEBook>> smartBooks;
    };
    static Books sortedBooks(const std::vector<std::shared_ptr<MEBook>>& eBooks);

    // The four link lists of the start screen, in the screen's order.
    struct Links {
        std::shared_ptr<MResources> youtube = std::make_shared<MResources>();
        std::shared_ptr<MResources> iphone = std::make_shared<MResources>();
        std::shared_ptr<MResources> orva = std::make_shared<MResources>();
        std::shared_ptr<MResources> mba = std::make_shared<MResources>();
    };
    // From the file's text, article rows on the forum address (none when it is empty). Text that is
    // no JSON object gives empty lists.
    static Links linksFromText(std::string_view text, const std::string& forumAddress);
    // From the bundle's file and the configured forum.
    static Links links();

    // A page's address in the forum folder; empty without a forum or a path.
    static std::string forumLink(const std::string& forumAddress, const std::string& path);
};
