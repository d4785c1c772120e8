// The six books as built, the tag vocabulary, and answer-key files: the shipped skeleton files, the
// validator's rules on synthetic keys, and which file a book takes.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/errorlog/AnswerKeyFile.h"
#include "Classes/errorlog/AnswerKeyLoader.h"
#include "Classes/errorlog/AnswerKeyValidator.h"
#include "Classes/errorlog/ConceptTags.h"
#include "Classes/errorlog/MBook.h"
#include "platform/foundation/Paths.h"
#include "tests/support/SyntheticAnswerKeys.h"
#include "tests/support/TestEnvironment.h"

namespace {

namespace fs = std::filesystem;
using errorlog_test::syntheticKeyText;

std::vector<std::shared_ptr<MBook>> buildAll() {
    return {MBook::initAsOG12(), MBook::initAsOGQuantitative2(), MBook::initAsOGVerbal2(),
            MBook::initAsOG11(), MBook::initAsOGQuantitative1(), MBook::initAsOGVerbal1()};
}

class AnswerKeyTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        // Shipped keys come from a folder of the test's own unless a test installs some.
        resources = temporary / "resources";
        fs::create_directories(resources);
        fnd::Paths::setResources(resources);
    }
    void TearDown() override {
        fnd::Paths::setResources(ORVA_SOURCE_RESOURCES);
        TestEnvironment::TearDown();
    }
    static void write(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    static AnswerKeyValidator::Result check(const BookSkeleton& book, const std::string& text) {
        std::string error;
        std::optional<AnswerKeyFile> file = AnswerKeyFile::parse(text, &error);
        if (!file) return {{}, {error}};
        return AnswerKeyValidator::check(book, *file);
    }

    fs::path resources;
};

// The rules that hold for every built book whatever its key: headers, sections, numbering, types,
// build order, pages within spans, unique keys.
void expectStructure(const std::vector<std::shared_ptr<MBook>>& books) {
    struct Header {
        const char* shortName;
        const char* fullName;
        int pages;
        const char* sections;
        int questions;
    };
    const Header headers[] = {
        {"OG12", "The Official Guide, 12th Edition", 840, "DT PS DS RC CR SC", 907},
        {"OG Quant 2", "The Official Guide, Quantitative 2nd Edition", 216, "PS DS", 300},
        {"OG Verbal 2", "The Official Guide, Verbal 2nd Edition", 332, "RC CR SC", 300},
        {"OG11", "The Official Guide, 11th Edition", 832, "DT PS DS RC CR SC", 907},
        {"OG Quant 1", "The Official Guide, Quantitative 1st Edition", 215, "PS DS", 294},
        {"OG Verbal 1", "The Official Guide, Verbal 1st Edition", 328, "RC CR SC", 300}};
    const std::map<std::string, std::pair<int, std::set<int>>> kinds = {
        {"DT", {2, {1, 2, 3, 4, 5}}}, {"PS", {5, {1}}}, {"DS", {6, {2}}},
        {"RC", {9, {5, 6}}},          {"CR", {8, {4}}}, {"SC", {7, {3}}}};
    ASSERT_EQ(books.size(), 6u);
    std::set<std::string> questionKeys, syncKeys;
    int total = 0, sections = 0;
    for (std::size_t b = 0; b < books.size(); ++b) {
        const MBook& book = *books[b];
        EXPECT_EQ(book.shortName(), headers[b].shortName);
        EXPECT_EQ(book.fullName(), headers[b].fullName);
        EXPECT_EQ(book.numberOfPages(), headers[b].pages);
        EXPECT_EQ(book.bookType(), 1);
        EXPECT_FALSE(book.description());
        EXPECT_EQ(book.numberOfQuestions(), headers[b].questions);
        EXPECT_TRUE(std::regex_match(book.shortName(), std::regex("[^-]{4,11}")));
        std::string names;
        for (const auto& section : book.sections()) {
            ++sections;
            names += (names.empty() ? "" : " ") + section->shortName();
            EXPECT_EQ(section->description(), "");
            EXPECT_EQ(section->sortType(), 1);
            EXPECT_EQ(section->sectionType(), kinds.at(section->shortName()).first);
            EXPECT_LE(section->endPage(), book.numberOfPages());
            EXPECT_TRUE(syncKeys.insert(book.shortName() + section->shortName()).second);
            std::set<std::pair<int, int>> typeAndNumber;
            const auto& questions = section->questions();
            for (std::size_t i = 0; i < questions.size(); ++i) {
                const MQuestion& q = *questions[i];
                ++total;
                EXPECT_TRUE(kinds.at(section->shortName()).second.contains(q.questionType())) << q.key();
                EXPECT_TRUE(q.page() >= section->startPage() && q.page() <= section->endPage()) << q.key();
                EXPECT_LE(q.number(), 249);
                EXPECT_TRUE(questionKeys.insert(q.key()).second) << q.key();
                int kind = q.questionType() == 6 ? 5 : q.questionType();
                EXPECT_TRUE(typeAndNumber.insert({kind, q.number()}).second) << q.key();
                if (section->shortName() != "DT") {
                    EXPECT_EQ(q.number(), static_cast<int>(i) + 1);
                }
                if (i > 0) {
                    EXPECT_LT(questions[i - 1]->compareByNumber(q), 0) << q.key();
                }
                if (section->shortName() == "RC" && i == 0) {
                    EXPECT_EQ(q.questionType(), 6);
                }
            }
            if (section->shortName() == "DT") {
                std::string blocks;
                for (const auto& q : questions)
                    if (blocks.empty() || blocks.back() != '0' + q->questionType())
                        blocks += static_cast<char>('0' + q->questionType());
                EXPECT_EQ(blocks, "12543");
                EXPECT_EQ(questions[47]->number(), 48);
                EXPECT_EQ(questions[48]->number(), 1);
                EXPECT_EQ(questions[99]->number(), 52);
            }
        }
        EXPECT_EQ(names, headers[b].sections);
    }
    EXPECT_EQ(total, 3008);
    EXPECT_EQ(sections, 22);
}

