#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting5.h"

MGameMetaQuestionORVAProbabilityAndCounting5::MGameMetaQuestionORVAProbabilityAndCounting5()
    : MGameMetaQuestion(450, 650, {"Probability and Counting"}, 3, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting5::generateForTestType(int testType,
                                                                                                 int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{0.1f, 0.2f}, {0.4f, 0.6f}});
    std::string body;
    int right;
    if (variant == 1) {
        int n = randomIntBetweenMin(3, 5);
        body = stringWithFormat("<p>%d! equals:</p>", n);
        right = factorial(n);
    } else if (variant == 2) {
        int n = randomIntBetweenMin(4, 10);
        int m = n - randomIntBetweenMin(1, 2);
        body = stringWithFormat("<p>%d!/%d! equals:</p>", n, m);
        // 10! still fits in 32 bits, so both factorials are taken whole before dividing.
        right = factorial(n) / factorial(m);
    } else {
        int n = randomIntBetweenMin(truncated(3.5 * c + 2), truncated(9.5 * c + 2));
        int j = randomIntBetweenMin(truncated(1.5 * c + 1), truncated(1.6 * c + 1.3));
        int k = randomBOOLWithProbability(static_cast<float>(0.8 * c - 0.3)) ? n - j : j;
        bool combinations = randomBOOL();
        body = stringWithFormat("<p>%s(%d,%d) equals:</p>", combinations ? "C" : "P", n, k);
        right = combinations ? combinationsForN(n, k) : permutationsForN(n, k);
    }
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForInt(right, right / 2, 2 * right + 3));
}
