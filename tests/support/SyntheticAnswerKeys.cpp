#include "tests/support/SyntheticAnswerKeys.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "Classes/errorlog/ConceptTags.h"
#include "Classes/errorlog/MBook.h"

namespace errorlog_test {

namespace {

using Section = BookSkeleton::Section;
using Rule = BookSkeleton::TagRule;

// `count` pages from first to last, both included, spread evenly.
std::vector<int> spreadPages(int first, int last, int count) {
    std::vector<int> pages;
    int span = last - first + 1;
    for (int j = 0; j < count; ++j)
        pages.push_back(
            count == 1 ? first : first + static_cast<int>((static_cast<long>(j) * (span - 1)) / (count - 1)));
    return pages;
}

// `rows` rows laid over the pages as evenly as they go, in order.
void fill(std::vector<int>& out, const std::vector<int>& pages, int rows) {
    auto n = static_cast<int>(pages.size());
    for (int j = 0; j < n; ++j)
        out.insert(out.end(), rows / n + (j < rows % n ? 1 : 0), pages[static_cast<std::size_t>(j)]);
}

// Pages and types of a reading section: passages of one to three pages, a few pages left empty
// between the first passages.
void layPassages(const Section& section, std::vector<int>& pages, std::vector<int>& types) {
    const BookSkeleton::Block& block = section.blocks.front();
    std::vector<int> sizes = section.passageSizes;
    // Alternate large and small passages.
    std::vector<int> order;
    for (std::size_t lo = 0, hi = sizes.size(); lo < hi;) {
        order.push_back(sizes[--hi]);
        if (lo < hi) order.push_back(sizes[lo++]);
    }
    auto passages = static_cast<int>(order.size());
    std::vector<int> pagesOf(order.size(), 2);
    int spare = section.distinctPages - 2 * passages;
    if (spare > 0) pagesOf.back() += spare;
    for (int k = 0; spare < 0; ++spare) {  // the smallest passages go on one page
        while (order[static_cast<std::size_t>(k)] != sizes.front()) ++k;
        pagesOf[static_cast<std::size_t>(k++)] = 1;
    }
    int gaps = block.lastPage - block.firstPage + 1 - section.distinctPages;
    int page = block.firstPage;
    for (int k = 0; k < passages; ++k) {
        auto kk = static_cast<std::size_t>(k);
        std::vector<int> own;
        for (int p = 0; p < pagesOf[kk]; ++p) own.push_back(page + p);
        fill(pages, own, order[kk]);
        types.push_back(6);
        types.insert(types.end(), static_cast<std::size_t>(order[kk] - 1), 5);
        page += pagesOf[kk] + (k < gaps ? 1 : 0);
    }
}

std::vector<std::string> topicsFor(std::size_t bookIndex, int type) {
    ConceptTags::Kind kind = type <= 2   ? ConceptTags::Kind::Quantitative
                             : type == 3 ? ConceptTags::Kind::SentenceCorrection
                             : type == 4 ? ConceptTags::Kind::CriticalReasoning
                                         : ConceptTags::Kind::ReadingComprehension;
    std::vector<std::string> topics;
    for (const ConceptTags::Entry& entry : ConceptTags::entries())
        if (entry.kind == kind && entry.questionsPerBook[bookIndex] > 0) topics.push_back(entry.text);
    if (topics.empty()) topics.push_back("Synthetic");
    return topics;
}

}  // namespace

std::string syntheticKeyText(const BookSkeleton& book, int unknownEvery, int letterShift) {
    std::size_t bookIndex = static_cast<std::size_t>(&book - BookSkeleton::all().data());
    std::string text =
        "# synthetic test data, not an answer key\nbook\t" + std::string(book.shortName) + "\n";
    int counter = 0;
    for (std::size_t si = 0; si < book.sections.size(); ++si) {
        const Section& section = book.sections[si];
        std::vector<BookSkeleton::Row> rows = BookSkeleton::skeletonRows(section);
        std::vector<int> pages, types;
        if (!section.passageSizes.empty()) {
            layPassages(section, pages, types);
        } else {
            for (const BookSkeleton::Block& block : section.blocks) {
                int count =
                    section.blocks.size() > 1 ? block.lastPage - block.firstPage + 1 : section.distinctPages;
                fill(pages, spreadPages(block.firstPage, block.lastPage, count), block.rows);
                types.insert(types.end(), static_cast<std::size_t>(block.rows), block.type);
            }
        }
        std::size_t i = 0;
        for (const BookSkeleton::Block& block : section.blocks) {
            for (int r = 0; r < block.rows; ++r, ++i, ++counter) {
                const BookSkeleton::Row& row = rows[i];
                std::vector<std::string> topics = topicsFor(bookIndex, types[i]);
                std::string topic = topics[(i * 7 + si) % topics.size()];
                std::string tags = "-";
                switch (block.tags) {
                    case Rule::Graded:
                        tags = topic + ";" + BookSkeleton::difficultyOf(section, row.number);
                        break;
                    case Rule::DifficultyLast:
                        tags = topic + ";" + (r % 3 == 0 ? "Easy" : r % 3 == 1 ? "Medium" : "Hard");
                        break;
                    case Rule::TopicsOnly:
                        tags = topic;
                        break;
                    case Rule::TopicsMaybeHard:
                        tags = r < block.fixedCount ? topic + ";Hard" : topic;
                        break;
                    case Rule::TopicsOrNone:
                        tags = r < block.fixedCount ? topic : "-";
                        break;
                    case Rule::None:
                        break;
                }
                std::string type = *MBook::nameForType(types[i]);
                std::string page = std::to_string(pages[i]);
                std::string letter(
                    1, static_cast<char>('A' + (row.number * 3 + static_cast<int>(si) + letterShift) % 5));
                if (unknownEvery > 0) {
                    int slot = counter % unknownEvery;
                    if (slot == 1) page = "?";
                    if (slot == 2) letter = "?";
                    if (slot == 3) tags = "?";
                    if (slot == 4 && types[i] == 5 && !section.passageSizes.empty()) type = "?";
                }
                text += std::string(section.shortName) + "\t" + std::to_string(row.number) + "\t" + type +
                        "\t" + page + "\t" + letter + "\t" + tags + "\n";
            }
        }
    }
    return text;
}

void writeSyntheticKeys(const std::filesystem::path& folder, int unknownEvery, int letterShift) {
    std::filesystem::create_directories(folder);
    for (const BookSkeleton& book : BookSkeleton::all())
        std::ofstream(folder / book.keyFileName) << syntheticKeyText(book, unknownEvery, letterShift);
}

}  // namespace errorlog_test
