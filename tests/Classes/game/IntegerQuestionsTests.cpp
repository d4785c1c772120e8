#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Classes/game/MGameMetaQuestionCollection.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic1.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic10.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic12.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic13.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic15.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic16.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic2.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic3.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic4.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic6.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic7.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic8.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic9.h"
#include "Classes/game/MGameQuestion.h"
#include "Classes/game/MGameTestLabel.h"
#include "tests/Classes/game/GeneratorCase.h"

namespace {

using game_test::make;
using Case = game_test::GeneratorCase;
using Strings = MGameQuestion::Strings;

constexpr std::uint32_t F(double f) { return static_cast<std::uint32_t>(f * 4294967296.0); }

const Strings kYesNo{"Yes", "No", "-", "-"};

// Each case lists the draws in the order the generator asks for them (for R(a, b) the offset from a)
// and the question they must give.
const std::vector<Case>& cases() {
    // clang-format off
    static const std::vector<Case> all = {
        {"sum at the band's start", make<MGameMetaQuestionORVAArithmetic1>(), 200,
         {1, 1, 0, /* options */ 1, 3, 0, 3, 1, 0, 1, 3, 0, 5, /* place */ 2},
         "<p>Calculate the expression:</p><p><i>11 - 2 = ?</i></p>",
         {"6", "12", "9", "4"}, 2, 0.5, 10},
        {"product at the band's end", make<MGameMetaQuestionORVAArithmetic2>(), 520,
         {4, 2, 0, 46, 1, 137, 1},
         "<p>Calculate the expression:</p><p><i>7 * 13 = ?</i></p>",
         {"45", "91", "46", "182"}, 1, 1.5, 10},
        {"not a multiple of 5", make<MGameMetaQuestionORVAArithmetic3>(), 200,
         {1, 8, 1, 2},
         "<p>Is <i>18</i> divisible by <i>5</i>?",
         kYesNo, 1, 0.5, 10},
        {"six terms with powers", make<MGameMetaQuestionORVAArithmetic4>(), 580,
         {0, 0, F(0.5), 10, 1, F(0.75), 1, 3, 0, 0, 39, 1, 0, 1, 0, 0, 2, 1, F(0.9), 3},
         "<p>Is <i>x</i> an even integer?</p>"
         "<p><i>x = 21 + 31<sup>3</sup> - 24 + 60 - 22 + 23<sup>5</sup></i></p>",
         kYesNo, 1, 2, 10},
        {"even coefficient, odd constant", make<MGameMetaQuestionORVAArithmetic6>(), 600,
         {0, 0, 3, F(0.75), 1, 0},
         "<p>If <i>m</m> is an integer, is the expression below always an  even integer?</p>"
         "<p><i>10m<sup>3</sup> - 13</i></p>",
         kYesNo, 1, 4, 15},
        {"least common multiple", make<MGameMetaQuestionORVAArithmetic7>(), 700,
         {0, 3, 9, 29, 0, 59, 19, 3},
         "<p>Calculate the least common multiple:</p><p><i>LCM(10, 15)= </i></p>",
         {"20", "1", "60", "30"}, 3, 1.5, 10},
        {"three draws of five", make<MGameMetaQuestionORVAArithmetic8>(), 700,
         {0, F(0.9), F(0.9), F(0.9), 0, 1, 2, 3, 0},
         "<p>How may different positive divisors does <i>15</i> have?</p>",
         {"4", "2", "3", "5"}, 0, 2, 15},
        {"multiples of 4 from 13 to 23", make<MGameMetaQuestionORVAArithmetic10>(), 667,
         {3, 2, 2, 1, 1, 0, 1, 0, 3, 1},
         "<p>How many numbers between <i>13</i> and <i>23</i> inclusive is divisible by 4?</p>",
         {"3", "2", "1", "-1"}, 1, 3, (1 - 67.0f / 200) * 10 + 15},
        {"a digit 0 below 20", make<MGameMetaQuestionORVAArithmetic12>(), 620,
         {0, 0, 0, F(0.25), 1, 0, 3, 5, 3},
         "<p>Of the two-digit positive integers less than 20, how many have at least one digit of 0?</p>",
         {"5", "0", "3", "1"}, 3, 4, 20},
        {"two even digits above 50", make<MGameMetaQuestionORVAArithmetic12>(), 800,
         {F(0.5), 0, 0, F(0.9), 0, 1, 2, 0},
         "<p>Of the two-digit positive integers greater than 50, how many have two even digits?</p>",
         {"10", "0", "1", "2"}, 0, 4, 20},
        {"2 times 2 is near 10", make<MGameMetaQuestionORVAArithmetic13>(), 550,
         {0, 0, 1, 1, 0, 1, 0, 2, 1},
         "<p>The product of <br>2, 2, 3<br> is closest to which of the following powers of 10?</p>",
         {"10^2", "10^1", "10^0", "10^-1"}, 1, 5, 20},
        {"25 times 30 is near 100", make<MGameMetaQuestionORVAArithmetic13>(), 550,
         {23, 28, 1, 2, 0, 2, 1, 1, 0},
         "<p>The product of <br>25, 30, 13<br> is closest to which of the following powers of 10?</p>",
         {"10^4", "10^6", "10^2", "10^5"}, 0, 5, 20},
        {"units digit of a power", make<MGameMetaQuestionORVAArithmetic15>(), 600,
         {0, 1, 3, 6, 0, 1, 2, 3},
         "<p>What is the units digit of 89<sup>5</sup>?</p>",
         {"3", "1", "2", "9"}, 3, 2, 15},
        {"units digit of a power over 3", make<MGameMetaQuestionORVAArithmetic15>(), 800,
         {0, 0, 1, 0, 0, 0, 2, 8, 0},
         "<p>What is the units digit of 336<sup>12</sup>/3?</p>",
         {"2", "1", "3", "9"}, 0, 2, 15},
        {"three divisors", make<MGameMetaQuestionORVAArithmetic16>(), 750,
         {F(0.5), 18, 9, 5, 0},
         "<p>Does the integer m have at least five different positive prime factors if "
         "m/30, m/21, and m/22 are integers?</p>",
         kYesNo, 0, 2, 15},
    };
    // clang-format on
    return all;
}

TEST(IntegerQuestionsTest, ScriptedDrawsGiveExactQuestions) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        auto generator = c.make();
        auto question = game_test::generate(*generator, c.level, c.draws);
        ASSERT_TRUE(question);
        EXPECT_EQ(question->body(), c.body);
        EXPECT_EQ(question->answerOptions(), c.options);
        EXPECT_EQ(question->rightAnswer(), c.right);
        EXPECT_EQ(question->userAnswer(), -1);
        EXPECT_FLOAT_EQ(question->readTime(), c.readTime);
        EXPECT_FLOAT_EQ(question->totalTime(), c.totalTime);
        EXPECT_EQ(question->tags(), generator->testLabelForTestType(1)->tags());
    }
}

