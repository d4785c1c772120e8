#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting6.h"

MGameMetaQuestionORVAProbabilityAndCounting6::MGameMetaQuestionORVAProbabilityAndCounting6()
    : MGameMetaQuestion(620, 750, {"Probability and Counting"}, 3, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting6::generateForTestType(int testType,
                                                                                                 int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{0.2f, 0.8f}});
    // A chance n/d in lowest terms, with d from 2 to 8; it may be 1.
    auto drawChance = [this](int& numerator, int& denominator) {
        int d = randomIntBetweenMin(2, 8);
        int n = randomIntBetweenMin(1, d);
        int g = GCDofA(d, n);
        numerator = n / g;
        denominator = d / g;
    };
    int a1, b1, a2, b2;
    drawChance(a1, b1);
    drawChance(a2, b2);
    bool firstPasses = variant == 2 && randomIntBetweenMin(0, 1) == 1;
    Strings names = randomNameSetWithNumber(2, true, true);
    std::string chance1 = stringForFractionWithNumenator(a1, b1);
    std::string chance2 = stringForFractionWithNumenator(a2, b2);

    std::string body;
    int favourable;
    if (variant == 1) {
        body = stringWithFormat(
            "<p>%s and %s will pass an exam with probabilites of %s and %s, respectively. What is the "
            "probability that %s and %s will pass the exam?</p>",
            names[0].c_str(), names[1].c_str(), chance1.c_str(), chance2.c_str(), names[0].c_str(),
            names[1].c_str());
        favourable = a1 * a2;
    } else {
        // The first name asked passes and the second fails.
        const std::string& passes = firstPasses ? names[0] : names[1];
        const std::string& fails = firstPasses ? names[1] : names[0];
        body = stringWithFormat(
            "<p>%s and %s will pass an exam with probabilites of %s and %s, respectively. What is the "
            "probability that %s, but not %s, will pass the exam?</p>",
            names[0].c_str(), names[1].c_str(), chance1.c_str(), chance2.c_str(), passes.c_str(),
            fails.c_str());
        favourable = firstPasses ? a1 * (b2 - a2) : (b1 - a1) * a2;
        setReadTime(5);
        setTotalTime(15);
    }
    return questionWithOptions(testType, std::move(body),
                               generateOptionsForProbabilityWithNumenator(favourable, b1 * b2));
}
