#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting9.h"

MGameMetaQuestionORVAProbabilityAndCounting9::MGameMetaQuestionORVAProbabilityAndCounting9()
    : MGameMetaQuestion(650, 750, {"Probability and Counting"}, 2, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting9::generateForTestType(int testType,
                                                                                                 int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{0.1f, 0.5f}, {0.3f, 0.8f}, {0.5f, 1.2f}});
    std::string col1 = randomColorName();
    std::string col2 = *randomColorNameExcluding({col1});
    std::string col3 = *randomColorNameExcluding({col1, col2});
    int most = truncated(6.9 * c + 3);

    // Chips of two colours, x of the first and y of the second.
    auto twoColours = [&](int x, int y) {
        return stringWithFormat(
            "<p>How many different color patterns can %d %s and %d %s chips form when "
            "arranged in a row?</p>",
            x, col1.c_str(), y, col2.c_str());
    };
    std::string body;
    int right;
    int a = randomIntBetweenMin(3, most);
    if (variant == 1 || variant == 4) {
        // Many chips of one colour and one (or two) of the other, either way round.
        int few = variant == 1 ? 1 : 2;
        bool manyFirst = randomBOOL();
        int x = manyFirst ? a : few;
        int y = manyFirst ? few : a;
        body = twoColours(x, y);
        right = combinationsForN(x + y, x);
    } else if (variant == 2) {
        body = stringWithFormat(
            "<p>How many different color patterns can %d %s, %d %s, and %d %s chips form "
            "when arranged in a row?</p>",
            1, col1.c_str(), 1, col2.c_str(), a, col3.c_str());
        right = combinationsForN(a + 2, 1) * combinationsForN(a + 1, 1);
    } else {
        int b = randomIntBetweenMin(3, most);
        body = stringWithFormat(
            "<p>How many different color patterns can %d %s and %d %s chips form when "
            "arranged in a row, so that all %s chips are together?</p>",
            a, col1.c_str(), b, col2.c_str(), col1.c_str());
        // The block of the first colour is one piece among the others.
        right = combinationsForN(b + 1, 1);
    }
    if (variant >= 2) {
        // The harder patterns take longer; the generator keeps these times from now on.
        setReadTime(4);
        setTotalTime(15);
    }
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForInt(right, right / 2, 2 * right + 4));
}
