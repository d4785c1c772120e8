#pragma once
// Lays an answer-key file over a book's skeleton and checks that the result keeps every structural
// rule of the book: the same rows in the same order, pages within their spans and never falling,
// page and number strictly ascending, pages used and rows per page, reading passages, and the form
// of the tag lists. A check that needs a value the file leaves as "?" is skipped. The profile
// statistics of the printed keys (answer letter counts, tag counts) are not checked: a corrected
// key may differ from them.

#include <string>
#include <vector>

#include "Classes/errorlog/AnswerKeyFile.h"
#include "Classes/errorlog/BookSkeleton.h"

class AnswerKeyValidator {
  public:
    struct Result {
        // The rows of each section in build order; meaningful only when there are no problems.
        std::vector<std::vector<BookSkeleton::Row>> sections;
        std::vector<std::string> problems;
        bool ok() const { return problems.empty(); }
    };

    static Result check(const BookSkeleton& book, const AnswerKeyFile& file);
};
