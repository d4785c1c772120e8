// The review list's rows worked out from sessions (indicators, average, bar, shading), and the
// keyword editor's line: how it splits, which segment shows which type, and the lists that types
// share, through a save and a load.

#include <gtest/gtest.h>

#include "Classes/practice/KWEditVC.h"
#include "Classes/practice/MKeyWordsSet.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/ReviewRow.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

using namespace practice_test;

namespace {

class ReviewRows : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        set = MQSet::make(1, "Hard Quant Set", "", "", true);
    }
    // A session begun `age` seconds ago with one answer per entry: the question's type, whether
    // the answer was right, and the seconds it took.
    struct Answer {
        int type;
        bool right;
        double seconds;
    };
    std::shared_ptr<MSession> session(const std::vector<Answer>& answers, double age = 600) {
        auto s =
            std::make_shared<MSession>(1, fnd::Date(fnd::Date::now().timeIntervalSinceReferenceDate() - age));
        for (const auto& a : answers) {
            auto q = addQuestion(set, int(set->questions().size()) + 1, a.type, 3);
            s->addQuestion(
                q, std::make_shared<MQSetHRecord>(fnd::Date::now(), a.seconds,
                                                  std::make_shared<MQSetSimpleAnswer>(a.right ? 3 : 1)));
        }
        return s;
    }
    std::shared_ptr<MQSet> set;
};

std::vector<std::string> names(const ReviewRow& row) {
    std::vector<std::string> out;
    for (const auto& i : row.indicators) out.push_back(i.name);
    return out;
}

std::vector<double> alphas(const ReviewRow& row) {
    std::vector<double> out;
    for (const auto& i : row.indicators) out.push_back(i.alpha);
    return out;
}

}  // namespace

TEST_F(ReviewRows, IndicatorsAverageAndBarOnPhoneAndTablet) {
    struct Case {
        const char* what;
        std::vector<Answer> answers;
        double width;
        std::vector<std::string> names;
        std::vector<double> alphas;
        std::string average;
        int rightWidth, wrongWidth;
        std::string rightText, wrongText;
    };
    const double third = 1.0 / 3;
    const std::vector<Case> cases{
        // PS most often; CR and RC tie (CR first), DS and SC tie at none (DS first).
        {"mixed on the phone",
         {{1, true, 30}, {1, true, 40}, {1, false, 50}, {4, false, 60}, {5, false, 71}},
         320,
         {"PS", "CR", "RC", "DS", "SC"},
         {1, third, third, 0, 0},
         "00:51  per question",
         90,
         135,
         "right",
         "wrong"},
        {"one right of five on the phone",
         {{3, true, 59.2}, {3, false, 60}, {3, false, 60}, {3, false, 60}, {3, false, 60}},
         320,
         {"SC", "PS", "DS", "CR", "RC"},
         {1, 0, 0, 0, 0},
         "01:00  per question",
         45,
         180,
         "",
         "wrong"},
        {"mixed on the tablet",
         {{2, true, 12}, {2, false, 12}, {3, false, 12}},
         768,
         {"DS", "SC", "PS", "CR", "RC"},
         {1, 0.5, 0, 0, 0},
         "00:12  per question",
         224,
         448,
         "right",
         "wrong"},
        {"all right on the tablet",
         {{5, true, 0}},
         768,
         {"RC", "PS", "DS", "SC", "CR"},
         {1, 0, 0, 0, 0},
         "00:00  per question",
         673,
         0,
         "right",
         ""},
        // No answer of types 1 to 5: nothing to weigh the indicators by, so none shows.
        {"only passage-opening questions",
         {{6, true, 20}, {6, false, 40}},
         320,
         {"PS", "DS", "SC", "CR", "RC"},
         {0, 0, 0, 0, 0},
         "00:30  per question",
         112,
         112,
         "right",
         "wrong"},
    };
    for (const auto& c : cases) {
        ReviewRow row = ReviewRow::make(*session(c.answers), c.width);
        EXPECT_EQ(names(row), c.names) << c.what;
        EXPECT_EQ(alphas(row), c.alphas) << c.what;
        EXPECT_EQ(row.average, c.average) << c.what;
        EXPECT_EQ(row.count, std::to_string(c.answers.size())) << c.what;
        EXPECT_TRUE(row.barShown) << c.what;
        EXPECT_EQ(row.barWidth, int(c.width) - 95) << c.what;
        EXPECT_EQ(row.rightWidth, c.rightWidth) << c.what;
        EXPECT_EQ(row.wrongWidth, c.wrongWidth) << c.what;
        EXPECT_EQ(row.rightText, c.rightText) << c.what;
        EXPECT_EQ(row.wrongText, c.wrongText) << c.what;
    }
}

