#include "Classes/game/MGameMetaQuestionORVAArithmetic2.h"

MGameMetaQuestionORVAArithmetic2::MGameMetaQuestionORVAArithmetic2()
    : MGameMetaQuestion(200, 520, {"Arithmetic", "Properties of Integers", "Multipication"}, 0.5, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic2::generateForTestType(int testType,
                                                                                     int level) {
    float c = complexityForTestType(testType, level);
    setReadTime(0.5 + c);
    // From the middle of the band on, the first factor is never 2.
    int h = c >= 0.5 ? 1 : 0;
    int a = randomIntBetweenMin(2 + h, rounded(6 * c) + 3);
    int b = randomIntBetweenMin(rounded(9 * c) + 2, rounded(24 * c) + 5);
    std::string body = stringWithFormat("<p>Calculate the expression:</p><p><i>%d * %d = ?</i></p>", a, b);
    int right = a * b;
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(right, right / 2, 2 * right));
}