TEST(IntegerQuestionsTest, ComplexityAndTimesFollowTheTargetLevel) {
    MGameMetaQuestionORVAArithmetic1 sums;
    sums.setRandom(game_test::seededRandom(5));
    EXPECT_EQ(sums.complexityForTestType(1, 420), 220.0f / 330.0f);
    EXPECT_FLOAT_EQ(sums.complexityForTestType(1, 420), 0.6666667f);
    EXPECT_EQ(sums.complexityForTestType(1, 600), 1.0f);
    EXPECT_EQ(sums.complexityForTestType(1, 100), 0.0f);
    EXPECT_EQ(sums.complexityForTestType(2, 420), 0.0f);  // no label of that kind
    EXPECT_EQ(sums.readTime(), 0.5);
    EXPECT_EQ(sums.generateForTestType(1, 530)->readTime(), 1.5);
    EXPECT_EQ(sums.readTime(), 1.5);  // kept by the generator until its next question
    EXPECT_EQ(sums.generateForTestType(1, 365)->readTime(), 1.0);

    MGameMetaQuestionORVAArithmetic9 ranges;
    ranges.setRandom(game_test::seededRandom(6));
    EXPECT_EQ(ranges.generateForTestType(1, 350)->totalTime(), 15);
    EXPECT_EQ(ranges.generateForTestType(1, 600)->totalTime(), 10);

    MGameMetaQuestion onePoint({std::make_shared<MGameTestLabel>(1, 500, 500, MGameTestLabel::Tags{})});
    EXPECT_EQ(onePoint.complexityForTestType(1, 500), 0.0f);
    EXPECT_EQ(onePoint.complexityForTestType(1, 501), 1.0f);
    EXPECT_FALSE(onePoint.generateForTestType(1, 500));
}

TEST(IntegerQuestionsTest, TheTopicFindsItsGeneratorsForEveryLevel) {
    MGameMetaQuestionCollection collection(game_test::seededRandom(7));
    auto integers = collection.metaQuestionCollectionWithTag("Properties of Integers");
    EXPECT_EQ(integers.size(), 16u);
    EXPECT_EQ(integers, MGameMetaQuestionCollection::Generators(collection.metaQuestions().begin(),
                                                                collection.metaQuestions().begin() + 16));
    EXPECT_TRUE(collection.metaQuestionCollectionWithTag("properties of integers").empty());
    EXPECT_EQ(collection.metaQuestionCollectionWithTag("Enumeration").size(), 4u);
    EXPECT_EQ(collection.metaQuestionCollectionWithTag("Multipication").size(), 1u);

    auto top = MGameMetaQuestionCollection::candidatesForLevel(integers, 800);
    ASSERT_EQ(top.size(), 4u);
    EXPECT_TRUE(std::dynamic_pointer_cast<MGameMetaQuestionORVAArithmetic10>(top[0]));
    EXPECT_TRUE(std::dynamic_pointer_cast<MGameMetaQuestionORVAArithmetic12>(top[1]));
    EXPECT_TRUE(std::dynamic_pointer_cast<MGameMetaQuestionORVAArithmetic13>(top[2]));
    EXPECT_TRUE(std::dynamic_pointer_cast<MGameMetaQuestionORVAArithmetic15>(top[3]));
    EXPECT_TRUE(MGameMetaQuestionCollection::candidatesForLevel(integers, 801).empty());
    EXPECT_FALSE(collection.generateQuestion(integers, 801));

    for (int level = 200; level <= 800; ++level) {
        auto question = collection.generateQuestion(integers, level);
        ASSERT_TRUE(question) << level;
        EXPECT_EQ(question->answerOptions().size(), 4u);
    }

    std::vector<int> twelve, twentyFour;
    for (int k = 1; k <= 12; ++k) twelve.push_back(MGameMetaQuestionCollection::targetLevel(420, 520, 12, k));
    EXPECT_EQ(twelve, (std::vector<int>{420, 429, 438, 447, 456, 465, 474, 483, 492, 501, 510, 520}));
    for (int k = 1; k <= 24; ++k)
        twentyFour.push_back(MGameMetaQuestionCollection::targetLevel(500, 600, 24, k));
    EXPECT_EQ(std::vector<int>(twentyFour.begin(), twentyFour.begin() + 8),
              (std::vector<int>{500, 504, 508, 513, 517, 521, 526, 530}));
    EXPECT_EQ(twentyFour[22], 595);
    EXPECT_EQ(twentyFour[23], 600);
}

}  // namespace
