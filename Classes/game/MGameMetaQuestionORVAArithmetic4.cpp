#include "Classes/game/MGameMetaQuestionORVAArithmetic4.h"

MGameMetaQuestionORVAArithmetic4::MGameMetaQuestionORVAArithmetic4()
    : MGameMetaQuestion(400, 580, {"Arithmetic", "Properties of Integers", "Even/Odd"}, 1, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic4::generateForTestType(int testType,
                                                                                     int level) {
    float c = complexityForTestType(testType, level);
    setReadTime(1 + c);
    int odd = randomIntBetweenMin(0, 1);
    std::string body = stringWithFormat("<p>Is <i>x</i> an %s integer?</p><p><i>x = ", odd ? "odd" : "even");
    // Signs and exponents are only shown: neither changes the parity of the sum.
    int terms = rounded(static_cast<double>(5 * c) + 1.5) - 1;
    long long sum = 0;
    for (int i = 0; i < terms; ++i) {
        int t = randomIntBetweenMin(truncated(20 * c + 1), truncated(50 * c + 10));
        if (i == 0)
            body += std::to_string(t);
        else
            body += stringWithFormat(randomSign() > 0 ? " + %d" : " - %d", t);
        sum += t;
        if (static_cast<double>(randomFloat()) > 1.2 - 0.6 * static_cast<double>(c))
            body += stringWithFormat("<sup>%d</sup>", randomIntBetweenMin(2, 5));
    }
    body += "</i></p>";
    return yesNoQuestion(testType, std::move(body), sum % 2 == odd);
}
