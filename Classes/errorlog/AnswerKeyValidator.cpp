#include "Classes/errorlog/AnswerKeyValidator.h"

#include <algorithm>
#include <map>
#include <set>
#include <span>

#include "Classes/errorlog/ConceptTags.h"

namespace {

using Row = BookSkeleton::Row;
using Rule = BookSkeleton::TagRule;
using Section = BookSkeleton::Section;
constexpr int kRCFirst = 6;
constexpr std::size_t kMaxProblems = 20;

class Checker {
  public:
    Checker(const BookSkeleton& book, AnswerKeyValidator::Result& result) : book_(book), result_(result) {}

    void problem(const Section& section, const std::string& what, int number = 0) {
        if (result_.problems.size() >= kMaxProblems) return;
        std::string where = std::string(section.shortName) + (number ? " " + std::to_string(number) : "");
        result_.problems.push_back(where + ": " + what);
    }

    // The section's lines laid over its skeleton. Pages the file leaves open take the page of the
    // row before them (the block's first page for a block's first row), so build order holds.
    std::vector<Row> merge(const Section& section, std::span<const AnswerKeyFile::Line> lines,
                           std::vector<bool>& tagsKnown, bool& typesKnown, bool& pagesKnown) {
        std::vector<Row> rows = BookSkeleton::skeletonRows(section);
        bool passages = !section.passageSizes.empty();
        typesKnown = pagesKnown = true;
        tagsKnown.assign(rows.size(), true);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const AnswerKeyFile::Line& line = lines[i];
            Row& row = rows[i];
            const BookSkeleton::Block& block = BookSkeleton::blockAt(section, static_cast<int>(i));
            if (line.section != section.shortName || line.number != row.number) {
                problem(section, "line " + std::to_string(line.lineNumber) + " should be question " +
                                     std::to_string(row.number) + " of this section");
                continue;
            }
            if (!line.type) {
                if (passages && i > 0)
                    typesKnown = false;
                else if (!passages)
                    problem(section, "the type must be given", row.number);
            } else if (passages && i > 0 && (*line.type == 5 || *line.type == kRCFirst)) {
                row.type = *line.type;
            } else if (*line.type != row.type) {
                problem(section, "wrong question type", row.number);
            }
            bool firstOfBlock = i == 0 || &BookSkeleton::blockAt(section, static_cast<int>(i) - 1) != &block;
            if (line.page) {
                row.page = *line.page;
                row.pageKnown = true;
                if (row.page < section.startPage || row.page > section.endPage ||
                    row.page < block.firstPage || row.page > block.lastPage)
                    problem(section,
                            "page " + std::to_string(row.page) + " is outside the pages of its questions",
                            row.number);
            } else {
                pagesKnown = false;
                row.page = firstOfBlock ? block.firstPage : rows[i - 1].page;
            }
            row.answer = line.answer.value_or(0);
            if (line.tags == AnswerKeyFile::Tags::None) row.tags = nullptr;
            if (line.tags == AnswerKeyFile::Tags::List)
                row.tags = std::make_shared<const std::vector<std::string>>(line.tagList);
            tagsKnown[i] = line.tags != AnswerKeyFile::Tags::Unknown;
        }
        return rows;
    }

