#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting4.h"

MGameMetaQuestionORVAProbabilityAndCounting4::MGameMetaQuestionORVAProbabilityAndCounting4()
    : MGameMetaQuestion(650, 800, {"Probability and Counting"}, 6, 20) {}

namespace {
std::string setText(const char* name, const std::vector<int>& members) {
    std::string text = std::string("<p><i>") + name + " = {";
    for (std::size_t i = 0; i < members.size(); ++i) text += (i ? ", " : "") + std::to_string(members[i]);
    return text + "}</i></p>";
}
}  // namespace

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting4::generateForTestType(int testType,
                                                                                                 int level) {
    float c = complexityForTestType(testType, level);
    int largest = truncated(4 * c + 2);
    std::vector<int> a = generateArrayOfIntWithMin(1, largest, truncated(2.5 * c + 3));
    std::vector<int> b = generateArrayOfIntWithMin(1, largest, truncated(1.5 * c + 2));
    // The asked sum is one that occurs, so at least one pair gives it.
    int x = a[randomIntBetweenMin(1, static_cast<int>(a.size())) - 1];
    int y = b[randomIntBetweenMin(1, static_cast<int>(b.size())) - 1];
    int sum = x + y;
    int favourable = 0;
    for (int i : a)
        for (int j : b) favourable += i + j == sum;
    std::string body = stringWithFormat(
        "<p>X and Y is randomly selected from sets A and B, respectively. What is the probability that "
        "X + Y equals %d?</p>",
        sum);
    body += setText("A", a) + setText("B", b);
    return questionWithOptions(
        testType, std::move(body),
        generateOptionsForFractionWithNumenator(favourable, static_cast<int>(a.size() * b.size())));
}
