#include "Classes/game/MGameMetaQuestionORVAPercents2.h"

MGameMetaQuestionORVAPercents2::MGameMetaQuestionORVAPercents2()
    : MGameMetaQuestion(400, 550, {"Percents"}, 0.5, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAPercents2::generateForTestType(int testType, int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{0.0f, 1.25f}});
    int percent;
    int whole;
    if (variant == 1) {
        // Tens of percent of hundreds.
        int lo = truncated(2 * c + 1);
        int hi = truncated(5.5 * c + 4);
        percent = 10 * randomIntBetweenMin(lo, hi);
        whole = 100 * randomIntBetweenMin(lo, hi);
    } else {
        // Multiples of fifty percent of tens.
        percent = 50 * randomIntBetweenMin(truncated(2 * c + 2), truncated(5.5 * c + 2));
        whole = 10 * randomIntBetweenMin(truncated(2 * c + 1), truncated(5.5 * c + 4));
    }
    std::string body = stringWithFormat("<p>%d%% of %d equals", percent, whole);
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForIntMaxDeviationSteps(percent * whole / 100, 4, 10));
}
