#include "Classes/game/MGameMetaQuestionORVAArithmetic13.h"

#include <cmath>
#include <cstdint>

MGameMetaQuestionORVAArithmetic13::MGameMetaQuestionORVAArithmetic13()
    : MGameMetaQuestion(550, 800, {"Arithmetic", "Properties of Integers", "Aproximation"}, 5, 20) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAArithmetic13::generateForTestType(int testType,
                                                                                      int level) {
    float c = complexityForTestType(testType, level);
    int count = truncated(4 * c + 2);
    std::vector<int> factors;
    std::int64_t product = 1;
    for (int i = 0; i < count; ++i) {
        factors.push_back(randomIntBetweenMin(2, 30));
        product *= factors.back();
    }
    // One more factor brings the product's leading digits, m, near 10 or near 100.
    int e = truncated(std::log10(static_cast<double>(product)));
    auto m = static_cast<float>(static_cast<double>(product) / std::pow(10.0, e));
    int exponent;
    if (m < 5) {
        factors.push_back(rounded(10 / m));
        exponent = e + 1;
    } else {
        factors.push_back(rounded(100 / m));
        exponent = e + 2;
    }

    std::string body = "<p>The product of <br>";
    for (std::size_t i = 0; i < factors.size(); ++i) {
        if (i > 0) body += ", ";
        body += std::to_string(factors[i]);
    }
    body += "<br> is closest to which of the following powers of 10?</p>";
    Strings options = generateOptionsForIntMaxDeviationSteps(exponent, 2, 1);
    formatOptions(options, "10^", "");
    return questionWithOptions(testType, std::move(body), std::move(options));
}
