#include "Classes/game/MGameMetaQuestionORVAPercents1.h"

MGameMetaQuestionORVAPercents1::MGameMetaQuestionORVAPercents1()
    : MGameMetaQuestion(400, 700, {"Percents"}, 0.5, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAPercents1::generateForTestType(int testType, int level) {
    float c = complexityForTestType(testType, level);
    int k = randomIntBetweenMin(1, rounded(2.0 * c + 2));
    int m = randomIntBetweenMin(1, rounded(7.0 * c + 2));
    // A single hundred would make every answer a multiple of ten: half of it is asked instead.
    int part = k == 1 ? 10 * m : 10 * k * m;
    int whole = k == 1 ? 50 : 100 * k;
    std::string body = stringWithFormat("<p><i>%d</i> is what percent of <i>%d</i>?</p>", part, whole);
    Strings options = generateOptionsForIntMaxDeviationSteps(part * 100 / whole, 4, 10);
    formatOptions(options, "", " %");
    return questionWithOptions(testType, std::move(body), std::move(options));
}
