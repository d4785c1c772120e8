#include "Classes/game/MGameMetaQuestionORVAArithmetic3.h"

#include <cmath>

MGameMetaQuestionORVAArithmetic3::MGameMetaQuestionORVAArithmetic3()
    : MGameMetaQuestion(200, 600, {"Arithmetic", "Properties of Integers", "Divisibility"}, 0.5, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic3::generateForTestType(int testType,
                                                                                     int level) {
    float c = complexityForTestType(testType, level);
    int v = randomIntBetweenMin(0, 1);
    // The numbers grow slowly at first and fast near the top of the band.
    double q = std::pow(static_cast<double>(c), 4.0);
    int n;
    int d;
    if (c < 0.6) {
        n = randomIntBetweenMin(rounded(90 * q) + 9, rounded(980 * q) + 19);
        d = v == 0 ? 2 : 5;
    } else {
        n = randomIntBetweenMin(rounded(900 * q) + 99, rounded(9800 * q) + 199);
        d = v == 0 ? 3 : 9;
    }
    int no = randomIntBetweenMin(0, 1);
    n -= n % d;
    if (no == 1) n += randomIntBetweenMin(1, d - 1);
    std::string body = stringWithFormat("<p>Is <i>%d</i> divisible by <i>%d</i>?", n, d);
    return yesNoQuestion(testType, std::move(body), no == 0);
}
