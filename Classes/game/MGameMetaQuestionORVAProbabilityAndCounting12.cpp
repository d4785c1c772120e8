#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting12.h"

#include <cmath>

MGameMetaQuestionORVAProbabilityAndCounting12::MGameMetaQuestionORVAProbabilityAndCounting12()
    : MGameMetaQuestion(700, 760, {"Probability and Counting"}, 5, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting12::generateForTestType(
    int testType, int level) {
    float c = complexityForTestType(testType, level);
    int songs = randomIntBetweenMin(truncated(1.9 * c + 2), truncated(3.9 * c + 3));
    std::string body = stringWithFormat(
        "<p>In how many ways can a playlist be formed from %d songs if at least one song has to be "
        "included?</p>",
        songs);
    // Every subset of the songs but the empty one.
    int right = truncated(std::pow(2.0, songs)) - 1;
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(right, 1, 2 * right + 4));
}
