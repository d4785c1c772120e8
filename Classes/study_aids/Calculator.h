#pragma once
// The engine of the calculator panel: a four-function calculator with one memory register and six
// one-argument keys, fed one key token at a time. After every token the panel shows the number
// display, the memory indicator and the pending operator. Nothing of it is stored.
//
// Tokens: "AC", "MC", "MR", "M+", "M-" (hyphen-minus); the function keys "x!", "1X", "P2", "P3",
// "SN", "SQ"; one of "0123456789."; an operator "+", "−" (U+2212), "×" (U+00D7), "÷" (U+00F7);
// "=", "D" (delete) and "C" (clear). Operations chain left to right without precedence.

#include <atomic>
#include <string>

#include "platform/foundation/Object.h"

class Calculator : public fnd::Object {
  public:
    using Function = double (*)(double);

    // The four operator characters; an operator's position selects add, subtract, multiply, divide.
    static constexpr const char* kOperators[4] = {"+", "\u2212", "\u00D7", "\u00F7"};

    // Display empty (shown as 0), nothing pending, memory 0 and unused. The new-number flag, which
    // every calculator of the program shares, keeps its value.
    Calculator() = default;

    // Applies one token; anything else raises fnd::InvalidArgument with the token under "arg0".
    void input(const std::string& token);

    // The number display: the text typed or the last result; "0" while empty.
    std::string displayValue() const;
    // "M: " and the memory's text once M+ or M- has been used, else empty.
    std::string displayMemory() const;
    // The pending operator character, or empty.
    std::string displayOperator() const { return operator_; }
    bool memoryIsUsed() const { return memoryIsUsed_; }

    // Empties the display; on an empty display drops the pending operator instead.
    void clearDisplay();
    void clearMemory();
    // Replaces the display by f of its value and ends any pending operation.
    void applyFunc(Function f);

    // The function keys.
    static double factorial(double x);
    static double reciprocal(double x) { return 1.0 / x; }
    static double power2(double x) { return x * x; }
    static double power3(double x) { return x * x * x; }
    static double changeSign(double x);
    static double squareRoot(double x);

    // While set, the next digit or point starts a new number and delete does nothing. One flag for
    // the whole program: it outlives the calculator that set it.
    static bool startNewNumber() { return startNewNumber_.load(); }
    static void setStartNewNumber(bool value) { startNewNumber_.store(value); }

    // A number as the display writes it: 16 significant digits, fixed or exponent notation,
    // "inf", "-inf", "nan".
    static std::string textOf(double value);
    // The value of a display text: its leading decimal number (exponent, inf and nan included);
    // 0 when it has none.
    static double valueOf(const std::string& text);

  private:
    double displayedValue() const { return valueOf(display_); }
    void operate(const std::string& token);

    std::string display_;
    double operand_ = 0.0;
    std::string operator_;
    double memory_ = 0.0;
    bool memoryIsUsed_ = false;

    static std::atomic<bool> startNewNumber_;
};
