#include "Classes/game/MGameMetaQuestionORVAArithmetic9.h"

MGameMetaQuestionORVAArithmetic9::MGameMetaQuestionORVAArithmetic9()
    : MGameMetaQuestion(350, 600, {"Arithmetic", "Properties of Integers", "Enumeration"}, 1, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic9::generateForTestType(int testType,
                                                                                     int level) {
    float c = complexityForTestType(testType, level);
    setTotalTime((1 - c) * 5 + 10);
    int k = randomIntBetweenMin(1, 20);
    int d = randomIntBetweenMin(4, truncated(50 * c + 6));
    std::string body = stringWithFormat(
        "<p>How many numbers are between <i>%d</i> and <i>%d</i> inclusive?</p>", 10 * k, 10 * k + d);
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForIntMaxDeviationSteps(d + 1, 3, 1));
}
