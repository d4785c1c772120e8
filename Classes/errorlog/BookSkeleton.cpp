#include "Classes/errorlog/BookSkeleton.h"

#include "Classes/errorlog/ConceptTags.h"

namespace {

using Rule = BookSkeleton::TagRule;
using Section = BookSkeleton::Section;
using Block = BookSkeleton::Block;

constexpr int PS = 1, DS = 2, SC = 3, CR = 4, RC = 5, RCFirst = 6;

struct Kind {
    const char* fullName;
    const char* shortName;
    int sectionType;
    int questionType;
};
constexpr Kind kDT{"Diagnostic Test", "DT", 2, 0};
constexpr Kind kPS{"Problem Solving", "PS", 5, PS};
constexpr Kind kDS{"Data Sufficiency", "DS", 6, DS};
constexpr Kind kRC{"Reading Comprehension", "RC", 9, RC};
constexpr Kind kCR{"Critical Reasoning", "CR", 8, CR};
constexpr Kind kSC{"Sentence Correction", "SC", 7, SC};

struct Span {
    int start, end, rows;
};
struct Used {
    int first, last, distinct, minPerPage = 0, maxPerPage = 0;
};

Section header(const Kind& kind, int startPage, int endPage) {
    Section s{};
    s.fullName = kind.fullName;
    s.shortName = kind.shortName;
    s.sectionType = kind.sectionType;
    s.startPage = startPage;
    s.endPage = endPage;
    return s;
}

// A chapter: one block of its kind's type numbered from 1.
Section chapter(const Kind& kind, Span span, Used used, Rule tags, int fixedCount = -1) {
    Section s = header(kind, span.start, span.end);
    s.blocks.push_back({kind.questionType, span.rows, 1, used.first, used.last, tags, fixedCount, -1});
    s.distinctPages = used.distinct;
    s.minRowsPerPage = used.minPerPage;
    s.maxRowsPerPage = used.maxPerPage;
    return s;
}

Section graded(const Kind& kind, Span span, Used used, int lastEasy, int lastMedium) {
    Section s = chapter(kind, span, used, Rule::Graded);
    s.lastEasy = lastEasy;
    s.lastMedium = lastMedium;
    return s;
}

Section withPassages(Section s, std::vector<std::pair<int, int>> sizeTimes, int maxPages,
                     bool onPagePairs = false) {
    for (auto [size, times] : sizeTimes) s.passageSizes.insert(s.passageSizes.end(), times, size);
    s.maxPassagePages = maxPages;
    s.passagesOnPagePairs = onPagePairs;
    return s;
}

// The diagnostic test: 24 PS numbered 1-24, 24 DS 25-48, then 17 RC 1-17, 17 CR 18-34, 18 SC 35-52.
struct BlockForm {
    int firstPage, lastPage;
    Rule tags;
    int fixedCount = -1;
    int maxTopics = -1;
};
Section diagnostic(Used used, BlockForm ps, BlockForm ds, BlockForm rc, BlockForm cr, BlockForm sc) {
    Section s = header(kDT, 18, 105);
    s.blocks = {{PS, 24, 1, ps.firstPage, ps.lastPage, ps.tags, ps.fixedCount, ps.maxTopics},
                {DS, 24, 25, ds.firstPage, ds.lastPage, ds.tags, ds.fixedCount, ds.maxTopics},
                {RC, 17, 1, rc.firstPage, rc.lastPage, rc.tags, rc.fixedCount, rc.maxTopics},
                {CR, 17, 18, cr.firstPage, cr.lastPage, cr.tags, cr.fixedCount, cr.maxTopics},
                {SC, 18, 35, sc.firstPage, sc.lastPage, sc.tags, sc.fixedCount, sc.maxTopics}};
    s.distinctPages = used.distinct;
    s.minRowsPerPage = used.minPerPage;
    s.maxRowsPerPage = used.maxPerPage;
    return s;
}

std::vector<BookSkeleton> makeBooks() {
    std::vector<BookSkeleton> books;
    books.push_back({"The Official Guide, 12th Edition",
                     "OG12",
                     "Books_OG12.png",
                     840,
                     "OG12.tsv",
                     1,
                     5,
                     {diagnostic({20, 44, 24, 2, 13}, {20, 23, Rule::DifficultyLast, -1, 2},
                                 {25, 26, Rule::DifficultyLast, -1, 2}, {27, 32, Rule::TopicsOnly, -1, 1},
                                 {33, 39, Rule::TopicsMaybeHard, 2, 3}, {40, 44, Rule::TopicsOnly, -1, 2}),
                      graded(kPS, {148, 265, 230}, {152, 185, 34, 4, 9}, 77, 154),
                      graded(kDS, {266, 351, 174}, {273, 288, 16, 8, 13}, 58, 106),
                      withPassages(graded(kRC, {352, 481, 139}, {358, 407, 48, 1, 6}, 46, 92),
                                   {{3, 3}, {5, 6}, {6, 9}, {7, 3}, {8, 2}, {9, 1}}, 3),
                      graded(kCR, {482, 649, 124}, {486, 524, 39, 1, 4}, 41, 81),
                      graded(kSC, {650, 757, 140}, {658, 683, 26, 4, 7}, 46, 92)}});
    books.push_back({"The Official Guide, Quantitative 2nd Edition",
                     "OG Quant 2",
                     "Books_OGQ2.png",
                     216,
                     "OGQuant2.tsv",
                     0,
                     5,
                     {graded(kPS, {58, 145, 176}, {62, 85, 24, 5, 9}, 59, 118),
                      graded(kDS, {146, 207, 124}, {153, 162, 10, 3, 15}, 41, 82)}});
    books.push_back({"The Official Guide, Verbal 2nd Edition",
                     "OG Verbal 2",
                     "Books_OGV2.png",
                     332,
                     "OGVerbal2.tsv",
                     1,
                     2,
                     {withPassages(graded(kRC, {16, 111, 104}, {22, 58, 35, 1, 6}, 32, 70),
                                   {{3, 2}, {5, 3}, {6, 9}, {7, 3}, {8, 1}}, 2),
                      graded(kCR, {112, 235, 83}, {116, 151, 36, 1, 4}, 28, 56),
                      graded(kSC, {236, 323, 113}, {244, 267, 24, 3, 6}, 38, 76)}});
    books.push_back(
        {"The Official Guide, 11th Edition",
         "OG11",
         "Books_OG11.png",
         832,
         "OG11.tsv",
         1,
         4,
         {diagnostic({20, 43, 24}, {20, 23, Rule::TopicsOrNone, 4, 1}, {24, 25, Rule::TopicsOrNone, 4, 1},
                     {26, 31, Rule::None}, {32, 38, Rule::None}, {39, 43, Rule::None}),
          chapter(kPS, {148, 271, 249}, {152, 186, 35}, Rule::TopicsOnly),
          chapter(kDS, {272, 339, 155}, {278, 290, 13}, Rule::TopicsOnly),
          withPassages(chapter(kRC, {340, 463, 141}, {346, 393, 47}, Rule::TopicsOnly),
                       {{3, 2}, {5, 5}, {6, 12}, {7, 3}, {8, 1}, {9, 1}}, 2),
          chapter(kCR, {464, 629, 124}, {468, 504, 37}, Rule::TopicsOnly),
          chapter(kSC, {630, 727, 138}, {638, 660, 23}, Rule::TopicsOnly)}});
    books.push_back({"The Official Guide, Quantitative 1st Edition",
                     "OG Quant 1",
                     "Books_OGQ1.png",
                     215,
                     "OGQuant1.tsv",
                     1,
                     2,
                     {chapter(kPS, {58, 142, 176}, {62, 85, 24, 5, 10}, Rule::TopicsOrNone, 9),
                      chapter(kDS, {144, 193, 118}, {149, 157, 9, 11, 14}, Rule::TopicsOrNone, 10)}});
    books.push_back({"The Official Guide, Verbal 1st Edition",
                     "OG Verbal 1",
                     "Books_OGV1.png",
                     328,
                     "OGVerbal1.tsv",
                     0,
                     0,
                     {withPassages(chapter(kRC, {16, 111, 105}, {22, 56, 35, 1, 5}, Rule::None),
                                   {{4, 2}, {5, 2}, {6, 7}, {7, 3}, {8, 3}}, 3, true),
                      chapter(kCR, {112, 225, 82}, {116, 142, 27, 1, 4}, Rule::None),
                      chapter(kSC, {226, 307, 113}, {234, 253, 20, 4, 7}, Rule::None)}});
    return books;
}

}  // namespace

