#include "Classes/game/MGameMetaQuestionORVAArithmetic5.h"

MGameMetaQuestionORVAArithmetic5::MGameMetaQuestionORVAArithmetic5()
    : MGameMetaQuestion(300, 700, {"Arithmetic", "Properties of Integers", "Prime"}, 1, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic5::generateForTestType(int testType,
                                                                                     int level) {
    float c = complexityForTestType(testType, level);
    bool prime = randomBOOL();
    int n;
    if (prime) {
        n = randomPrimeBetweenMin(truncated(50 * c + 2), truncated(90 * c + 9));
    } else {
        int p = randomPrimeBetweenMin(truncated(17 * c + 2), truncated(26 * c + 5));
        n = p * randomPrimeBetweenMin(2, 3);
    }
    std::string body = stringWithFormat("<p>Is <i>%d</i> a prime number?</p>", n);
    return yesNoQuestion(testType, std::move(body), prime);
}
