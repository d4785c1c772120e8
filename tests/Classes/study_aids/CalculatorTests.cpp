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

    Calculator calc;
};

TEST_F(CalculatorTest, ChainsLeftToRightWithoutPrecedence) {
    EXPECT_EQ(press("2 + 3 *"), "5");
    EXPECT_EQ(calc.displayOperator(), kTimes);
    EXPECT_EQ(press("4 ="), "20");
    EXPECT_EQ(calc.displayOperator(), "");
    EXPECT_EQ(press("="), "20");  // nothing pending: nothing more happens

    EXPECT_EQ(press("AC 1 0 / 4 ="), "2.5");
    EXPECT_EQ(press("AC 1 - 3 ="), "-2");
    // A second operator applies the pending one to the number shown.
    EXPECT_EQ(press("AC 2 + +"), "4");
    EXPECT_EQ(press("="), "8");
    // A result goes on into the next operation, and a digit after it starts a new number.
    EXPECT_EQ(press("AC 6 * 7 = - 2 ="), "40");
    EXPECT_EQ(press("AC 6 * 7 = 3 + 1 ="), "4");
    // Sixteen significant digits hide the binary error of decimal fractions.
    EXPECT_EQ(press("AC . 1 + . 2 ="), "0.3");
}

TEST_F(CalculatorTest, PercentagesWorkedAsTheKeysGo) {
    // 15 % of 240.
    EXPECT_EQ(press("2 4 0 * 1 5 / 1 0 0 ="), "36");
    // 80 raised by 15 %.
    EXPECT_EQ(press("AC 8 0 * 1 . 1 5 ="), "92");
    // The change from 80 to 92 in percent: (92 - 80) / 80 * 100, in key order.
    EXPECT_EQ(press("AC 9 2 - 8 0 / 8 0 * 1 0 0 ="), "15");
    // 15 % off 19.99.
    EXPECT_EQ(press("AC 1 9 . 9 9 * . 8 5 ="), "16.9915");
}

TEST_F(CalculatorTest, MemoryAddsSubtractsRecallsAndClears) {
    EXPECT_EQ(calc.displayMemory(), "");
    // 3 x 4 + 5 x 6 through the memory.
    press("3 * 4 = M+ 5 * 6 = M+");
    EXPECT_TRUE(calc.memoryIsUsed());
    EXPECT_EQ(calc.displayMemory(), "M: 42");
    EXPECT_EQ(press("AC"), "0");
    EXPECT_EQ(calc.displayMemory(), "");  // all clear clears the memory too
    EXPECT_EQ(press("MR"), "0");

    press("1 0 M- 2 . 5 M-");
    EXPECT_EQ(calc.displayMemory(), "M: -12.5");
    EXPECT_EQ(press("MR"), "-12.5");
    EXPECT_EQ(press("D"), "-12.5");  // a recalled number is not being typed
    EXPECT_EQ(press("4"), "4");      // and the next digit replaces it
    EXPECT_EQ(press("MC"), "4");
    EXPECT_FALSE(calc.memoryIsUsed());
    EXPECT_EQ(calc.displayMemory(), "");
    EXPECT_EQ(press("MR"), "0");
    // M+ takes the number shown; an empty display counts as 0 but still turns the indicator on.
    EXPECT_EQ(press("C M+"), "0");
    EXPECT_EQ(calc.displayMemory(), "M: 0");
}

TEST_F(CalculatorTest, FunctionKeys) {
    EXPECT_EQ(press("3 x!"), "6");
    EXPECT_EQ(press("0 x!"), "1");
    // Whole-number factorials are exact, not the gamma function's near misses.
    EXPECT_EQ(press("1 2 x!"), "479001600");
    EXPECT_EQ(press("1 8 x!"), "6402373705728000");
    EXPECT_EQ(press("2 0 x!"), "2.43290200817664e+18");
    EXPECT_EQ(press("1 7 1 x!"), "inf");
    EXPECT_EQ(press(". 5 x!").substr(0, 16), "0.88622692545275");  // the gamma function of 1.5

    EXPECT_EQ(press("4 1X"), "0.25");
    EXPECT_EQ(press("3 1X"), "0.3333333333333333");
    EXPECT_EQ(press("1 2 P2"), "144");
    EXPECT_EQ(press("1 . 5 P2"), "2.25");
    EXPECT_EQ(press("3 P3"), "27");
    EXPECT_EQ(press("1 0 0 0 0 0 P3"), "1000000000000000");
    EXPECT_EQ(press("1 0 0 0 0 0 0 P3"), "1e+18");
    EXPECT_EQ(press("9 SQ"), "3");
    EXPECT_EQ(press("2 SQ"), "1.414213562373095");
    EXPECT_EQ(press(". 0 0 0 1 5 P2"), "2.25e-08");

    // A function ends the pending operation.
    EXPECT_EQ(press("AC 2 + 3 P2"), "9");
    EXPECT_EQ(calc.displayOperator(), "");
    EXPECT_EQ(press("="), "9");

    // A sign change while typing lets the typing go on; zero never turns negative.
    EXPECT_EQ(press("5 SN 3"), "-53");
    EXPECT_EQ(press("AC 0 SN"), "0");
    EXPECT_EQ(press("AC 8 - 2 SN"), "-2");
    EXPECT_EQ(press("="), "-2");
    // After a sign change of a result, a digit still starts a new number.
    EXPECT_EQ(press("AC 2 * 3 = SN 7"), "7");
}

