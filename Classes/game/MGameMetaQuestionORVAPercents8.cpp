#include "Classes/game/MGameMetaQuestionORVAPercents8.h"

MGameMetaQuestionORVAPercents8::MGameMetaQuestionORVAPercents8()
    : MGameMetaQuestion(650, 750, {"Percents"}, 2, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAPercents8::generateForTestType(int testType, int level) {
    float c = complexityForTestType(testType, level);
    // Bases whose hundredth parts are whole: 50, 25, 20 and 10 percent.
    static const int kBases[] = {2, 4, 5, 10};
    int base = kBases[randomIntBetweenMin(1, truncated(2.9 * c + 2)) - 1];
    bool up = randomBOOL();
    int given = up ? 100 / base : 100 * base;
    int right = up ? 100 * base : 100 / base;
    std::string body = stringWithFormat("<p>X is %d%% of Y. What percent of X is Y?", given);
    Strings options = generateOptionsForIntMaxDeviationSteps(right, 3, up ? 100 : 10);
    formatOptions(options, "", " %");
    return questionWithOptions(testType, std::move(body), std::move(options));
}
