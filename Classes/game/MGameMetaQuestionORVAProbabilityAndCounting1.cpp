#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting1.h"

#include <cmath>

MGameMetaQuestionORVAProbabilityAndCounting1::MGameMetaQuestionORVAProbabilityAndCounting1()
    : MGameMetaQuestion(400, 650, {"Probability and Counting"}, 3, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting1::generateForTestType(int testType,
                                                                                                 int level) {
    float c = complexityForTestType(testType, level);
    std::string name = randomName();
    int variant = variantForComplexity(c, {{0.2f, 0.3f}, {0.7f, 1.0f}});
    if (variant == 1) {
        bool head = randomIntBetweenMin(0, 1) == 1;
        std::string body =
            stringWithFormat("<p>%s tosses a coin once. What is the probability of getting a %s?</p>",
                             name.c_str(), head ? "head" : "tail");
        // Over four, so that the wrong options are quarters around one half.
        return questionWithOptions(testType, std::move(body), generateOptionsForFractionWithNumenator(2, 4));
    }
    int tosses = 2;
    int heads;
    int outcomes = 4;
    if (variant == 2) {
        heads = randomIntBetweenMin(0, 2);
    } else {
        tosses = randomIntBetweenMin(3, truncated(3.9 * c + 2));
        heads = randomIntBetweenMin(0, tosses);
        outcomes = rounded(std::pow(2.0, tosses));
        // Longer series take longer to count; the generator keeps these times from now on.
        setReadTime(6);
        setTotalTime(20);
    }
    int tails = tosses - heads;
    std::string body = stringWithFormat(
        "<p>%s tosses a coin %d times. What is the probability of getting %d head%s and %d tail%s?</p>",
        name.c_str(), tosses, heads, heads == 1 ? "" : "s", tails, tails == 1 ? "" : "s");
    return questionWithOptions(
        testType, std::move(body),
        generateOptionsForFractionWithNumenator(combinationsForN(tosses, heads), outcomes));
}