TEST_F(CalculatorTest, ImpossibleArithmeticShowsInfinityOrNan) {
    EXPECT_EQ(press("7 / 0 ="), "inf");
    EXPECT_EQ(press("- 7 / 0 ="), "inf");  // computing on with an infinite result
    EXPECT_EQ(press("AC 7 SN / 0 ="), "-inf");
    EXPECT_EQ(press("AC 7 / 0 = * 0 ="), "nan");
    EXPECT_EQ(press("AC 0 / 0 ="), "nan");
    EXPECT_EQ(press("0 1X"), "inf");
    EXPECT_EQ(press("4 SN SQ"), "nan");
    EXPECT_EQ(press("1 SN x!"), "inf");
    EXPECT_EQ(press("2 SN x!"), "nan");
    EXPECT_EQ(press("+ 1 ="), "nan");
}

TEST_F(CalculatorTest, TypingPointsDeleteAndClear) {
    EXPECT_EQ(calc.displayValue(), "0");
    EXPECT_EQ(press("0 5"), "05");
    EXPECT_EQ(press("+ 1 ="), "6");  // 05 is worth 5
    EXPECT_EQ(press("."), ".");
    EXPECT_EQ(press("5"), ".5");
    EXPECT_EQ(press(". 2"), ".52");  // a second point is ignored
    EXPECT_EQ(press("* 2 ="), "1.04");
    EXPECT_EQ(press(". + 3 ="), "3");  // a lone point is worth 0

    EXPECT_EQ(press("AC 1 2 3 D"), "12");
    EXPECT_EQ(press("D D"), "0");
    EXPECT_EQ(press("D"), "0");
    EXPECT_EQ(press("4 + 5 = D"), "9");

    EXPECT_EQ(press("AC 5 + 3 C"), "0");
    EXPECT_EQ(calc.displayOperator(), "+");  // clear keeps the pending operation
    EXPECT_EQ(press("4 ="), "9");
    EXPECT_EQ(press("+ C C"), "0");
    EXPECT_EQ(calc.displayOperator(), "");  // the second clear drops it
    EXPECT_EQ(press("="), "0");
}

TEST_F(CalculatorTest, ExponentResultsReadBackAndTypingGoesOnAfterThem) {
    EXPECT_EQ(press("1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"), "10000000000000000");
    EXPECT_EQ(press("SN"), "-1e+16");
    EXPECT_EQ(press("* 2 ="), "-2e+16");
    EXPECT_EQ(press("AC 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 SN 5"), "-1e+165");
    EXPECT_EQ(press("* 2 ="), "-2e+165");
    EXPECT_EQ(press("AC . 0 0 0 0 1 5 / 1 ="), "1.5e-05");
    EXPECT_EQ(press("* 2 ="), "3e-05");
}

TEST_F(CalculatorTest, UnknownTokensAreRejectedAndChangeNothing) {
    press("1 2 + 3");
    for (std::string token : {"-", "*", "/", "", "x", "ac", "12", "==", "M", "\u2212\u2212", "%"}) {
        try {
            calc.input(token);
            ADD_FAILURE() << "accepted \"" << token << "\"";
        } catch (const fnd::InvalidArgument& e) {
            EXPECT_STREQ(e.what(), "The input_character parameter contains an unexpected value.");
            ASSERT_EQ(e.userInfo().count("arg0"), 1u);
            EXPECT_EQ(e.userInfo().at("arg0"), token);
        }
    }
    EXPECT_THROW(calc.input(std::string(1, '\0')), fnd::InvalidArgument);
    EXPECT_EQ(calc.displayValue(), "3");
    EXPECT_EQ(calc.displayOperator(), "+");
    EXPECT_EQ(press("="), "15");
}

TEST_F(CalculatorTest, EveryCalculatorStartsAfreshButTheNewNumberFlagIsShared) {
    press("9 M+ 2 *");
    Calculator next;
    EXPECT_EQ(next.displayValue(), "0");
    EXPECT_EQ(next.displayMemory(), "");
    EXPECT_EQ(next.displayOperator(), "");

    Calculator other;
    press(other, "1");
    press("=");  // another calculator's result starts a new number for every calculator
    EXPECT_EQ(press(other, "2"), "2");
}

TEST_F(CalculatorTest, NumberText) {
    EXPECT_EQ(Calculator::textOf(5), "5");
    EXPECT_EQ(Calculator::textOf(0.5), "0.5");
    EXPECT_EQ(Calculator::textOf(0.0001), "0.0001");
    EXPECT_EQ(Calculator::textOf(0.00001), "1e-05");
    EXPECT_EQ(Calculator::textOf(999999999999999.0), "999999999999999");
    EXPECT_EQ(Calculator::textOf(123456789012345678.0), "1.234567890123457e+17");
    EXPECT_EQ(Calculator::textOf(-INFINITY), "-inf");
    EXPECT_EQ(Calculator::textOf(-NAN), "nan");
    EXPECT_EQ(Calculator::valueOf("1e+16"), 1e16);
    EXPECT_EQ(Calculator::valueOf("."), 0);
    EXPECT_EQ(Calculator::valueOf(""), 0);
    EXPECT_EQ(Calculator::valueOf("1.5e-05"), 1.5e-05);
}

}  // namespace