TEST_F(AnswerKeyTest, BuiltBooksKeepTheirStructureWithoutKeys) {
    std::vector<std::shared_ptr<MBook>> books = buildAll();
    expectStructure(books);
    for (const auto& book : books) {
        EXPECT_EQ(book->numberOfRightAnswers() + book->numberOfWrongAnswers(), 0);
        for (const auto& section : book->sections()) {
            for (const auto& q : section->questions()) {
                EXPECT_FALSE(q->isScored());
                EXPECT_FALSE(q->pageKnown());
            }
            // Sorting a fresh section by page and number changes nothing.
            auto before = section->questions();
            section->sortSection(1);
            EXPECT_EQ(section->questions(), before);
        }
    }
    // The determined difficulty runs are searchable without a key; nothing else is tagged.
    auto found = [&](int book, int section, const char* text) {
        return books[static_cast<std::size_t>(book)]
            ->sections()[static_cast<std::size_t>(section)]
            ->searchTags({text})
            .size();
    };
    EXPECT_EQ(found(1, 0, "easy"), 59u);
    EXPECT_EQ(found(1, 1, "Medium"), 41u);
    EXPECT_EQ(found(1, 0, "hard"), 58u);
    EXPECT_EQ(found(0, 1, "Hard"), 76u);
    EXPECT_EQ(found(0, 0, "Hard"), 0u);
    EXPECT_EQ(found(2, 0, "Easy"), 32u);
    EXPECT_EQ(found(5, 0, ""), 0u);
    for (int s = 0; s < 3; ++s)
        for (const auto& q : books[5]->sections()[static_cast<std::size_t>(s)]->questions())
            EXPECT_FALSE(q->conceptNames());
}

