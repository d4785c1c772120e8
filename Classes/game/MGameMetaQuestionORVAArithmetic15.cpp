#include "Classes/game/MGameMetaQuestionORVAArithmetic15.h"

#include <cmath>

MGameMetaQuestionORVAArithmetic15::MGameMetaQuestionORVAArithmetic15()
    : MGameMetaQuestion(600, 800, {"Arithmetic", "Properties of Integers", "Power"}, 2, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic15::generateForTestType(int testType,
                                                                                      int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{0, 0.5f}, {0.5f, 0.75f}});

    auto drawExponent = [&] { return randomIntBetweenMin(truncated(10 * c + 2), truncated(20 * c + 5)); };
    // Units digits of powers repeat every four exponents, so a power between the 4th and the 7th
    // has the units digit of the shown one and stays exact in a double.
    auto unitsDigit = [](double x) { return x - 10 * std::trunc(x / 10); };
    int base;
    int divisor = 1;
    int n;
    double digit;
    if (variant == 1 || variant == 2) {
        if (variant == 1) {
            base = randomIntBetweenMin(2, 4);
            if (base == 3) base = 9;
        } else {
            base = randomIntBetweenMin(3, 5);
            if (base == 4) base = 7;
            if (base == 5) base = 8;
        }
        n = drawExponent();
        digit = unitsDigit(std::pow(base, n % 4 + 4));
    } else {
        if (randomIntBetweenMin(6, 7) == 6) {
            divisor = randomIntBetweenMin(2, 3);
            base = 6;
        } else {
            base = 8;
            divisor = 2;
        }
        n = drawExponent();
        double power = std::pow(base, (n - 1) % 4 + 4) * base;
        digit = power / divisor - 10 * std::trunc(power / (10 * divisor));
    }

    int low = truncated(30 * c + 2);
    int high = truncated(90 * c + 8);
    // The shown base is 10X + 6: it is a multiple of 3, so its power divides by 3, only when X is.
    int x = base == 6 && divisor == 3 ? 3 * randomIntBetweenMin((low + 2) / 3, high / 3)
                                      : randomIntBetweenMin(low, high);

    std::string body = stringWithFormat("<p>What is the units digit of %d%d<sup>%d</sup>", x, base, n);
    if (variant == 3) body += stringWithFormat("/%d", divisor);
    body += "?</p>";
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForInt(static_cast<int>(digit), 1, 9));
}
