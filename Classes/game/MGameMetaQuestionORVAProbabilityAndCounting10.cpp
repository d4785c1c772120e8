#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting10.h"

MGameMetaQuestionORVAProbabilityAndCounting10::MGameMetaQuestionORVAProbabilityAndCounting10()
    : MGameMetaQuestion(700, 800, {"Probability and Counting"}, 5, 20) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting10::generateForTestType(
    int testType, int level) {
    float c = complexityForTestType(testType, level);
    int couples = randomIntBetweenMin(truncated(1.9 * c + 2), truncated(3.9 * c + 2));
    int people = 2;
    if (randomBOOLWithProbability(static_cast<float>(1.9 * c - 0.3))) {
        people = couples - randomIntBetweenMin(1, 2);
        if (people < 2) people = 2;
    }
    std::string body = stringWithFormat(
        "<p>In how many ways %d people can be seleced out of %d married couples, "
        "if none of them are married to each other?</p>",
        people, couples);
    // Choose the couples, then one partner of each.
    int right = combinationsForN(couples, people) * (1 << people);
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(right, 1, 2 * right + 4));
}
