#include "Classes/game/MGameMetaQuestionORVAPercents4.h"

MGameMetaQuestionORVAPercents4::MGameMetaQuestionORVAPercents4()
    : MGameMetaQuestion(500, 650, {"Percents"}, 2, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAPercents4::generateForTestType(int testType, int level) {
    float c = complexityForTestType(testType, level);
    int lo = truncated(2.5 * c + 1);
    int hi = truncated(6.5 * c + 3);
    int n = randomIntBetweenMin(lo, hi);
    int m = randomIntBetweenMin(lo, hi);
    double tenthsDraw = randomFloat();
    double scaleDraw = randomFloat();
    int scale = scaleDraw > 0.6 * c - 0.1 ? 1 : 10;
    // Easy questions take tenths of a percent, harder ones more often hundredths.
    bool tenths = tenthsDraw > 0.5 * c;
    std::string body =
        stringWithFormat("<p>%d/%d percent of %d equals", n, tenths ? 10 : 100, m * scale * 10000);
    int right = tenths ? n * m * scale * 10 : n * m * scale;
    return questionWithOptions(testType, std::move(body), generatePowOptionsForInt(right));
}
