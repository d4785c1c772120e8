#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting7.h"

MGameMetaQuestionORVAProbabilityAndCounting7::MGameMetaQuestionORVAProbabilityAndCounting7()
    : MGameMetaQuestion(580, 800, {"Probability and Counting"}, 3, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting7::generateForTestType(int testType,
                                                                                                 int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{0.2f, 0.5f}, {0.5f, 1.0f}});
    // The chance of asking for two colours at once; none below the middle of the band.
    auto twoColours = static_cast<float>(0.8 * c - 0.3);

    std::string body;
    int favourable;
    int total;
    if (variant == 1) {
        int h = truncated(7 * c + 2);
        int red = randomIntBetweenMin(1, h);
        int green = randomIntBetweenMin(1, h);
        bool askGreen = randomIntBetweenMin(0, 1) == 1;
        body = stringWithFormat(
            "<p>A bag contains %d red and %d green marbles. What is the probability that the marble "
            "selected at random will be %s?</p>",
            red, green, askGreen ? "green" : "red");
        favourable = askGreen ? green : red;
        total = red + green;
    } else if (variant == 2) {
        int h = truncated(5 * c + 2);
        int red = randomIntBetweenMin(1, h);
        int green = randomIntBetweenMin(1, h);
        int blue = randomIntBetweenMin(1, h);
        int which = randomIntBetweenMin(0, 2);
        bool two = randomBOOLWithProbability(twoColours);
        static const char* const kOne[] = {"red", "green", "blue"};
        static const char* const kTwo[] = {"green or blue", "red or blue", "red or green"};
        const int counts[] = {red, green, blue};
        body = stringWithFormat(
            "<p>A bag contains %d red, %d green, and %d blue marbles. What is the probability that the "
            "marble selected at random will be %s?</p>",
            red, green, blue, two ? kTwo[which] : kOne[which]);
        total = red + green + blue;
        // Two colours are every colour but the one named by `which`.
        favourable = two ? total - counts[which] : counts[which];
        setReadTime(5);
        setTotalTime(15);
    } else {
        int red = randomIntBetweenMin(2, truncated(2.9 * c + 2));
        int green = randomIntBetweenMin(2, truncated(1.9 * c + 2));
        bool askGreen = randomIntBetweenMin(0, 1) == 1;
        bool both = randomBOOLWithProbability(twoColours);
        body = stringWithFormat(
            "<p>A bag contains %d red and %d green marbles. What is the probability that 2 marbles "
            "selected at random will be %s?</p>",
            red, green,
            both       ? "red and green"
            : askGreen ? "green"
                       : "red");
        // Ordered draws without putting back.
        favourable = both ? 2 * red * green : askGreen ? green * (green - 1) : red * (red - 1);
        total = (red + green) * (red + green - 1);
        setReadTime(6);
        setTotalTime(17);
    }
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForProbabilityWithNumenator(favourable, total));
}