TEST_F(AnswerKeyTest, VocabularyTable) {
    std::set<std::string> texts;
    std::array<std::set<std::string>, 6> topicsPerBook;
    std::array<int, 6> usesPerBook{};
    for (const ConceptTags::Entry& entry : ConceptTags::entries()) {
        texts.insert(entry.text);
        for (std::size_t b = 0; b < 6; ++b) {
            if (entry.kind == ConceptTags::Kind::Difficulty || !entry.questionsPerBook[b]) continue;
            topicsPerBook[b].insert(entry.text);
            usesPerBook[b] += entry.questionsPerBook[b];
        }
    }
    EXPECT_EQ(texts.size(), 146u);
    EXPECT_EQ(ConceptTags::entries().size(), 151u);  // five texts serve two kinds
    std::array<std::size_t, 6> distinct = {109, 46, 17, 79, 6, 0};
    std::array<int, 6> uses = {1781, 655, 409, 1322, 20, 0};
    for (std::size_t b = 0; b < 6; ++b) {
        EXPECT_EQ(topicsPerBook[b].size(), distinct[b]) << b;
        EXPECT_EQ(usesPerBook[b], uses[b]) << b;
    }
    for (auto [one, other] : std::vector<std::pair<std::string, std::string>>{
             {"Applied problems", "Applied Problems"},
             {"Evaluation of a Plan", "Evaluation Of A Plan"},
             {"Must be True", "Must Be True"},
             {"Pythagorean theorem", "Pythagorean Theorem"},
             {"Simultaneous equations", "Simultaneous Equations"},
             {"Venn diagrams", "Venn Diagrams"},
             {"Mixture", "Mixtures"},
             {"Proportion", "Proportions"},
             {"Ratio", "Ratios"},
             {"Comparison", "Comparisons"}})
        EXPECT_TRUE(texts.contains(one) && texts.contains(other)) << one;

    // What a search word finds among the texts, ignoring case.
    auto hits = [&](const std::string& word) {
        MQuestion probe(nullptr, nullptr, 1, 1, 1, 0, nullptr);
        std::set<std::string> found;
        for (const std::string& text : texts)
            if (MQuestion(nullptr, nullptr, 1, 1, 1, 0,
                          std::make_shared<const std::vector<std::string>>(1, text))
                    .isTagsContainText(word))
                found.insert(text);
        return found;
    };
    EXPECT_EQ(hits("plan"),
              (std::set<std::string>{"Plan", "Evaluation of a Plan", "Evaluation Of A Plan", "Explanation"}));
    EXPECT_EQ(hits("ratio"),
              (std::set<std::string>{"Ratio", "Ratios", "Rational Numbers", "Arithmetic Operations"}));
    EXPECT_TRUE(hits("weaken").contains("Least Weaken"));
    EXPECT_TRUE(hits("strengthen").contains("Least Strengthen"));
    EXPECT_EQ(hits("hard"), std::set<std::string>{"Hard"});
    EXPECT_EQ(hits("easy"), std::set<std::string>{"Easy"});
    EXPECT_EQ(hits("medium"), std::set<std::string>{"Medium"});
}

TEST_F(AnswerKeyTest, ShippedSkeletonFilesAreAcceptedAndChangeNothing) {
    fnd::Paths::setResources(ORVA_SOURCE_RESOURCES);
    for (const BookSkeleton& book : BookSkeleton::all()) {
        ASSERT_TRUE(fs::exists(AnswerKeyLoader::shippedKeyPath(book))) << book.shortName;
        auto rows = AnswerKeyLoader::rowsFromFile(book, AnswerKeyLoader::shippedKeyPath(book));
        ASSERT_TRUE(rows) << book.shortName;
        for (std::size_t s = 0; s < book.sections.size(); ++s) {
            std::vector<BookSkeleton::Row> skeleton = BookSkeleton::skeletonRows(book.sections[s]);
            ASSERT_EQ((*rows)[s].size(), skeleton.size());
            for (std::size_t i = 0; i < skeleton.size(); ++i) {
                const auto& a = (*rows)[s][i];
                const auto& b = skeleton[i];
                EXPECT_TRUE(a.type == b.type && a.number == b.number && a.page == b.page && !a.pageKnown &&
                            a.answer == 0 && (a.tags ? b.tags && *a.tags == *b.tags : !b.tags));
            }
        }
    }
}

