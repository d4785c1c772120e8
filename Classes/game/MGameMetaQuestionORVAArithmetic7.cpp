#include "Classes/game/MGameMetaQuestionORVAArithmetic7.h"

MGameMetaQuestionORVAArithmetic7::MGameMetaQuestionORVAArithmetic7()
    : MGameMetaQuestion(500, 700, {"Arithmetic", "Properties of Integers", "LCM", "GCD"}, 0.5, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic7::generateForTestType(int testType,
                                                                                     int level) {
    float c = complexityForTestType(testType, level);
    setReadTime(0.5 + c);
    bool gcd = randomBOOL();
    int x = gcd ? randomIntBetweenMin(truncated(10 * c + 1), truncated(24 * c + 12))
                : randomIntBetweenMin(truncated(5 * c + 1), truncated(13 * c + 7));
    int y = randomIntBetweenMin(truncated(4 * c + 1), truncated(8 * c + 6));
    int a = x + 1;
    int b = y + 1;
    std::string body = "<p>Calculate ";
    body += gcd ? stringWithFormat("the greatest common divisor GCD(%d, %d)", a, b)
                : stringWithFormat("the least common multiple:</p><p><i>LCM(%d, %d)", a, b);
    body += "= </i></p>";
    int right = gcd ? GCDofA(a, b) : LCMofA(a, b);
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(right, 1, 2 * right + 3));
}
