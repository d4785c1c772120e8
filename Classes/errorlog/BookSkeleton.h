#pragma once
// What is fixed about each official-guide book without its answer key: the header, the sections
// with their page spans, and for every question its section, number and type, in build order. The
// answer keys (pages, right answers, tags, where reading passages begin) are not part of the
// program; a user installs them as key files (AnswerKeyLoader), which must keep to the rules here.
//
// Build order is ascending page and number within a section; the tracker archive finds a history's
// question by its position in that order, so the rows of a section never change their order or
// count, whatever key is laid over them.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class BookSkeleton {
  public:
    // What a block's tag lists look like.
    enum class TagRule {
        Graded,           // always a list, ending with the difficulty that the row's number gives
        DifficultyLast,   // always a list, ending with some difficulty
        TopicsOnly,       // always a list, no difficulty
        TopicsMaybeHard,  // always a list, no difficulty but "Hard" on a fixed number of rows
        TopicsOrNone,     // a list of topics only on a fixed number of rows, else none
        None,             // never a list
    };

    // A run of rows of one type, numbered on from firstNumber, on the pages firstPage to lastPage.
    struct Block {
        int type;
        int rows;
        int firstNumber;
        int firstPage;
        int lastPage;
        TagRule tags;
        // With TopicsMaybeHard: rows that end with "Hard"; with TopicsOrNone: rows with a list.
        int fixedCount = -1;
        // Topic tags a list of this block holds at most, when fewer than the book allows.
        int maxTopics = -1;
    };

    struct Section {
        const char* fullName;
        const char* shortName;
        int sectionType;
        int startPage;
        int endPage;
        std::vector<Block> blocks;  // one block outside the diagnostic test
        int distinctPages = 0;      // pages holding rows; 0 when not fixed
        int minRowsPerPage = 0;     // bounds of rows per page; 0 when not fixed
        int maxRowsPerPage = 0;
        int lastEasy = 0;  // graded sections: the last Easy and last Medium numbers
        int lastMedium = 0;
        std::vector<int> passageSizes;     // reading sections: the passages' sizes, ascending
        int maxPassagePages = 0;           // pages one passage may span
        bool passagesOnPagePairs = false;  // passage k begins on the page firstPage + 2k

        int rows() const;
    };

    // One question as built: type, number, page (the row before's when unknown), right answer
    // (0 when unknown) and tags (null for none).
    struct Row {
        int type = 0;
        int number = 0;
        int page = 0;
        bool pageKnown = false;
        int answer = 0;
        std::shared_ptr<const std::vector<std::string>> tags;
    };

    const char* fullName;
    const char* shortName;
    const char* cover;
    int numberOfPages;
    // The answer-key file's name in "AnswerKeys" folders.
    const char* keyFileName;
    int minTopicsPerList;
    int maxTopicsPerList;
    std::vector<Section> sections;

    // The six books in set-up order.
    static std::span<const BookSkeleton> all();
    static const BookSkeleton* named(std::string_view shortName);

    // A section's rows with nothing of the key known: row 1 of a reading section opens a passage,
    // every page is its block's first, and graded rows carry their difficulty only.
    static std::vector<Row> skeletonRows(const Section& section);
    // The difficulty of a number in a graded section.
    static const char* difficultyOf(const Section& section, int number);
    // The block of the row at a position of the section.
    static const Block& blockAt(const Section& section, int position);
};