TEST_F(ReviewRows, ASessionWithoutAnswersHasNoBarNoAverageAndNoIndicator) {
    ReviewRow row = ReviewRow::make(*session({}), 320);
    EXPECT_FALSE(row.barShown);
    EXPECT_EQ(row.average, "");
    EXPECT_EQ(row.count, "0");
    EXPECT_EQ(alphas(row), std::vector<double>(5, 0.0));
}

TEST_F(ReviewRows, TheRowDarkensWithTheSessionsAge) {
    struct Age {
        double seconds;
        double alpha;
        const char* date;
    };
    for (Age a : {Age{0, 0.3, "0 sec\nago"}, {3600, 1 - 0.7 / 2.08, "1 h\nago"}, {-100, 0.3, "0 sec\nago"}}) {
        ReviewRow row = ReviewRow::make(*session({{1, true, 10}}, a.seconds), 320);
        EXPECT_NEAR(row.backgroundAlpha, a.alpha, 1e-9) << a.seconds;
        EXPECT_EQ(row.date, a.date) << a.seconds;
    }
    EXPECT_GT(ReviewRow::ageAlpha(86400), 0.97);
}

// ---- The keyword editor's line

TEST(KeyWordsLine, SplitsAtSemicolonsWithTheirBlanksKeepingEmptyParts) {
    struct Case {
        std::string line;
        KWEditVC::KeyWords words;
    };
    for (const Case& c : std::vector<Case>{
             {"not ; odd;even ; ", {"not", "odd", "even", ""}},
             {"not;odd;even", {"not", "odd", "even"}},
             {"", {""}},
             {"a;; b", {"a", "", "b"}},
             {"lack\\sof ;\t[12]\\d{3}s*", {"lack\\sof", "[12]\\d{3}s*"}},
             {"two words; (", {"two words", "("}},
         })
        EXPECT_EQ(KWEditVC::keyWordsFromLine(c.line), c.words) << c.line;
    EXPECT_EQ(KWEditVC::lineForKeyWords({"not", "odd", ""}), "not; odd; ");
    // Stored and shown again, a line stays as it was.
    const std::string line = "not; odd; even; ";
    EXPECT_EQ(KWEditVC::lineForKeyWords(KWEditVC::keyWordsFromLine(line)), line);
    EXPECT_EQ(KWEditVC::lineForKeyWords(KWEditVC::keyWordsFromLine("")), "");
}

TEST(KeyWordsLine, SegmentsAndTypesMapBothWays) {
    struct Case {
        std::int32_t type;
        std::optional<int> segment;
    };
    for (Case c : {Case{1, 3}, {2, 3}, {3, 2}, {4, 1}, {5, 0}, {6, 0}, {0, std::nullopt}, {7, std::nullopt}})
        EXPECT_EQ(KWEditVC::segmentForType(c.type), c.segment) << c.type;
    std::vector<std::optional<std::int32_t>> types;
    for (int segment = -1; segment <= 4; ++segment) types.push_back(KWEditVC::typeForSegment(segment));
    EXPECT_EQ(types, (std::vector<std::optional<std::int32_t>>{std::nullopt, 5, 4, 3, 1, std::nullopt}));
}

TEST(KeyWordsLine, SharedListsStayOneThroughASaveAndALoad) {
    auto keywords = std::make_shared<MKeyWordsSet>();
    keywords->setKeyWordsForQType(2, {"prime"});
    keywords->setKeyWordsForQType(5, {"author"});
    keywords->setKeyWordsForQType(4, {"must"});
    EXPECT_EQ(*keywords->keyWordsForQType(1), MKeyWordsSet::KeyWords{"prime"});
    EXPECT_EQ(*keywords->keyWordsForQType(6), MKeyWordsSet::KeyWords{"author"});
    EXPECT_EQ(keywords->keyWordsForQType(3)->front(), "that");

    auto back = roundTrip(keywords);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->keyWordsForQType(1), back->keyWordsForQType(2));
    EXPECT_EQ(back->keyWordsForQType(5), back->keyWordsForQType(6));
    EXPECT_NE(back->keyWordsForQType(4), back->keyWordsForQType(3));
    // An edit through one type after the load shows under the other.
    back->keyWordsForQType(6)->push_back("except");
    EXPECT_EQ(back->keyWordsForQType(5)->back(), "except");
}