// Every rule holds on synthetic keys, fully given and with "?" here and there, and on the books
// built from them.
TEST_F(AnswerKeyTest, SyntheticKeysPassAndBuildBooksThatKeepEveryRule) {
    for (int unknownEvery : {0, 5}) {
        for (const BookSkeleton& book : BookSkeleton::all()) {
            AnswerKeyValidator::Result result = check(book, syntheticKeyText(book, unknownEvery));
            EXPECT_TRUE(result.ok()) << book.shortName << ": "
                                     << (result.ok() ? "" : result.problems.front());
        }
    }
    errorlog_test::writeSyntheticKeys(documents / AnswerKeyLoader::kFolderName);
    std::vector<std::shared_ptr<MBook>> books = buildAll();
    expectStructure(books);
    std::map<std::string, int> passages;
    for (const auto& book : books) {
        for (const auto& section : book->sections()) {
            std::set<int> pages;
            for (const auto& q : section->questions()) {
                EXPECT_TRUE(q->isScored() && q->pageKnown());
                pages.insert(q->page());
                passages[book->shortName() + section->shortName()] += q->questionType() == 6;
            }
            const BookSkeleton::Section& form =
                BookSkeleton::named(book->shortName())->sections[&section - book->sections().data()];
            EXPECT_EQ(static_cast<int>(pages.size()), form.distinctPages)
                << book->shortName() << section->shortName();
        }
    }
    EXPECT_EQ(passages["OG12RC"], 24);
    EXPECT_EQ(passages["OG Verbal 2RC"], 18);
    EXPECT_EQ(passages["OG11RC"], 24);
    EXPECT_EQ(passages["OG Verbal 1RC"], 17);
    EXPECT_EQ(passages["OG12DT"], 0);
}

