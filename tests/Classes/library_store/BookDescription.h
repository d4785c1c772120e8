#pragma once
// A book's pages as short lines ("file#anchor title level toc hidden"), for comparing whole page
// lists in one assertion.

#include <string>
#include <vector>

class MEBook;
class MStartItem;

namespace book_description {

std::string describe(const MStartItem& page);
std::vector<std::string> describe(const MEBook& book);

}  // namespace book_description
