#include "Classes/game/MGameMetaQuestionORVAPercents6.h"

MGameMetaQuestionORVAPercents6::MGameMetaQuestionORVAPercents6()
    : MGameMetaQuestion(500, 650, {"Percents"}, 2, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAPercents6::generateForTestType(int testType, int level) {
    float c = complexityForTestType(testType, level);
    int lo = truncated(1.5 * c + 1);
    int hundreds = randomIntBetweenMin(lo, truncated(3.5 * c + 2));
    int fives = randomIntBetweenMin(lo, truncated(2.5 * c + 2));
    int sign = randomSign();
    std::string body = stringWithFormat(
        "<p>$%d investment %s by %d%% during the last year. What the current value of the investment?",
        100 * hundreds, sign > 0 ? "increased" : "decreased", 5 * fives);
    Strings options = generateOptionsForIntMaxDeviationSteps(hundreds * (100 + 5 * sign * fives), 3, 10);
    formatOptions(options, "$", "");
    return questionWithOptions(testType, std::move(body), std::move(options));
}
