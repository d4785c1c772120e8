// The page bridge of the interactive books as a page sees it: the scripts of a run in their order
// for statuses from the error log and from the book's own answers, the links a page sends back, and
// the section an official-guide link opens.

#include <gtest/gtest.h>

#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/library_store/IBookBridge.h"
#include "Classes/library_store/MIBHRecord.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MIBQuestion.h"

namespace {

// A book of the error log with one section of sentence-correction questions: (right answer, the
// answers given, oldest first).
std::shared_ptr<MBook> trackerBook(const std::string& shortName,
                                   const std::vector<std::pair<int, std::vector<int>>>& rows, int type = 3) {
    auto book = std::make_shared<MBook>("Book", shortName, std::nullopt, 1, 300, nullptr);
    auto section = std::make_shared<MSection>("Sentence Correction", "SC", "", 3, 1, 10);
    int number = 0;
    for (const auto& [right, answers] : rows) {
        std::optional<MQuestion::History> history;
        if (!answers.empty()) history.emplace();
        for (int answer : answers)
            history->push_back(std::make_shared<MHRecord>(fnd::Date(0), 30, answer, false));
        section->addQuestion(std::make_shared<MQuestion>(book.get(), section.get(), type, ++number, 10, right,
                                                         nullptr, history));
    }
    book->addSection(section);
    return book;
}

// The interactive book's index: "Sample_1_<n>" with the answers given (true for right).
std::shared_ptr<MIBIndex> sampleIndex(const std::vector<std::vector<bool>>& answers) {
    auto index = std::make_shared<MIBIndex>("Sample");
    int number = 0;
    for (const auto& given : answers) {
        auto question = std::make_shared<MIBQuestion>("Sample", "1", ++number, std::nullopt, std::nullopt);
        for (bool right : given)
            question->addIBHRecord(std::make_shared<MIBHRecord>(std::nullopt, 0, right, "A"));
        index->addQuestion(question);
    }
    return index;
}

// A page that names its groups and records every script it is given.
struct Page {
    std::string groups;
    std::vector<std::string> scripts;
    IBookBridge::Evaluate evaluate() {
        return [this](const std::string& script) {
            scripts.push_back(script);
            return script == "getData();" ? groups : std::string("Ok");
        };
    }
};

TEST(IBookBridgeTest, ARunTellsThePageEveryStatusAndEachGroupsShares) {
    // Verbal 1's SC 1 right, 2 wrong (after a right one), 3 never answered, 4 answered without a key.
    IBookBridge::Books books{trackerBook("OG Verbal 1", {{2, {2}}, {3, {3, 1}}, {4, {}}, {0, {5}}})};
    // The book's own: 1 right after a wrong one, 2 wrong, 3 never answered.
    auto index = sampleIndex({{false, true}, {false}, {}});
    Page page{"V_SC_SC_1,V_SC_SC_2,V_SC_SC_3,V_SC_SC_4|Sample_1_1,Sample_1_2,Sample_1_3,Other_1_1||,"};
    IBookBridge::run(page.evaluate(), books, index.get());
    EXPECT_EQ(page.scripts, (std::vector<std::string>{
                                "preprocess();",
                                "getData();",
                                "userAnswer('V_SC_SC_1', 'right');",
                                "userAnswer('V_SC_SC_2', 'wrong');",
                                "userAnswer('V_SC_SC_3', 'none');",
                                "userAnswer('V_SC_SC_4', 'none');",
                                "stats('stat1',0.250000,0.250000);",
                                "userAnswer('Sample_1_1', 'right');",
                                "userAnswer('Sample_1_2', 'wrong');",
                                "userAnswer('Sample_1_3', 'none');",
                                "userAnswer('Other_1_1', 'none');",
                                "stats('stat2',0.250000,0.250000);",
                                "stats('stat3', 0, 0);",
                                "stats('stat4', 0, 0);",
                            }));
}

TEST(IBookBridgeTest, APageWithoutGroupsEndsTheRunAndKeysAreQuotedForThePage) {
    Page empty{""};
    IBookBridge::run(empty.evaluate(), {}, nullptr);
    EXPECT_EQ(empty.scripts, (std::vector<std::string>{"preprocess();", "getData();"}));

    Page odd{"it's\\"};
    IBookBridge::run(odd.evaluate(), {}, nullptr);
    ASSERT_EQ(odd.scripts.size(), 4u);
    EXPECT_EQ(odd.scripts[2], "userAnswer('it\\'s\\\\', 'none');");
    EXPECT_EQ(odd.scripts[3], "stats('stat1',0.000000,0.000000);");
}

TEST(IBookBridgeTest, OfficialGuideKeysCarryTheBooksPrefixAndTheQuestionsType) {
    struct Case {
        const char* shortName;
        int type;
        const char* key;
    };
    for (const Case& c :
         {Case{"OG Verbal 1", 3, "V_SC_SC_1"}, Case{"OG Verbal 2", 4, "V2_SC_CR_1"},
          Case{"OG12", 6, "OG12_SC_RCFirst_1"}, Case{"OG Quant 2", 1, "OG Quant 2_SC_PS_1"}}) {
        auto book = trackerBook(c.shortName, {{1, {}}}, c.type);
        const auto& section = *book->sections()[0];
        EXPECT_EQ(IBookBridge::officialGuideKey(*book, section, *section.questions()[0]), c.key);
    }
    auto unknown = trackerBook("OG12", {{1, {}}}, 9);
    EXPECT_FALSE(IBookBridge::officialGuideKey(*unknown, *unknown->sections()[0],
                                               *unknown->sections()[0]->questions()[0]));
}

TEST(IBookBridgeTest, LinksOfThePageAreReadWhateverTheCaseOfTheirScheme) {
    struct Case {
        std::string url;
        bool bridge;
        std::optional<std::string> button;
        std::optional<std::string> key;
        bool right;
        std::optional<std::string> answer;
    };
    const Case cases[] = {
        {"booksQButton:Sample_1_1:right:B", true, {}, "Sample_1_1", true, "B"},
        {"booksqbutton:Sample_1_2:wrong", true, {}, "Sample_1_2", false, {}},
        {"booksQButton:Sample_1_2:maybe:C:D", true, {}, "Sample_1_2", false, "C"},
        {"booksQButton:Sample_1_1", true, {}, {}, false, {}},
        {"booksQButton:", true, {}, {}, false, {}},
        {"ogButton:12", true, "12", {}, false, {}},
        {"ogbutton:7", true, "7", {}, false, {}},
        {"ogButton:12a", true, {}, {}, false, {}},
        {"file:///book/ogButton.html", false, {}, {}, false, {}},
        {"https://127.0.0.1:9/page", false, {}, {}, false, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IBookBridge::isBridgeLink(c.url), c.bridge) << c.url;
        EXPECT_EQ(IBookBridge::officialGuideButton(c.url), c.button) << c.url;
        auto answer = IBookBridge::answerOfLink(c.url);
        EXPECT_EQ(answer ? std::optional<std::string>(answer->key) : std::nullopt, c.key) << c.url;
        if (!answer) continue;
        EXPECT_EQ(answer->isRight, c.right) << c.url;
        EXPECT_EQ(answer->answer, c.answer) << c.url;
    }
}

TEST(IBookBridgeTest, AnAnswerIsRecordedOnlyForAQuestionOfTheIndex) {
    auto index = sampleIndex({{}});
    EXPECT_FALSE(IBookBridge::record(*index, {"Sample_9_9", true, "A"}));
    ASSERT_TRUE(IBookBridge::record(*index, {"Sample_1_1", false, "C"}));
    const auto& history = index->questionDict().at("Sample_1_1")->history();
    ASSERT_TRUE(history && history->size() == 1);
    const MIBHRecord& record = *history->front();
    EXPECT_FALSE(record.date());
    EXPECT_EQ(record.time(), 0);
    EXPECT_FALSE(record.isRight());
    EXPECT_EQ(record.answer(), "C");
}

TEST(IBookBridgeTest, AnOfficialGuideLinkOpensItsQuestionsInThePagesOrder) {
    IBookBridge::Books books{trackerBook("OG Verbal 1", {{2, {}}, {3, {}}, {4, {1}}})};
    auto section = IBookBridge::officialGuideSection("V_SC_SC_3|V_SC_SC_9|V_SC_SC_1", books);
    EXPECT_EQ(section->fullName(), "Manhattan ORVA set");
    EXPECT_EQ(section->shortName(), "MORVA set");
    ASSERT_EQ(section->questions().size(), 2u);
    EXPECT_EQ(section->questions()[0], books[0]->sections()[0]->questions()[2]);
    EXPECT_EQ(section->questions()[1], books[0]->sections()[0]->questions()[0]);
    EXPECT_TRUE(IBookBridge::officialGuideSection("", books)->questions().empty());
}

}  // namespace
