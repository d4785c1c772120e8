#include "Classes/game/MGameMetaQuestionORVAPercents7.h"

MGameMetaQuestionORVAPercents7::MGameMetaQuestionORVAPercents7()
    : MGameMetaQuestion(700, 800, {"Percents"}, 4, 18) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAPercents7::generateForTestType(int testType, int level) {
    float c = complexityForTestType(testType, level);
    int h = truncated(1.9 * c + 1);
    int hundreds = randomIntBetweenMin(1, h);
    int p1 = randomIntBetweenMin(1, h);
    int p2 = randomIntBetweenMin(1, h);
    int s1 = randomSign();
    int s2 = randomSign();
    auto word = [](int sign) { return sign > 0 ? "increased" : "decreased"; };
    std::string body = stringWithFormat(
        "<p>$%d investment %s by %d%% during the first year and %s by %d%% during the second year. "
        "What the current value of the investment?",
        100 * hundreds, word(s1), 10 * p1, word(s2), 10 * p2);

    double investment = 100 * hundreds;
    int right = truncated(investment * ((100 + 10 * s1 * p1) / 100.0) * ((100 + 10 * s2 * p2) / 100.0));
    // The wrong answers are the mistakes a player makes: adding the two percents, taking the change
    // the wrong way round, or slipping by a few dollars. Two of them may coincide.
    int added = truncated(investment * ((100 + 10 * s1 * p1 + 10 * s2 * p2) / 100.0));
    int reversed = 200 * hundreds - right;
    int slipped = right + randomIntBetweenMin(6, 8);
    Strings options{std::to_string(right), std::to_string(added), std::to_string(reversed),
                    std::to_string(slipped)};
    randomizeOptionsOrder(options);
    formatOptions(options, "$", "");
    return questionWithOptions(testType, std::move(body), std::move(options));
}
