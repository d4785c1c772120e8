#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting3.h"

#include <algorithm>

MGameMetaQuestionORVAProbabilityAndCounting3::MGameMetaQuestionORVAProbabilityAndCounting3()
    : MGameMetaQuestion(450, 600, {"Probability and Counting"}, 3, 12) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting3::generateForTestType(int testType,
                                                                                                 int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{0.2f, 1.2f}});
    int count = truncated(4 * c + 2);
    std::vector<int> members = generateArrayOfIntWithMin(1, truncated(5 * c + 2), count);

    std::string condition;
    int favourable;
    if (variant == 1) {
        // A value that is in the list, so it comes up at least once.
        int x = members[randomIntBetweenMin(1, count) - 1];
        condition = stringWithFormat("equals %d", x);
        favourable = static_cast<int>(std::count(members.begin(), members.end(), x));
    } else {
        bool even = randomBOOL();
        condition = even ? "is an even integer" : "is an odd integer";
        favourable = static_cast<int>(
            std::count_if(members.begin(), members.end(), [even](int m) { return (m % 2 == 0) == even; }));
    }
    std::string body = stringWithFormat(
        "<p> X is randomly selected from the list below. What is the probability that X %s?</p><p><i>",
        condition.c_str());
    for (std::size_t i = 0; i < members.size(); ++i) body += (i ? ", " : "") + std::to_string(members[i]);
    body += "</i></p>";
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForFractionWithNumenator(favourable, count));
}
