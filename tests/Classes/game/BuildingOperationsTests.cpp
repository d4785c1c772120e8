#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Classes/game/MGameMetaQuestion.h"
#include "Classes/game/MGamePWInterval.h"
#include "Classes/game/MGameProbabilityWaterfall.h"
#include "Classes/game/MGameRandom.h"
#include "tests/Classes/game/ScriptedDraws.h"

namespace {

using game_test::ScriptedDraws;
using Strings = MGameMetaQuestion::Strings;
using Ints = std::vector<int>;

class BuildingOperationsTest : public ::testing::Test {
  protected:
    void SetUp() override { builder.setRandom(draws.random()); }
    void TearDown() override {
        EXPECT_EQ(draws.left(), 0u) << "draws not used";
        EXPECT_EQ(draws.overrun(), 0) << "more draws asked than scripted";
    }

    ScriptedDraws draws;
    MGameMetaQuestion builder{MGameMetaQuestion::Labels{}};
};

TEST_F(BuildingOperationsTest, DrawsTurnThirtyTwoBitValuesIntoNumbers) {
    draws.add({7, 123456, 0, 1, 1u << 31, 0xFFFFFF7Fu, 0xFFFFFF80u, 0xFFFFFFFFu, 0, 0});
    EXPECT_EQ(builder.randomIntBetweenMin(3, 5), 4);  // 3 + 7 mod 3
    EXPECT_EQ(builder.randomIntBetweenMin(-2, -2), -2);
    EXPECT_EQ(builder.randomSign(), -1);
    EXPECT_EQ(builder.randomSign(), 1);
    EXPECT_EQ(builder.randomFloat(), 0.5f);
    EXPECT_LT(builder.randomFloat(), 1.0f);
    EXPECT_EQ(builder.randomFloat(), 1.0f);  // the float rounds up to 2^32
    EXPECT_TRUE(builder.randomBOOLWithProbability(1.0f));
    EXPECT_FALSE(builder.randomBOOLWithProbability(-0.01f));
    EXPECT_FALSE(builder.randomBOOL());
}

TEST_F(BuildingOperationsTest, IntegerOptionsRedrawUntilEveryDistractorIsNew) {
    // From 3 to 8 around 5: 5 (the answer) is drawn again, as is 3 once it is taken.
    draws.add({2, 0, 0, 4, 1});
    EXPECT_EQ(builder.generateOptionsForInt(5, 3, 8), (Strings{"5", "3", "7", "4"}));
    // Steps of 2 around 10, the sign drawn before the count: a zero step and a repeat are redrawn.
    draws.add({1, 0, 1, 2, 0, 1, 1, 2, 0, 3});
    EXPECT_EQ(builder.generateOptionsForIntMaxDeviationSteps(10, 3, 2), (Strings{"10", "14", "8", "4"}));
}

TEST_F(BuildingOperationsTest, PowerOfTenOptions) {
    // 7 has no trailing zero: always 7 first, and the three larger ones in some order.
    draws.add({0, 2, 0, 1, 1});
    Strings seven = builder.generatePowOptionsForInt(7);
    EXPECT_EQ(seven[0], "7");
    EXPECT_EQ(std::set<std::string>(seven.begin(), seven.end()),
              (std::set<std::string>{"7", "70", "700", "7000"}));
    // 250 shifted one place down: 25 is possible, 2 is not.
    draws.add({1, 0, 2, 1, 1});
    EXPECT_EQ(builder.generatePowOptionsForInt(250), (Strings{"250", "25000", "2500", "25"}));
    draws.add({3, 0, 0, 0, 0});
    Strings fiveThousand = builder.generatePowOptionsForInt(5000);
    EXPECT_EQ(fiveThousand, (Strings{"5000", "50", "500", "5"}));

    draws.add({2, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(builder.generatePowOptionsForFloat(0.25f), (Strings{"0.25", "2.5", "25", "0.025"}));
}

TEST_F(BuildingOperationsTest, FractionTextsAndOptions) {
    EXPECT_EQ(MGameMetaQuestion::stringForFractionWithNumenator(6, 4), "1 1/2");
    EXPECT_EQ(MGameMetaQuestion::stringForFractionWithNumenator(8, 4), "2");
    EXPECT_EQ(MGameMetaQuestion::stringForFractionWithNumenator(-3, 4), "-3/4");
    EXPECT_EQ(MGameMetaQuestion::stringForFractionWithNumenator(7, -2), "-3 1/2");
    EXPECT_EQ(MGameMetaQuestion::stringForFractionWithNumenator(0, 5), "0");
    EXPECT_EQ(MGameMetaQuestion::stringForFractionWithNumenator(5, 5), "1");
    EXPECT_EQ(MGameMetaQuestion::stringForFractionWithNumenator(-10, -4), "2 1/2");
    EXPECT_EQ(MGameMetaQuestion::stringForFractionWithNumenator(3, 0), "3/0");  // no crash

    // 2/5: distractor numerators from 0 to 6, so 0, 1 and 1 1/5 can appear.
    draws.add({2, 0, 5, 6});
    EXPECT_EQ(builder.generateOptionsForFractionWithNumenator(2, 5), (Strings{"2/5", "0", "1", "1 1/5"}));
    draws.add({0, 1, 6});
    EXPECT_EQ(builder.generateOptionsForFractionWithNumenator(9, 4),
              (Strings{"2 1/4", "1 1/2", "1 3/4", "3"}));
}

TEST_F(BuildingOperationsTest, PrimesDivisorsAndCounting) {
    EXPECT_EQ(MGameMetaQuestion::GCDofA(12, 18), 6);
    EXPECT_EQ(MGameMetaQuestion::GCDofA(202, 303), 1);  // 101 is beyond the table
    EXPECT_EQ(MGameMetaQuestion::GCDofA(1, 40), 1);
    EXPECT_EQ(MGameMetaQuestion::LCMofA(4, 6), 12);
    EXPECT_EQ(MGameMetaQuestion::factorization(360), (Ints{2, 2, 2, 3, 3, 5}));
    EXPECT_TRUE(MGameMetaQuestion::factorization(1).empty());
    EXPECT_EQ(MGameMetaQuestion::factorization(202), (Ints{2}));
    EXPECT_EQ(MGameMetaQuestion::differentPrimeFactors(360), (Ints{2, 3, 5}));

    EXPECT_EQ(builder.randomPrimeBetweenMin(90, 96), 0);
    draws.add({3});
    EXPECT_EQ(builder.randomPrimeBetweenMin(10, 30), 19);  // 11 13 17 19 23 29

    EXPECT_EQ(MGameMetaQuestion::combinationsForN(5, 2), 10);
    EXPECT_EQ(MGameMetaQuestion::combinationsForN(6, 0), 1);
    EXPECT_EQ(MGameMetaQuestion::combinationsForN(3, 5), 0);
    EXPECT_EQ(MGameMetaQuestion::permutationsForN(5, 2), 20);
    EXPECT_EQ(MGameMetaQuestion::permutationsForN(5, 0), 1);
    EXPECT_EQ(MGameMetaQuestion::factorial(0), 1);
    EXPECT_EQ(MGameMetaQuestion::factorial(5), 120);
    EXPECT_EQ(MGameMetaQuestion::factorial(12), 479001600);

    EXPECT_EQ(MGameMetaQuestion::stringForDigit(7), "seven");
    EXPECT_EQ(MGameMetaQuestion::stringForDigit(10), "10");
    EXPECT_EQ(MGameMetaQuestion::stringForDigit(-1), "-1");

    draws.add({4, 0, 3});
    EXPECT_EQ(builder.generateArrayOfIntWithMin(1, 6, 3), (Ints{5, 1, 4}));
}

TEST_F(BuildingOperationsTest, NamesAndColours) {
    auto seeded = game_test::seededRandom(11);
    builder.setRandom(seeded);
    for (int i = 0; i < 200; ++i) {
        Strings three = builder.randomNameSetWithNumber(3, true, true);
        EXPECT_EQ(std::set<std::string>(three.begin(), three.end()).size(), 3u);
    }
    Strings all = builder.randomNameSetWithNumber(60, true, true);
    EXPECT_EQ(all.size(), 50u);
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), 50u);

    const Strings colours{"white",  "pink", "red",   "orange", "brown",
                          "yellow", "gray", "green", "blue",   "black"};
    EXPECT_FALSE(builder.randomColorNameExcluding(colours));
    builder.setRandom(draws.random());
    std::set<std::string> seen;
    for (std::uint32_t k = 0; k < 8; ++k) {
        draws.add({k});
        seen.insert(*builder.randomColorNameExcluding({"red", "blue"}));
    }
    EXPECT_EQ(seen, (std::set<std::string>{"white", "pink", "orange", "brown", "yellow", "gray", "green",
                                           "black"}));
    draws.add({9});
    EXPECT_EQ(builder.randomColorName(), "black");
    // Names are removed at the drawn places until one is left: always the first, so the last stays.
    draws.addRepeated(0, 24);
    EXPECT_EQ(builder.randomMaleName(), "Brian");
}

TEST(BuildingOperationsBoundsTest, ASourceThatRepeatsItselfCannotHoldAnOptionBuilder) {
    for (std::uint32_t stuck : {0u, 0xFFFFFFFFu}) {
        MGameMetaQuestion builder{MGameMetaQuestion::Labels{}};
        builder.setRandom(std::make_shared<MGameRandom>([stuck] { return stuck; }));
        auto distinct = [](const Strings& s) {
            return std::set<std::string>(s.begin(), s.end()).size() == 4;
        };
        EXPECT_TRUE(distinct(builder.generateOptionsForInt(5, 5, 8)));
        EXPECT_TRUE(distinct(builder.generateOptionsForInt(1, 0, 2)));  // too narrow a range: one lies above
        EXPECT_TRUE(distinct(builder.generateOptionsForIntMaxDeviationSteps(10, 2, 3)));
        EXPECT_TRUE(distinct(builder.generateOptionsForIntMaxDeviationSteps(10, 0, 0)));
        EXPECT_TRUE(distinct(builder.generateOptionsForFractionWithNumenator(2, 5)));
    }
    MGameMetaQuestion builder{MGameMetaQuestion::Labels{}};
    builder.setRandom(std::make_shared<MGameRandom>([] { return 0u; }));
    EXPECT_EQ(builder.generateOptionsForInt(5, 5, 8), (Strings{"5", "6", "7", "8"}));
    EXPECT_EQ(builder.generateOptionsForIntMaxDeviationSteps(10, 2, 3), (Strings{"10", "13", "7", "16"}));
}

TEST(WaterfallTest, TheFirstStepAboveTheDrawNamesTheVariant) {
    EXPECT_EQ(MGamePWInterval(0.5f, 0.5f).probabilityForComplexity(0.5f), 0.0f);
    EXPECT_FLOAT_EQ(MGamePWInterval(0.2f, 0.5f).probabilityForComplexity(1.0f), -5.0f / 3.0f);

    MGameProbabilityWaterfall waterfall;
    EXPECT_EQ(waterfall.numberForComplexity(0.3f, 0.5f), 1);  // no steps
    waterfall.addIntervalX(0.2f, 0.5f);
    waterfall.addIntervalX(0.5f, 1.0f);
    EXPECT_EQ(waterfall.numberForComplexity(0.2f, 0.9f), 1);
    EXPECT_EQ(waterfall.numberForComplexity(0.5f, 0.9f), 2);
    EXPECT_EQ(waterfall.numberForComplexity(1.0f, 0.0f), 3);
    EXPECT_EQ(waterfall.numberForComplexity(0.0f, 0.99999f), 1);  // before x: every draw below 1
    // A draw equal to the step's probability falls through it.
    EXPECT_EQ(
        waterfall.numberForComplexity(0.35f, MGamePWInterval(0.2f, 0.5f).probabilityForComplexity(0.35f)), 2);

    MGameProbabilityWaterfall level;
    level.addIntervalX(0.5f, 0.5f);
    EXPECT_EQ(level.numberForComplexity(0.5f, 0.0f), 2);
    EXPECT_EQ(level.numberForComplexity(0.0f, 0.0f), 2);

    // One draw serves every step: at c = 1, steps of 0, 1/3 and 2/3 give variants 2 to 4 in thirds.
    ScriptedDraws draws;
    MGameProbabilityWaterfall three(draws.random());
    three.addIntervalX(-1, 1);
    three.addIntervalX(0, 1.5);
    three.addIntervalX(0.25, 2.5);
    draws.add({ScriptedDraws::fraction(0.25), ScriptedDraws::fraction(0.5), ScriptedDraws::fraction(0.75)});
    EXPECT_EQ(three.numberForComplexity(1.0f), 2);
    EXPECT_EQ(three.numberForComplexity(1.0f), 3);
    EXPECT_EQ(three.numberForComplexity(1.0f), 4);
    draws.add({ScriptedDraws::fraction(0.25), ScriptedDraws::fraction(0.75)});
    EXPECT_EQ(three.numberForComplexity(0.0f), 1);
    EXPECT_EQ(three.numberForComplexity(0.0f), 2);
}

}  // namespace
