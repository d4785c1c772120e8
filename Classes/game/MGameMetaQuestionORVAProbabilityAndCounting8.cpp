#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting8.h"

MGameMetaQuestionORVAProbabilityAndCounting8::MGameMetaQuestionORVAProbabilityAndCounting8()
    : MGameMetaQuestion(650, 800, {"Probability and Counting"}, 5, 20) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting8::generateForTestType(int testType,
                                                                                                 int) {
    int n = randomIntBetweenMin(3, 5);
    bool lines = randomBOOL();
    std::string body =
        lines ? stringWithFormat(
                    "<p>If %d lines are drawn in a plane such that no two of them are parallel and "
                    "no three are concurrent, then in how many points do they intersect?</p>",
                    n)
              : stringWithFormat(
                    "<p>Every player out of %d chess players plays %s with each of his opponents. "
                    "How many games are to be played?</p>",
                    n, "once");
    // Either way, one for every pair.
    int right = n * (n - 1) / 2;
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(right, right / 2, 2 * right));
}