int BookSkeleton::Section::rows() const {
    int count = 0;
    for (const Block& block : blocks) count += block.rows;
    return count;
}

std::span<const BookSkeleton> BookSkeleton::all() {
    static const std::vector<BookSkeleton> books = makeBooks();
    return books;
}

const BookSkeleton* BookSkeleton::named(std::string_view shortName) {
    for (const BookSkeleton& book : all())
        if (shortName == book.shortName) return &book;
    return nullptr;
}

const char* BookSkeleton::difficultyOf(const Section& section, int number) {
    if (number <= section.lastEasy) return ConceptTags::kEasy;
    if (number <= section.lastMedium) return ConceptTags::kMedium;
    return ConceptTags::kHard;
}

const BookSkeleton::Block& BookSkeleton::blockAt(const Section& section, int position) {
    for (const Block& block : section.blocks) {
        if (position < block.rows) return block;
        position -= block.rows;
    }
    return section.blocks.back();
}

std::vector<BookSkeleton::Row> BookSkeleton::skeletonRows(const Section& section) {
    std::vector<Row> rows;
    rows.reserve(static_cast<std::size_t>(section.rows()));
    for (const Block& block : section.blocks) {
        for (int i = 0; i < block.rows; ++i) {
            Row row;
            row.type = block.type == RC && rows.empty() && section.blocks.size() == 1 ? RCFirst : block.type;
            row.number = block.firstNumber + i;
            row.page = block.firstPage;
            if (block.tags == TagRule::Graded)
                row.tags = std::make_shared<const std::vector<std::string>>(
                    std::vector<std::string>{difficultyOf(section, row.number)});
            rows.push_back(std::move(row));
        }
    }
    return rows;
}
