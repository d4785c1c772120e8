#include "Classes/game/MGameMetaQuestionORVAPercents3.h"

MGameMetaQuestionORVAPercents3::MGameMetaQuestionORVAPercents3()
    : MGameMetaQuestion(600, 800, {"Percents"}, 1, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAPercents3::generateForTestType(int testType, int level) {
    float c = complexityForTestType(testType, level);
    int lo = truncated(1.9 * c + 1);
    int mid = truncated(1.9 * c + 2);
    int a = randomIntBetweenMin(lo, mid);
    int b = randomIntBetweenMin(mid, truncated(3.5 * c + 3));
    int v = randomIntBetweenMin(lo, truncated(2.5 * c + 2));
    // Harder questions sometimes take a whole ten times larger.
    int scale = static_cast<double>(randomFloat()) > 0.7 * c - 0.2 ? 1 : 10;
    int whole = 100 * v * scale;
    std::string body = stringWithFormat("<p>%d%% of %d%% of %d equals", 10 * a, 10 * b, whole);
    return questionWithOptions(testType, std::move(body), generatePowOptionsForInt(a * b * v * scale));
}
