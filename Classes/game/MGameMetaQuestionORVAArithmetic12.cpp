#include "Classes/game/MGameMetaQuestionORVAArithmetic12.h"

MGameMetaQuestionORVAArithmetic12::MGameMetaQuestionORVAArithmetic12()
    : MGameMetaQuestion(620, 800, {"Arithmetic", "Properties of Integers", "Enumeration"}, 4, 20) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic12::generateForTestType(int testType,
                                                                                      int level) {
    float c = complexityForTestType(testType, level);
    bool less = randomBOOLWithProbability(static_cast<float>(1 - 0.6 * static_cast<double>(c)));
    int count = randomIntBetweenMin(truncated(39 * c + 10), truncated(69 * c + 10));
    int digit = randomIntBetweenMin(0, 9);
    int variant = variantForComplexity(c, {{-1, 1}, {0, 1.5f}, {0.25f, 2.5f}});

    // The `count` smallest two-digit integers, or the `count` largest.
    int right = 0;
    for (int i = 0; i < count; ++i) {
        int number = less ? 10 + i : 99 - i;
        int tens = number / 10;
        int units = number % 10;
        switch (variant) {
            case 1:
                right += tens == digit || units == digit;
                break;
            case 2:
                right += tens != units;
                break;
            case 3:
                right += tens % 2 == 1 && units % 2 == 1;
                break;
            default:
                right += tens % 2 == 0 && units % 2 == 0;
                break;
        }
    }

    std::string body = "<p>Of the two-digit positive integers ";
    body += less ? stringWithFormat("less than %d, how many have ", count + 10)
                 : stringWithFormat("greater than %d, how many have ", 99 - count);
    switch (variant) {
        case 1:
            body += stringWithFormat("at least one digit of %d?</p>", digit);
            break;
        case 2:
            body += "different digits?</p>";
            break;
        case 3:
            body += "two odd digits?</p>";
            break;
        default:
            body += "two even digits?</p>";
            break;
    }
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(right, 0, 2 * right + 3));
}