    void checkPages(const Section& section, const std::vector<Row>& rows, bool pagesKnown) {
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const Row& a = rows[i - 1];
            const Row& b = rows[i];
            if (a.page > b.page || (a.page == b.page && a.number >= b.number))
                problem(section, "not after the question before it in page and number order", b.number);
        }
        if (!pagesKnown || rows.empty()) return;
        std::map<int, int> perPage;
        for (const Row& row : rows) ++perPage[row.page];
        if (perPage.begin()->first != section.blocks.front().firstPage ||
            perPage.rbegin()->first != section.blocks.back().lastPage)
            problem(section, "the questions do not fill the section's pages from first to last");
        if (section.distinctPages && static_cast<int>(perPage.size()) != section.distinctPages)
            problem(section, "questions stand on " + std::to_string(perPage.size()) + " pages, not " +
                                 std::to_string(section.distinctPages));
        for (auto [page, count] : perPage) {
            if (section.maxRowsPerPage && (count < section.minRowsPerPage || count > section.maxRowsPerPage))
                problem(section,
                        "page " + std::to_string(page) + " holds " + std::to_string(count) + " questions");
        }
    }

    void checkPassages(const Section& section, const std::vector<Row>& rows, bool typesKnown) {
        if (section.passageSizes.empty()) return;
        std::vector<std::size_t> starts;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].type != kRCFirst) continue;
            if (!starts.empty() && starts.back() + 1 == i)
                problem(section, "a passage of one question", rows[i].number);
            starts.push_back(i);
        }
        if (!typesKnown) return;
        std::vector<int> sizes;
        for (std::size_t k = 0; k < starts.size(); ++k) {
            std::size_t first = starts[k];
            std::size_t end = k + 1 < starts.size() ? starts[k + 1] : rows.size();
            sizes.push_back(static_cast<int>(end - first));
            checkPassagePages(section, rows, first, end, static_cast<int>(k), k + 1 == starts.size());
        }
        std::sort(sizes.begin(), sizes.end());
        if (sizes != section.passageSizes) problem(section, "the passages' sizes are not the book's");
    }

    void checkPassagePages(const Section& section, const std::vector<Row>& rows, std::size_t first,
                           std::size_t end, int index, bool last) {
        const Row& opening = rows[first];
        if (first > 0 && opening.pageKnown && rows[first - 1].pageKnown &&
            rows[first - 1].page >= opening.page)
            problem(section, "a passage begins on the page of the passage before it", opening.number);
        if (!opening.pageKnown) return;
        int lastPage = opening.page;
        for (std::size_t i = first; i < end; ++i)
            if (rows[i].pageKnown) lastPage = std::max(lastPage, rows[i].page);
        if (lastPage - opening.page + 1 > section.maxPassagePages)
            problem(section,
                    "a passage spans more than " + std::to_string(section.maxPassagePages) + " pages",
                    opening.number);
        if (section.passagesOnPagePairs) {
            int start = section.blocks.front().firstPage + 2 * index;
            if (opening.page != start || (!last && lastPage > start + 1))
                problem(section, "a passage off its pair of pages", opening.number);
        }
    }

    void checkTags(const Section& section, const std::vector<Row>& rows, const std::vector<bool>& tagsKnown) {
        std::size_t i = 0;
        for (const BookSkeleton::Block& block : section.blocks) {
            int counted = 0;
            bool allKnown = true;
            for (int r = 0; r < block.rows; ++r, ++i) {
                const Row& row = rows[i];
                if (!tagsKnown[i]) {
                    allKnown = false;
                    continue;
                }
                bool hard = false;
                if (checkList(section, block, row, hard))
                    counted += block.tags == Rule::TopicsOrNone ? 1 : hard;
            }
            bool fixed = block.tags == Rule::TopicsOrNone || block.tags == Rule::TopicsMaybeHard;
            if (fixed && allKnown && counted != block.fixedCount)
                problem(section, std::to_string(counted) + " tag lists of a kind the book has " +
                                     std::to_string(block.fixedCount) + " of");
        }
    }

    // Checks a known list against the block's rule; answers whether the row has a list, and
    // whether it ends with "Hard".
    bool checkList(const Section& section, const BookSkeleton::Block& block, const Row& row, bool& hard) {
        bool optional = block.tags == Rule::TopicsOrNone;
        if (!row.tags) {
            if (block.tags != Rule::None && !optional) problem(section, "a tag list is missing", row.number);
            return false;
        }
        if (block.tags == Rule::None) {
            problem(section, "this book has no tag list here", row.number);
            return true;
        }
        const std::vector<std::string>& tags = *row.tags;
        std::set<std::string_view> seen(tags.begin(), tags.end());
        if (tags.empty() || tags.size() > 6 || seen.size() != tags.size())
            problem(section, "a tag list holds 1 to 6 different tags", row.number);
        for (std::size_t t = 0; t + 1 < tags.size(); ++t)
            if (ConceptTags::isDifficulty(tags[t]))
                problem(section, "a difficulty tag stands only last", row.number);
        bool graded = !tags.empty() && ConceptTags::isDifficulty(tags.back());
        int topics = static_cast<int>(tags.size()) - graded;
        int maxTopics = block.maxTopics >= 0 ? block.maxTopics : book_.maxTopicsPerList;
        if (topics < book_.minTopicsPerList || topics > maxTopics)
            problem(section, "a tag list with " + std::to_string(topics) + " topic tags", row.number);
        hard = graded && tags.back() == ConceptTags::kHard;
        switch (block.tags) {
            case Rule::Graded:
                if (!graded || tags.back() != BookSkeleton::difficultyOf(section, row.number))
                    problem(section,
                            std::string("the list must end with \"") +
                                BookSkeleton::difficultyOf(section, row.number) + "\"",
                            row.number);
                break;
            case Rule::DifficultyLast:
                if (!graded) problem(section, "the list must end with a difficulty", row.number);
                break;
            case Rule::TopicsMaybeHard:
                if (graded && !hard) problem(section, "no difficulty but \"Hard\" here", row.number);
                break;
            default:
                if (graded) problem(section, "this book has no difficulty tags here", row.number);
        }
        return true;
    }

  private:
    const BookSkeleton& book_;
    AnswerKeyValidator::Result& result_;
};

}  // namespace

AnswerKeyValidator::Result AnswerKeyValidator::check(const BookSkeleton& book, const AnswerKeyFile& file) {
    Result result;
    if (file.book != book.shortName) {
        result.problems.push_back("the file is for \"" + file.book + "\"");
        return result;
    }
    std::size_t total = 0;
    for (const Section& section : book.sections) total += static_cast<std::size_t>(section.rows());
    if (file.lines.size() != total) {
        result.problems.push_back("the file has " + std::to_string(file.lines.size()) +
                                  " questions, the book " + std::to_string(total));
        return result;
    }
    Checker checker(book, result);
    std::span<const AnswerKeyFile::Line> lines = file.lines;
    for (const Section& section : book.sections) {
        std::vector<bool> tagsKnown;
        bool typesKnown = true, pagesKnown = true;
        auto count = static_cast<std::size_t>(section.rows());
        std::vector<Row> rows = checker.merge(section, lines.first(count), tagsKnown, typesKnown, pagesKnown);
        lines = lines.subspan(count);
        if (!result.ok()) return result;  // rows out of step: the later checks would only repeat it
        checker.checkPages(section, rows, pagesKnown);
        checker.checkPassages(section, rows, typesKnown);
        checker.checkTags(section, rows, tagsKnown);
        result.sections.push_back(std::move(rows));
    }
    return result;
}
