#include "Classes/game/MGameMetaQuestionORVAArithmetic6.h"

MGameMetaQuestionORVAArithmetic6::MGameMetaQuestionORVAArithmetic6()
    : MGameMetaQuestion(500, 600, {"Arithmetic", "Properties of Integers", "Even/Odd"}, 1, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic6::generateForTestType(int testType,
                                                                                     int level) {
    float c = complexityForTestType(testType, level);
    setReadTime(2 + 2 * c);
    int odd = randomIntBetweenMin(0, 1);
    std::string body = stringWithFormat(
        "<p>If <i>m</m> is an integer, is the expression below always an  %s integer?</p><p><i>",
        odd ? "odd" : "even");
    int a = randomIntBetweenMin(truncated(8 * c + 2), truncated(30 * c + 3));
    int b = randomIntBetweenMin(truncated(8 * c + 2), truncated(30 * c + 3));
    body += stringWithFormat("%dm", a);
    if (static_cast<double>(randomFloat()) > 1.2 - 0.6 * static_cast<double>(c))
        body += stringWithFormat("<sup>%d</sup>", randomIntBetweenMin(2, 5));
    body += stringWithFormat(randomSign() > 0 ? " + %d" : " - %d", b);
    body += "</i></p>";
    // With an odd coefficient the parity follows m, so the expression is neither always odd nor
    // always even.
    return yesNoQuestion(testType, std::move(body), a % 2 == 0 && b % 2 == odd);
}
