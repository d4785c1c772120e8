#include "Classes/game/MGameMetaQuestionORVAArithmetic1.h"

MGameMetaQuestionORVAArithmetic1::MGameMetaQuestionORVAArithmetic1()
    : MGameMetaQuestion(200, 530, {"Arithmetic", "Properties of Integers", "Addition", "Subtraction"}, 0.5,
                        10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic1::generateForTestType(int testType,
                                                                                     int level) {
    float c = complexityForTestType(testType, level);
    setReadTime(0.5 + c);
    int a = 10 + randomIntBetweenMin(rounded(20 * c), rounded(90 * c) + 1);
    int b = 1 + randomIntBetweenMin(rounded(20 * c), rounded(40 * c) + 1);
    int sign = randomSign();
    std::string body = stringWithFormat("<p>Calculate the expression:</p><p><i>%d %c %d = ?</i></p>", a,
                                        sign > 0 ? '+' : '-', b);
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForIntMaxDeviationSteps(a + sign * b, 15, 1));
}
