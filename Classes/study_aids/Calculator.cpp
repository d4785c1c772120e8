#include "Classes/study_aids/Calculator.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <cmath>
#include <string_view>

#include "platform/foundation/InvalidArgument.h"

std::atomic<bool> Calculator::startNewNumber_{false};

namespace {

constexpr std::string_view kDigits = "0123456789.";
// The largest argument whose factorial is finite in double precision.
constexpr double kLargestFactorial = 170.0;

int operatorIndex(const std::string& token) {
    for (int i = 0; i < 4; ++i)
        if (token == Calculator::kOperators[i]) return i;
    return -1;
}

struct FunctionKey {
    const char* token;
    Calculator::Function function;
};

constexpr FunctionKey kFunctionKeys[] = {
    {"x!", Calculator::factorial}, {"1X", Calculator::reciprocal}, {"P2", Calculator::power2},
    {"P3", Calculator::power3},    {"SN", Calculator::changeSign}, {"SQ", Calculator::squareRoot},
};

}  // namespace

void Calculator::input(const std::string& token) {
    if (token == "AC") {
        clearDisplay();
        clearMemory();
        operator_.clear();
        return;
    }
    if (token == "MC") {
        clearMemory();
        return;
    }
    if (token == "MR") {
        display_ = textOf(memory_);
        setStartNewNumber(true);
        return;
    }
    if (token == "M+" || token == "M-") {
        memory_ = token == "M+" ? memory_ + displayedValue() : memory_ - displayedValue();
        memoryIsUsed_ = true;
        setStartNewNumber(true);
        return;
    }
    for (const auto& key : kFunctionKeys) {
        if (token == key.token) {
            applyFunc(key.function);
            // A sign change while typing lets the user go on typing the same number.
            if (key.function != changeSign) setStartNewNumber(true);
            return;
        }
    }
    if (token.size() == 1 && kDigits.find(token[0]) != std::string_view::npos) {
        if (startNewNumber()) {
            display_ = token;
            setStartNewNumber(false);
        } else if (token != "." || display_.find('.') == std::string::npos) {
            display_ += token;
        }
        return;
    }
    if (operatorIndex(token) >= 0 || token == "=") {
        operate(token);
        return;
    }
    if (token == "D") {
        if (!startNewNumber() && !display_.empty()) display_.pop_back();
        return;
    }
    if (token == "C") {
        clearDisplay();
        return;
    }
    throw fnd::InvalidArgument("The input_character parameter contains an unexpected value.",
                               {{"arg0", token}});
}

void Calculator::operate(const std::string& token) {
    if (operator_.empty()) {
        if (token != "=") {
            operand_ = displayedValue();
            operator_ = token;
        }
        setStartNewNumber(true);
        return;
    }
    double value = displayedValue();
    switch (operatorIndex(operator_)) {
        case 0:
            operand_ += value;
            break;
        case 1:
            operand_ -= value;
            break;
        case 2:
            operand_ *= value;
            break;
        case 3:
            operand_ /= value;
            break;
        default:
            break;
    }
    display_ = textOf(operand_);
    operator_ = token == "=" ? std::string() : token;
    setStartNewNumber(true);
}

std::string Calculator::displayValue() const { return display_.empty() ? "0" : display_; }

std::string Calculator::displayMemory() const {
    return memoryIsUsed_ ? "M: " + textOf(memory_) : std::string();
}

void Calculator::clearDisplay() {
    if (!display_.empty())
        display_.clear();
    else
        operator_.clear();
}

void Calculator::clearMemory() {
    memory_ = 0.0;
    memoryIsUsed_ = false;
}

void Calculator::applyFunc(Function f) {
    operand_ = f(displayedValue());
    display_ = textOf(operand_);
    operator_.clear();
}

double Calculator::factorial(double x) {
    // The gamma function of the maths library is a few units off in the last place for whole
    // numbers (12! would show 479001599.9999999), so whole arguments get the plain product.
    if (x >= 0.0 && x <= kLargestFactorial && x == std::floor(x)) {
        double product = 1.0;
        for (int i = 2; i <= static_cast<int>(x); ++i) product *= i;
        return product;
    }
    return std::tgamma(x + 1.0);
}

double Calculator::changeSign(double x) { return x == 0.0 ? 0.0 : -x; }

double Calculator::squareRoot(double x) { return std::sqrt(x); }

std::string Calculator::textOf(double value) {
    if (std::isnan(value)) return "nan";  // never "-nan"
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 16);
    return std::string(buffer, result.ptr);
}

double Calculator::valueOf(const std::string& text) {
    // Read in the C locale whatever locale the process runs in: the display's point is a point.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(text.c_str(), nullptr, cLocale);
}
