#include "tests/Classes/library_store/BookDescription.h"

#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MStartItem.h"

namespace book_description {

std::string describe(const MStartItem& page) {
    std::string text = page.fileName();
    if (page.anchor()) text += "#" + *page.anchor();
    text += " " + page.title().value_or("-") + " " + std::to_string(page.level());
    if (page.isTocItem()) text += " toc";
    if (page.isHidden()) text += " hidden";
    return text;
}

std::vector<std::string> describe(const MEBook& book) {
    std::vector<std::string> pages;
    for (const auto& page : book.items()) pages.push_back(describe(*page));
    return pages;
}

}  // namespace book_description
