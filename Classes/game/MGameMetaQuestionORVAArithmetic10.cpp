#include "Classes/game/MGameMetaQuestionORVAArithmetic10.h"

MGameMetaQuestionORVAArithmetic10::MGameMetaQuestionORVAArithmetic10()
    : MGameMetaQuestion(600, 800, {"Arithmetic", "Properties of Integers", "Enumeration"}, 3, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic10::generateForTestType(int testType,
                                                                                      int level) {
    float c = complexityForTestType(testType, level);
    setTotalTime((1 - c) * 10 + 15);
    int a = randomIntBetweenMin(10, truncated(25 * static_cast<double>(c) + 15));
    int length = randomIntBetweenMin(8, truncated(18 * c + 12));
    int d = randomIntBetweenMin(2, truncated(6 * c + 2));
    int b = a + length;
    int firstMultiple = a % d == 0 ? a : a + d - a % d;
    int right = b / d - firstMultiple / d + 1;
    std::string body = stringWithFormat(
        "<p>How many numbers between <i>%d</i> and <i>%d</i> inclusive is divisible by %d?</p>", a, b, d);
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForIntMaxDeviationSteps(right, 3, 1));
}
