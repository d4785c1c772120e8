#include "Classes/game/MGameMetaQuestionORVAArithmetic8.h"

#include <cmath>

MGameMetaQuestionORVAArithmetic8::MGameMetaQuestionORVAArithmetic8()
    : MGameMetaQuestion(400, 700, {"Arithmetic", "Properties of Integers", "Divisors"}, 0.5, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic8::generateForTestType(int testType,
                                                                                     int level) {
    float c = complexityForTestType(testType, level);
    setReadTime(1 + c);
    int draws = randomIntBetweenMin(truncated(static_cast<double>(2 * c) + 1.5),
                                    truncated(static_cast<double>(3 * c) + 1.5));
    int e2 = 0;
    int e3 = 0;
    int e5 = 0;
    for (int i = 0; i < draws; ++i) {
        double u = randomFloat();
        if (u < 0.4)
            ++e2;
        else if (u < 0.8)
            ++e3;
        else
            ++e5;
    }
    // A second factor 5 would make the number too large to count its divisors quickly.
    if (e5 > 1) {
        e5 = 1;
        ++e3;
    }
    int n = static_cast<int>(std::pow(2.0, e2) * std::pow(3.0, e3) * std::pow(5.0, e5));
    std::string body = stringWithFormat("<p>How may different positive divisors does <i>%d</i> have?</p>", n);
    int right = (e2 + 1) * (e3 + 1) * (e5 + 1);
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForInt(right, right / 2, 2 * right + 3));
}
