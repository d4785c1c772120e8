#pragma once
// The text of an answer-key file: one book's rows, one line each, in build order. The format is
// described in resources/AnswerKeys/README.md:
//
//     # comment
//     book<TAB>OG12
//     DT<TAB>1<TAB>PS<TAB>20<TAB>C<TAB>Arithmetic;Percents;Hard
//
// Fields: section, number, type, page, right answer, tags. "?" stands for a value not known (type:
// only in reading sections; tags: keep the skeleton's), "-" in the tags field for no list. Reading
// checks only the form of each line; AnswerKeyValidator checks the rows against the book.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Classes/errorlog/BookSkeleton.h"

class AnswerKeyFile {
  public:
    enum class Tags { Unknown, None, List };
    struct Line {
        int lineNumber = 0;
        std::string section;
        int number = 0;
        std::optional<int> type;    // nothing for "?"
        std::optional<int> page;    // nothing for "?"
        std::optional<int> answer;  // 1-5, nothing for "?"
        Tags tags = Tags::Unknown;
        std::vector<std::string> tagList;
    };

    std::string book;
    std::vector<Line> lines;

    // The file read from its text, or nothing with the first problem in `error`.
    static std::optional<AnswerKeyFile> parse(std::string_view text, std::string* error);
    // The file that gives exactly the skeleton: numbers and types, nothing else known.
    static std::string skeletonText(const BookSkeleton& book);
    // The type code of a type text ("PS" ... "RCFirst"), or 0.
    static int typeCode(std::string_view text);
};
