#include "Classes/game/MGameMetaQuestionORVAPercents5.h"

#include <cmath>

MGameMetaQuestionORVAPercents5::MGameMetaQuestionORVAPercents5()
    : MGameMetaQuestion(620, 720, {"Percents"}, 3, 10) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAPercents5::generateForTestType(int testType, int level) {
    float c = complexityForTestType(testType, level);
    int a = randomIntBetweenMin(rounded(2.5 * c + 1), rounded(7.5 * c + 2));
    int b = randomIntBetweenMin(rounded(c + 1.0), rounded(c + 2.0));
    // A whole of 30 or 300 would give recurring decimals.
    if (b == 3) b = 5;
    int e = randomIntBetweenMin(1, rounded(2.9 * c + 1));
    int whole = static_cast<double>(randomFloat()) > 0.6 * c - 0.1 ? 10 * b : 100 * b;
    // The part is a float, as is the answer: both are written with "%g", which hides the float's
    // last bits.
    float part = static_cast<float>(a) * static_cast<float>(std::pow(10.0, -e));
    std::string body =
        stringWithFormat("<p><i>%g</i> is what percent of <i>%d</i>?</p>", static_cast<double>(part), whole);
    float right = part * 100 / static_cast<float>(whole);
    Strings options = generatePowOptionsForFloat(right);
    formatOptions(options, "", "%");
    return questionWithOptions(testType, std::move(body), std::move(options));
}
