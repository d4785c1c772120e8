#include "Classes/game/MGameMetaQuestionORVAArithmetic11.h"

MGameMetaQuestionORVAArithmetic11::MGameMetaQuestionORVAArithmetic11()
    : MGameMetaQuestion(400, 600, {"Arithmetic", "Properties of Integers", "Enumeration"}, 2, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic11::generateForTestType(int testType,
                                                                                      int level) {
    float c = complexityForTestType(testType, level);
    int a = randomIntBetweenMin(truncated(20 * c + 4), truncated(30 * c + 10));
    int b = randomIntBetweenMin(truncated(2 * c + 2), truncated(10 * c + 4));
    std::string body = stringWithFormat("<p>What is the remainder when %d is divided by %d</p>", a, b);
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(a % b, 0, b + 2));
}
