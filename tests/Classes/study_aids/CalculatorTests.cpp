#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "Classes/study_aids/Calculator.h"
#include "platform/foundation/InvalidArgument.h"
#include "tests/support/TestEnvironment.h"

namespace {

const std::string kMinus = "\u2212";
const std::string kTimes = "\u00D7";
const std::string kDivide = "\u00F7";

// Keys pressed in a row and what the display shows after them; the operator label too when given.
struct Step {
    const char* keys;
    const char* display;
    const char* pendingOperator = nullptr;
};

class CalculatorTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        Calculator::setStartNewNumber(false);  // as at program start
    }

    // Presses the keys of a line such as "1 2 + 3 =": tokens separated by blanks, where "-", "*"
    // and "/" stand for the minus, times and divide keys. Answers the number display.
    static std::string press(Calculator& calculator, const std::string& keys) {
        std::istringstream in(keys);
        std::string token;
        while (in >> token) {
            if (token == "-") token = kMinus;
            if (token == "*") token = kTimes;
            if (token == "/") token = kDivide;
            calculator.input(token);
        }
        return calculator.displayValue();
    }
    std::string press(const std::string& keys) { return press(calc, keys); }

    // Works through the steps on one calculator, each going on from the one before.
    void expectSteps(std::initializer_list<Step> steps) {
        std::string pressed;
        for (const Step& step : steps) {
            pressed += std::string(pressed.empty() ? "" : " | ") + step.keys;
            SCOPED_TRACE(pressed);
            EXPECT_EQ(press(step.keys), step.display);
            if (step.pendingOperator) {
                EXPECT_EQ(calc.displayOperator(), step.pendingOperator);
            }
        }
    }

    Calculator calc;
};

TEST_F(CalculatorTest, ChainsLeftToRightWithoutPrecedence) {
    expectSteps({
        {"2 + 3 *", "5", "\u00D7"},
        {"4 =", "20", ""},
        {"=", "20", ""},  // nothing pending: nothing more happens
        {"AC 1 0 / 4 =", "2.5"},
        {"AC 1 - 3 =", "-2"},
        // A second operator applies the pending one to the number shown.
        {"AC 2 + +", "4", "+"},
        {"=", "8"},
        // A result goes on into the next operation, and a digit after it starts a new number.
        {"AC 6 * 7 = - 2 =", "40"},
        {"AC 6 * 7 = 3 + 1 =", "4"},
        // Sixteen significant digits hide the binary error of decimal fractions.
        {"AC . 1 + . 2 =", "0.3"},
    });
}

TEST_F(CalculatorTest, PercentagesWorkedAsTheKeysGo) {
    expectSteps({
        {"2 4 0 * 1 5 / 1 0 0 =", "36"},         // 15 % of 240
        {"AC 8 0 * 1 . 1 5 =", "92"},            // 80 raised by 15 %
        {"AC 9 2 - 8 0 / 8 0 * 1 0 0 =", "15"},  // the change from 80 to 92 in percent
        {"AC 1 9 . 9 9 * . 8 5 =", "16.9915"},   // 15 % off 19.99
    });
}

TEST_F(CalculatorTest, MemoryAddsSubtractsRecallsAndClears) {
    // 3 x 4 + 5 x 6 through the memory.
    press("3 * 4 = M+ 5 * 6 = M+");
    EXPECT_EQ(calc.displayMemory(), "M: 42");
    EXPECT_EQ(press("AC MR"), "0");
    EXPECT_EQ(calc.displayMemory(), "");  // all clear clears the memory too
    expectSteps({
        {"1 0 M- 2 . 5 M- MR", "-12.5"},
        {"D", "-12.5"},  // a recalled number is not being typed
        {"4 MC", "4"},   // and the next digit replaces it
        {"MR", "0"},
    });
    EXPECT_FALSE(calc.memoryIsUsed());
    EXPECT_EQ(calc.displayMemory(), "");
    // An empty display counts as 0 but still turns the indicator on.
    press("C M+");
    EXPECT_EQ(calc.displayMemory(), "M: 0");
}

