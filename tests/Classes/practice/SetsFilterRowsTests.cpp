// What the filter editor's rows show: counts over the active sets and the answer bars.

#include <gtest/gtest.h>

#include "Classes/practice/MQFilterItem.h"
#include "Classes/practice/SetsFilterRows.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

using namespace practice_test;

namespace {

class SetsFilterRowsTest : public testing_support::TestEnvironment {};

TEST_F(SetsFilterRowsTest, CountsCoverEveryQuestionOfTheActiveSetsOnly) {
    auto set = MQSet::make(1, "One", "", "", true);
    auto off = MQSet::make(2, "Two", "", "", false);
    auto ps = addQuestion(set, 1, 1, 1, {"Algebra"});
    auto slow = addQuestion(set, 2, 1, 1, {"Geometry"});
    auto wrong = addQuestion(set, 3, 2, 2, {"Algebra"});
    addQuestion(set, 4, 6, 1);  // a type no row names
    addQuestion(off, 1, 1, 1, {"Algebra"});
    answer(ps, 1, 30);
    answer(slow, 1, 100);
    answer(wrong, 1, 121);
    SetsFilterRows::Sets sets{set, off};
    using S = SetsFilterRows;
    MQFilterItem any("", std::nullopt, false);
    EXPECT_EQ(S::count(S::kHistory, 0, any, sets), 1);
    EXPECT_EQ(S::count(S::kHistory, 1, any, sets), 1);
    EXPECT_EQ(S::count(S::kHistory, 2, any, sets), 2);
    EXPECT_EQ(S::count(S::kHistory, 3, any, sets), 1);
    EXPECT_EQ(S::count(S::kHistory, 4, any, sets), 0);
    EXPECT_EQ(S::count(S::kTypes, 0, MQFilterItem("PS", std::nullopt, false), sets), 2);
    EXPECT_EQ(S::count(S::kTypes, 0, MQFilterItem("ps", std::nullopt, false), sets), 0);
    EXPECT_EQ(S::count(S::kTags, 0, MQFilterItem("Algebra", std::nullopt, false), sets), 2);
    EXPECT_EQ(S::countText(0), "");
    EXPECT_EQ(S::countText(12), "12");
    set->setIsActive(false);
    EXPECT_EQ(S::count(S::kTags, 0, MQFilterItem("Algebra", std::nullopt, false), sets), 0);
}

TEST_F(SetsFilterRowsTest, BarsShowTheirWordsFromTheirThresholds) {
    using S = SetsFilterRows;
    auto empty = MQSet::make(1, "Empty", "", "", true);
    auto bar = S::bar(*empty, 210, S::kPhoneThresholds);
    EXPECT_EQ(std::tuple(bar.right, bar.wrong, bar.unanswered, bar.unansweredText),
              std::tuple(0, 0, 210, "unanswered"));

    // 50 of 210 points right: no word; 51: "right". The rest unanswered needs 71 for its word.
    auto set = MQSet::make(2, "Some", "", "", true);
    for (int i = 0; i < 210; ++i) addQuestion(set, i, 1, 1);
    for (int i = 0; i < 50; ++i) answer(set->questions()[std::size_t(i)], 1, 10);
    for (int i = 50; i < 190; ++i) answer(set->questions()[std::size_t(i)], 2, 10);
    bar = S::bar(*set, 210, S::kPhoneThresholds);
    EXPECT_EQ(std::tuple(bar.right, bar.wrong, bar.unanswered), std::tuple(50, 140, 20));
    EXPECT_EQ(std::tuple(bar.rightText, bar.wrongText, bar.unansweredText), std::tuple("", "wrong", ""));
    answer(set->questions()[50], 1, 10);
    bar = S::bar(*set, 210, S::kPhoneThresholds);
    EXPECT_EQ(bar.rightText, "right");

    // The tablet's wider bar needs 61 and 81.
    auto all = MQSet::make(3, "All", "", "", true);
    for (int i = 0; i < 3; ++i) answer(addQuestion(all, i, 1, 1), 1, 10);
    bar = S::bar(*all, 570, S::kTabletThresholds);
    EXPECT_EQ(std::tuple(bar.right, bar.rightText, bar.unansweredText), std::tuple(570, "right", ""));
}

}  // namespace
