#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting2.h"

MGameMetaQuestionORVAProbabilityAndCounting2::MGameMetaQuestionORVAProbabilityAndCounting2()
    : MGameMetaQuestion(400, 650, {"Probability and Counting"}, 3, 15) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting2::generateForTestType(int testType,
                                                                                                 int level) {
    float c = complexityForTestType(testType, level);
    std::string name = randomName();
    int variant = variantForComplexity(c, {{0.1f, 0.2f}, {0.3f, 0.7f}});

    // A roll's event is a number, which comes up once in six, or a parity, three times in six.
    int favourable = 1;
    auto event = [&](bool number, int value, bool even) {
        favourable *= number ? 1 : 3;
        return number ? stringWithFormat("%d", value)
                      : stringWithFormat("an %s number", even ? "even" : "odd");
    };
    // Of two rolls, each draws its parity even when its event is a number; it is then not used.
    auto drawnEvent = [&] {
        bool number = randomBOOL();
        int value = number ? randomIntBetweenMin(1, 6) : 0;
        bool even = randomBOOL();
        return event(number, value, even);
    };

    std::string body = stringWithFormat("<p>%s rolls a dice %s. What is the probability of getting ",
                                        name.c_str(), variant == 3 ? "twice" : "once");
    int outcomes = 6;
    if (variant == 1) {
        body += event(true, randomIntBetweenMin(1, 6), false);
    } else if (variant == 2) {
        body += event(false, 0, randomBOOL());
    } else {
        body += drawnEvent();
        body += " first time and ";
        body += drawnEvent();
        body += " second time";
        outcomes = 36;
    }
    body += "?</p>";
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForFractionWithNumenator(favourable, outcomes));
}
