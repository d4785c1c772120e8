#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting11.h"

namespace {
// A property of a digit and how many first digits (1 to 9) and last digits (0 to 9) have it.
struct DigitProperty {
    std::string text;
    int firstDigits;
    int lastDigits;
};
}  // namespace

MGameMetaQuestionORVAProbabilityAndCounting11::MGameMetaQuestionORVAProbabilityAndCounting11()
    : MGameMetaQuestion(680, 800, {"Probability and Counting"}, 4, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting11::generateForTestType(
    int testType, int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{-0.6f, 0.7f}, {0.5f, 0.7f}});

    // The table is drawn anew for every question, its bounds in this order.
    std::vector<DigitProperty> table{{"even", 4, 5}, {"odd", 5, 5}, {"a prime number", 4, 4}};
    int t = randomIntBetweenMin(2, 8);
    table.push_back({stringWithFormat("less than %d", t), t - 1, t});
    int u = randomIntBetweenMin(2, 8);
    table.push_back({stringWithFormat("greater than %d", u), 9 - u, 9 - u});
    int d = randomIntBetweenMin(2, 9);
    // Among the digits 0 to 9: 0 and every multiple of d; 0 cannot come first.
    int multiples = 9 / d + 1;
    table.push_back({stringWithFormat("divisible by %d", d), multiples - 1, multiples});
    int e = randomIntBetweenMin(1, 9);
    table.push_back({stringWithFormat("%d", e), 1, 1});

    int i = randomIntBetweenMin(1, 7);
    int j = randomIntBetweenMin(1, 7);
    // A second property never repeats the first: the next entry is taken instead.
    if (j == i) j = i % 7 + 1;
    const DigitProperty& first = table[i - 1];
    const DigitProperty& second = table[j - 1];

    std::string body;
    int right;
    if (variant == 1) {
        body = stringWithFormat("<p>How many 2-digit numbers can be created if the first digit is %s?</p>",
                                first.text.c_str());
        right = first.firstDigits * 10;
    } else if (variant == 2) {
        body = stringWithFormat("<p>How many 2-digit numbers can be created if the last digit is %s?</p>",
                                first.text.c_str());
        right = first.lastDigits * 9;
    } else {
        body = stringWithFormat(
            "<p>How many 2-digit numbers can be created if the first digit is %s and the "
            "last digit is %s?</p>",
            first.text.c_str(), second.text.c_str());
        right = first.firstDigits * second.lastDigits;
        setReadTime(6);
        setTotalTime(20);
    }
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(right, 1, 2 * right + 4));
}
