#include "Classes/game/MGameMetaQuestionORVAArithmetic16.h"

MGameMetaQuestionORVAArithmetic16::MGameMetaQuestionORVAArithmetic16()
    : MGameMetaQuestion(580, 750, {"Arithmetic", "Properties of Integers", "Divisors"}, 2, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic16::generateForTestType(int testType,
                                                                                      int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{0, 0.25f}, {0.25f, 1.25f}});

    auto smaller = [&] { return randomIntBetweenMin(truncated(10 * c + 2), truncated(30 * c + 9)); };
    auto larger = [&] { return randomIntBetweenMin(truncated(15 * c + 2), truncated(50 * c + 9)); };
    int a;
    int b = 1;
    int d = 1;
    if (variant == 1) {
        a = larger();
    } else if (variant == 2) {
        a = smaller();
        b = larger();
    } else {
        a = smaller();
        b = smaller();
        d = larger();
    }
    // m is a multiple of every divisor, so it has at least their k different prime factors, and
    // need not have more: asking for k is "Yes", for k + 1 "No". Every divisor is below 97, so the
    // prime table finds all of its factors.
    auto k = static_cast<int>(differentPrimeFactors(a * b * d).size());
    int more = randomIntBetweenMin(0, 1);
    std::string body =
        stringWithFormat("<p>Does the integer m have at least %s different positive prime factors if ",
                         stringForDigit(k + more).c_str());
    if (d >= 2)
        body += stringWithFormat("m/%d, m/%d, and m/%d are integers?</p>", a, b, d);
    else if (b >= 2)
        body += stringWithFormat("m/%d and m/%d are integers?</p>", a, b);
    else
        body += stringWithFormat("m/%d is an integer?</p>", a);
    return yesNoQuestion(testType, std::move(body), more == 0);
}