// Each broken rule rejects the whole file.
TEST_F(AnswerKeyTest, ValidatorRejectsKeysThatBreakARule) {
    auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    };
    auto join = [](const std::vector<std::string>& rows) {
        std::string text;
        for (const auto& row : rows) text += row + "\n";
        return text;
    };
    // Replaces field `field` of the row of `section` and `number` (the first such, or the second).
    auto edit = [&](const BookSkeleton& book, const std::string& section, int number, int field,
                    const std::string& value, int occurrence = 1) {
        std::vector<std::string> rows = lines(syntheticKeyText(book));
        for (auto& row : rows) {
            if (row.rfind(section + "\t" + std::to_string(number) + "\t", 0) != 0 || --occurrence) continue;
            std::vector<std::string> fields;
            std::istringstream in(row);
            for (std::string f; std::getline(in, f, '\t');) fields.push_back(f);
            fields[static_cast<std::size_t>(field)] = value;
            row = fields[0];
            for (std::size_t i = 1; i < fields.size(); ++i) row += "\t" + fields[i];
            break;
        }
        return join(rows);
    };
    const BookSkeleton& og12 = BookSkeleton::all()[0];
    const BookSkeleton& verbal1 = BookSkeleton::all()[5];
    const BookSkeleton& og11 = BookSkeleton::all()[3];
    const BookSkeleton& quant1 = BookSkeleton::all()[4];
    struct Case {
        const char* what;
        const BookSkeleton& book;
        std::string text;
    };
    std::vector<std::string> swapped = lines(syntheticKeyText(og12));
    std::swap(swapped[10], swapped[11]);
    std::vector<std::string> shorter = lines(syntheticKeyText(og12));
    shorter.pop_back();
    const Case cases[] = {
        {"another book", og12, syntheticKeyText(verbal1)},
        {"a row missing", og12, join(shorter)},
        {"rows swapped", og12, join(swapped)},
        {"a page outside the pages used", og12, edit(og12, "PS", 1, 3, "151")},
        {"a page falling", og12, edit(og12, "PS", 40, 3, "152")},
        {"a DT block's page outside its range", og12, edit(og12, "DT", 25, 3, "23")},
        {"a wrong type", og12, edit(og12, "DS", 3, 2, "PS")},
        {"a letter beyond E", og12, edit(og12, "SC", 3, 4, "F")},
        {"no type outside reading", og12, edit(og12, "CR", 3, 2, "?")},
        {"a passage of one question", og12, edit(og12, "RC", 2, 2, "RCFirst")},
        {"passage sizes changed", og12, edit(og12, "RC", 5, 2, "RCFirst")},
        {"difficulty not last", og12, edit(og12, "PS", 5, 5, "Easy;Arithmetic")},
        {"wrong difficulty for the number", og12, edit(og12, "PS", 5, 5, "Arithmetic;Hard")},
        {"a repeated tag", og12, edit(og12, "PS", 5, 5, "Arithmetic;Arithmetic;Easy")},
        {"too many topics", og12, edit(og12, "PS", 5, 5, "A;B;C;D;E;F;Easy")},
        {"a missing list", og12, edit(og12, "SC", 5, 5, "-")},
        {"a third Hard in the DT's reasoning", og12, edit(og12, "DT", 30, 5, "Weaken;Hard", 2)},
        {"a list where the book has none", verbal1, edit(verbal1, "CR", 5, 5, "Weaken")},
        {"two tags where the test has one", og11, edit(og11, "DT", 1, 5, "Circles;Triangles")},
        {"one list too many", quant1, edit(quant1, "DS", 100, 5, "Circles")},
        {"rows per page out of bounds", og12, edit(og12, "CR", 5, 3, "486")},
        {"a passage off its pages", verbal1, edit(verbal1, "RC", 1, 3, "23")},
    };
    for (const Case& c : cases) EXPECT_FALSE(check(c.book, c.text).ok()) << c.what;
    EXPECT_FALSE(check(og12, "book\tOG12\nDT\t1\tPS\t20\tA\n").ok());
    EXPECT_FALSE(check(og12, "").ok());
    // Tag texts the vocabulary lacks are a user's to choose.
    EXPECT_TRUE(check(og12, edit(og12, "PS", 5, 5, "My own tag;Easy")).ok());
}

TEST_F(AnswerKeyTest, UserKeyComesFirstAndABadOneIsSkippedWhole) {
    const BookSkeleton& book = BookSkeleton::all()[1];
    fs::path shipped = resources / AnswerKeyLoader::kFolderName / book.keyFileName;
    fs::path user = documents / AnswerKeyLoader::kFolderName / book.keyFileName;
    write(shipped, syntheticKeyText(book, 0, 0));
    write(user, syntheticKeyText(book, 0, 1));
    auto firstAnswer = [] {
        return MBook::initAsOGQuantitative2()->sections()[0]->questions()[0]->rightAnswer();
    };
    int userAnswer = firstAnswer();
    fs::remove(user);
    int shippedAnswer = firstAnswer();
    EXPECT_NE(userAnswer, shippedAnswer);

    // A user's file that breaks a rule is not used, not even in part; the shipped one is.
    std::string broken = syntheticKeyText(book, 0, 1);
    broken.replace(broken.find("\tPS\t"), 4, "\tDS\t");
    write(user, broken);
    EXPECT_EQ(firstAnswer(), shippedAnswer);
    fs::remove(shipped);
    auto skeleton = MBook::initAsOGQuantitative2();
    EXPECT_FALSE(skeleton->sections()[0]->questions()[0]->isScored());
    EXPECT_TRUE(fs::exists(user));  // never touched
}

}  // namespace
