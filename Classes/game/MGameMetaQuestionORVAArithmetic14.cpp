#include "Classes/game/MGameMetaQuestionORVAArithmetic14.h"

MGameMetaQuestionORVAArithmetic14::MGameMetaQuestionORVAArithmetic14()
    : MGameMetaQuestion(500, 650, {"Arithmetic", "Properties of Integers", "Prime"}, 2, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic14::generateForTestType(int testType,
                                                                                      int level) {
    float c = complexityForTestType(testType, level);
    int n = randomIntBetweenMin(truncated(60 * c + 10), truncated(80 * c + 19));
    int right = 0;
    for (int p : primes())
        if (p <= n && GCDofA(p, n) > 1) ++right;
    std::string body =
        stringWithFormat("<p>How many different prime factors greater than 1 does %d have?</p>", n);
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(right, 1, right + 4));
}