TEST_F(CalculatorTest, FunctionKeys) {
    expectSteps({
        {"3 x!", "6"},
        // Whole-number factorials are exact, not the gamma function's near misses.
        {"1 2 x!", "479001600"},
        {"1 8 x!", "6402373705728000"},
        {"2 0 x!", "2.43290200817664e+18"},
        {"1 7 1 x!", "inf"},
        {"4 1X", "0.25"},
        {"3 1X", "0.3333333333333333"},
        {"1 2 P2", "144"},
        {". 0 0 0 1 5 P2", "2.25e-08"},
        {"3 P3", "27"},
        {"1 0 0 0 0 0 0 P3", "1e+18"},
        {"2 SQ", "1.414213562373095"},
        // A function ends the pending operation.
        {"AC 2 + 3 P2", "9", ""},
        {"=", "9"},
        // A sign change while typing lets the typing go on; zero never turns negative.
        {"5 SN 3", "-53"},
        {"AC 0 SN", "0"},
        {"AC 8 - 2 SN", "-2", ""},
        // After a sign change of a result, a digit still starts a new number.
        {"AC 2 * 3 = SN 7", "7"},
    });
    EXPECT_EQ(press("AC . 5 x!").substr(0, 16), "0.88622692545275");  // the gamma function of 1.5
}

TEST_F(CalculatorTest, ImpossibleArithmeticShowsInfinityOrNan) {
    expectSteps({
        {"7 / 0 =", "inf"},
        {"- 7 / 0 =", "inf"},  // computing on with an infinite result
        {"AC 7 SN / 0 =", "-inf"},
        {"AC 7 / 0 = * 0 =", "nan"},
        {"0 1X", "inf"},
        {"4 SN SQ", "nan"},
        {"1 SN x!", "inf"},
        {"2 SN x!", "nan"},
        {"+ 1 =", "nan"},
    });
}

TEST_F(CalculatorTest, TypingPointsDeleteClearAndExponents) {
    expectSteps({
        {"", "0"},
        {"0 5", "05"},
        {"+ 1 =", "6"},  // 05 is worth 5
        {".", "."},
        {"5", ".5"},
        {". 2", ".52"},  // a second point is ignored
        {"* 2 =", "1.04"},
        {". + 3 =", "3"},  // a lone point is worth 0
        {"AC 1 2 3 D", "12"},
        {"D D", "0"},
        {"4 + 5 = D", "9"},
        {"AC 5 + 3 C", "0", "+"},  // clear keeps the pending operation
        {"4 =", "9"},
        {"+ C C", "0", ""},  // the second clear drops it
        {"=", "0"},
        // Results in exponent notation read back, and typing may go on after a sign change.
        {"1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "10000000000000000"},
        {"SN", "-1e+16"},
        {"5", "-1e+165"},
        {"* 2 =", "-2e+165"},
        {"AC . 0 0 0 0 1 5 / 1 =", "1.5e-05"},
    });
}

TEST_F(CalculatorTest, UnknownTokensAreRejectedAndChangeNothing) {
    press("1 2 + 3");
    using namespace std::string_literals;
    for (std::string token : {"-"s, "*"s, ""s, "ac"s, "12"s, "\u2212\u2212"s, "\0"s}) {
        try {
            calc.input(token);
            ADD_FAILURE() << "accepted \"" << token << "\"";
        } catch (const fnd::InvalidArgument& e) {
            EXPECT_STREQ(e.what(), "The input_character parameter contains an unexpected value.");
            ASSERT_EQ(e.userInfo().count("arg0"), 1u);
            EXPECT_EQ(e.userInfo().at("arg0"), token);
        }
    }
    EXPECT_EQ(calc.displayValue(), "3");
    EXPECT_EQ(calc.displayOperator(), "+");
    EXPECT_EQ(press("="), "15");
}

TEST_F(CalculatorTest, EveryCalculatorStartsAfreshButTheNewNumberFlagIsShared) {
    press("9 M+ 2 *");
    Calculator other;
    EXPECT_EQ(press(other, "1"), "1");
    EXPECT_EQ(other.displayMemory() + other.displayOperator(), "");
    press("=");  // another calculator's result starts a new number for every calculator
    EXPECT_EQ(press(other, "2"), "2");
}

}  // namespace
