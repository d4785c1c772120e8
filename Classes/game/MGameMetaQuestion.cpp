#include "Classes/game/MGameMetaQuestion.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

#include "Classes/game/MGameProbabilityWaterfall.h"
#include "Classes/game/MGameQuestion.h"
#include "Classes/game/MGameRandom.h"
#include "Classes/game/MGameTestLabel.h"

namespace {

constexpr int kGameTestType = 1;

// A fair source finds a fresh distractor within a few draws; one that keeps repeating itself (a
// scripted source in a test) must not hold the game, so after this many failed draws the first
// fresh value of a fixed sequence is taken instead.
constexpr int kMaxRedraws = 1000;

int drawFresh(const std::function<int()>& draw, const std::function<bool(int)>& fresh,
              const std::function<int(int)>& candidate) {
    for (int i = 0; i < kMaxRedraws; ++i) {
        int value = draw();
        if (fresh(value)) return value;
    }
    int i = 0;
    while (!fresh(candidate(i)) && i < kMaxRedraws) ++i;
    return candidate(i);
}

// Three values of [from, to] that differ from `right` and from one another, each drawn until it
// does; past the draws, the range's values in order and then those above it.
std::vector<int> distinctFromRange(MGameMetaQuestion& q, int right, int from, int to) {
    std::vector<int> chosen{right};
    for (int k = 0; k < 3; ++k) {
        auto fresh = [&chosen](int v) { return std::find(chosen.begin(), chosen.end(), v) == chosen.end(); };
        chosen.push_back(drawFresh([&] { return q.randomIntBetweenMin(from, to); }, fresh,
                                   [from](int i) { return from + i; }));
    }
    return chosen;
}

MGameMetaQuestion::Strings texts(const std::vector<int>& values) {
    MGameMetaQuestion::Strings strings;
    for (int v : values) strings.push_back(std::to_string(v));
    return strings;
}

long long powerOfTen(int k) { return std::llround(std::pow(10.0, k)); }

const char* const kMaleNames[] = {
    "James",   "Christopher", "Ronald", "John",    "Daniel", "Anthony", "Robert", "Paul",   "Kevin",
    "Michael", "Mark",        "Jason",  "William", "Donald", "Jeff",    "David",  "George", "Richard",
    "Kenneth", "Charles",     "Steven", "Joseph",  "Edward", "Thomas",  "Brian"};
const char* const kFemaleNames[] = {
    "Mary",    "Lisa",  "Michelle", "Patricia",  "Nancy", "Laura",   "Linda",    "Karen",  "Sarah",
    "Barbara", "Betty", "Kimberly", "Elizabeth", "Helen", "Deborah", "Jennifer", "Sandra", "Maria",
    "Donna",   "Susan", "Carol",    "Margaret",  "Ruth",  "Dorothy", "Sharon"};
const char* const kColorNames[] = {"white",  "pink", "red",   "orange", "brown",
                                   "yellow", "gray", "green", "blue",   "black"};
const char* const kDigitWords[] = {"zero", "one", "two",   "three", "four",
                                   "five", "six", "seven", "eight", "nine"};

}  // namespace

MGameMetaQuestion::MGameMetaQuestion(Labels testLabels)
    : testLabels_(std::move(testLabels)), random_(MGameRandom::system()) {}

MGameMetaQuestion::MGameMetaQuestion(int levelMin, int levelMax, std::vector<std::string> tags,
                                     double readTime, double totalTime)
    : MGameMetaQuestion(
          Labels{std::make_shared<MGameTestLabel>(kGameTestType, levelMin, levelMax, std::move(tags))}) {
    readTime_ = readTime;
    totalTime_ = totalTime;
}

std::shared_ptr<MGameTestLabel> MGameMetaQuestion::testLabelForTestType(int testType) const {
    for (auto it = testLabels_.rbegin(); it != testLabels_.rend(); ++it)
        if (*it && (*it)->testType() == testType) return *it;
    return nullptr;
}

float MGameMetaQuestion::complexityForTestType(int testType, int level) const {
    auto label = testLabelForTestType(testType);
    if (!label) return 0;
    int min = label->level_min();
    int max = label->level_max();
    // A band of one score has no inside: below or at it is the easy end, above it the hard one.
    if (max <= min) return level > min ? 1.0f : 0.0f;
    float c = static_cast<float>(level - min) / static_cast<float>(max - min);
    if (c < 0) return 0;
    if (c > 1) return 1;
    return c;
}

std::shared_ptr<MGameQuestion> MGameMetaQuestion::generateForTestType(int, int) { return nullptr; }

void MGameMetaQuestion::setRandom(std::shared_ptr<MGameRandom> random) {
    random_ = random ? std::move(random) : MGameRandom::system();
}

int MGameMetaQuestion::randomIntBetweenMin(int min, int max) { return random_->intBetween(min, max); }

float MGameMetaQuestion::randomFloat() { return random_->unitFloat(); }

int MGameMetaQuestion::randomSign() { return 2 * randomIntBetweenMin(0, 1) - 1; }

bool MGameMetaQuestion::randomBOOL() { return randomIntBetweenMin(0, 1) != 0; }

bool MGameMetaQuestion::randomBOOLWithProbability(float p) { return randomFloat() <= p; }

MGameMetaQuestion::Strings MGameMetaQuestion::generateOptionsForInt(int right, int from, int to) {
    return texts(distinctFromRange(*this, right, from, to));
}

MGameMetaQuestion::Strings MGameMetaQuestion::generateOptionsForIntMaxDeviationSteps(int right, int steps,
                                                                                     int step) {
    std::vector<int> chosen{right};
    for (int k = 0; k < 3; ++k) {
        auto deviation = [&] {
            int sign = randomIntBetweenMin(0, 1);
            int count = randomIntBetweenMin(0, steps);
            return step * count * (2 * sign - 1);
        };
        auto fresh = [&](int d) {
            return d != 0 && std::find(chosen.begin() + 1, chosen.end(), right + d) == chosen.end();
        };
        // Past the draws: one step up, one down, two up, two down, ...
        int unit = step != 0 ? step : 1;
        auto candidate = [unit](int i) { return unit * (i / 2 + 1) * (i % 2 == 0 ? 1 : -1); };
        chosen.push_back(right + drawFresh(deviation, fresh, candidate));
    }
    return texts(chosen);
}

MGameMetaQuestion::Strings MGameMetaQuestion::generatePowOptionsForInt(int a) {
    // Only up to three trailing zeros matter: the digits move by at most three places.
    int zeros = 0;
    while (zeros < 3 && a % powerOfTen(zeros + 1) == 0) ++zeros;
    int e = randomIntBetweenMin(0, zeros);
    long long b = a / powerOfTen(e);
    Strings options;
    for (int i = 0; i < 4; ++i) options.push_back(std::to_string(b * powerOfTen(i)));
    std::swap(options[0], options[e]);
    for (int k = 0; k < 2; ++k) {
        int i = randomIntBetweenMin(1, 3);
        int j = randomIntBetweenMin(1, 3);
        std::swap(options[i], options[j]);
    }
    return options;
}

MGameMetaQuestion::Strings MGameMetaQuestion::generatePowOptionsForFloat(float f) {
    int e = randomIntBetweenMin(0, 3);
    Strings options;
    for (int i = 0; i < 4; ++i) {
        auto value = static_cast<float>(static_cast<double>(f) / std::pow(10.0, i - e));
        options.push_back(stringWithFormat("%g", static_cast<double>(value)));
    }
    std::swap(options[0], options[e]);
    randomizeOptionsOrder(options);
    return options;
}

MGameMetaQuestion::Strings MGameMetaQuestion::generateOptionsForFractionWithNumenator(int n, int d) {
    int centre = n > 3 ? n : 3;
    Strings options;
    for (int numerator : distinctFromRange(*this, n, centre - 3, centre + 3))
        options.push_back(stringForFractionWithNumenator(numerator, d));
    return options;
}

MGameMetaQuestion::Strings MGameMetaQuestion::generateOptionsForProbabilityWithNumenator(int u, int v) {
    int g = GCDofA(v, u);
    u /= g;
    v /= g;
    if (v < 4) {
        u *= 2;
        v *= 2;
    }
    return generateOptionsForFractionWithNumenator(u, v);
}

void MGameMetaQuestion::randomizeOptionsOrder(Strings& options) {
    for (int k = 0; k < 4; ++k) {
        std::size_t i = randomIntBetweenMin(1, 3);
        std::size_t j = randomIntBetweenMin(1, 3);
        if (i < options.size() && j < options.size()) std::swap(options[i], options[j]);
    }
}

void MGameMetaQuestion::formatOptions(Strings& options, const std::string& before, const std::string& after) {
    for (auto& option : options) option = before + option + after;
}

MGameMetaQuestion::Strings MGameMetaQuestion::randomNameSetWithNumber(int n, bool maleNames,
                                                                      bool femaleNames) {
    Strings pool;
    if (maleNames) pool.insert(pool.end(), std::begin(kMaleNames), std::end(kMaleNames));
    if (femaleNames) pool.insert(pool.end(), std::begin(kFemaleNames), std::end(kFemaleNames));
    while (!pool.empty() && static_cast<long long>(pool.size()) > n)
        pool.erase(pool.begin() + randomIntBetweenMin(0, static_cast<int>(pool.size()) - 1));
    if (n >= 2 && !pool.empty())
        for (int k = 0; k < n - 1; ++k) {
            int last = static_cast<int>(pool.size()) - 1;
            int i = randomIntBetweenMin(0, last);
            int j = randomIntBetweenMin(0, last);
            std::swap(pool[i], pool[j]);
        }
    return pool;
}

std::string MGameMetaQuestion::randomMaleName() { return randomNameSetWithNumber(1, true, false).back(); }

std::string MGameMetaQuestion::randomFemaleName() { return randomNameSetWithNumber(1, false, true).back(); }

std::string MGameMetaQuestion::randomName() { return randomNameSetWithNumber(1, true, true).back(); }

std::optional<std::string> MGameMetaQuestion::randomColorNameExcluding(const Strings& excluded) {
    Strings colors;
    for (const char* color : kColorNames)
        if (std::find(excluded.begin(), excluded.end(), color) == excluded.end()) colors.push_back(color);
    if (colors.empty()) return std::nullopt;
    return colors[randomIntBetweenMin(0, static_cast<int>(colors.size()) - 1)];
}

std::string MGameMetaQuestion::randomColorName() { return *randomColorNameExcluding({}); }

std::vector<int> MGameMetaQuestion::generateArrayOfIntWithMin(int min, int max, int numberOfMembers) {
    std::vector<int> values;
    for (int i = 0; i < numberOfMembers; ++i) values.push_back(randomIntBetweenMin(min, max));
    return values;
}

const std::vector<int>& MGameMetaQuestion::primes() {
    static const std::vector<int> table{2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                                        43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};
    return table;
}

int MGameMetaQuestion::randomPrimeBetweenMin(int min, int max) {
    std::vector<int> found;
    for (int p : primes())
        if (p >= min && p <= max) found.push_back(p);
    if (found.empty()) return 0;
    return found[randomIntBetweenMin(0, static_cast<int>(found.size()) - 1)];
}

std::vector<int> MGameMetaQuestion::factorization(int a) {
    std::vector<int> factors;
    for (int p : primes())
        while (a >= 2 && a % p == 0) {
            factors.push_back(p);
            a /= p;
        }
    return factors;
}

std::vector<int> MGameMetaQuestion::differentPrimeFactors(int a) {
    std::vector<int> factors = factorization(a);
    factors.erase(std::unique(factors.begin(), factors.end()), factors.end());
    return factors;
}

int MGameMetaQuestion::GCDofA(int a, int b) {
    int g = 1;
    for (int p : primes())
        while (a >= 2 && b >= 2 && a % p == 0 && b % p == 0) {
            a /= p;
            b /= p;
            g *= p;
        }
    return g;
}

int MGameMetaQuestion::LCMofA(int a, int b) {
    return static_cast<int>(static_cast<std::int64_t>(a) * b / GCDofA(a, b));
}

std::string MGameMetaQuestion::stringForFractionWithNumenator(int n, int d) {
    if (n == 0) return "0";
    if (d == 0) return std::to_string(n) + "/0";
    std::int64_t num = std::llabs(n);
    std::int64_t den = std::llabs(d);
    int g = GCDofA(static_cast<int>(std::min<std::int64_t>(num, INT32_MAX)),
                   static_cast<int>(std::min<std::int64_t>(den, INT32_MAX)));
    std::string text = (n < 0) != (d < 0) ? "-" : "";
    if (num >= den) {
        std::int64_t whole = num / den;
        std::int64_t rest = num - whole * den;
        text += std::to_string(whole);
        if (rest != 0) text += " " + std::to_string(rest / g) + "/" + std::to_string(den / g);
    } else {
        text += std::to_string(num / g) + "/" + std::to_string(den / g);
    }
    return text;
}

std::string MGameMetaQuestion::stringForDigit(int digit) {
    if (digit >= 0 && digit <= 9) return kDigitWords[digit];
    return std::to_string(digit);
}

int MGameMetaQuestion::factorial(int n) {
    std::uint32_t product = 1;
    for (int i = 2; i <= n; ++i) product *= static_cast<std::uint32_t>(i);
    return static_cast<int>(product);
}

int MGameMetaQuestion::permutationsForN(int n, int k) {
    std::uint32_t product = 1;
    for (int i = 0; i < k; ++i) product *= static_cast<std::uint32_t>(n - i);
    return static_cast<int>(product);
}

int MGameMetaQuestion::combinationsForN(int n, int k) {
    if (k < 0 || k > n) return 0;
    int m = std::max(n - k, k);
    std::uint32_t a = 1;
    for (int i = n; i > m; --i) a *= static_cast<std::uint32_t>(i);
    for (int j = n - m; j >= 2; --j) a /= static_cast<std::uint32_t>(j);
    return static_cast<int>(a);
}

std::shared_ptr<MGameQuestion> MGameMetaQuestion::questionWithOptions(int testType, std::string body,
                                                                      Strings options) {
    int r = randomIntBetweenMin(0, 3);
    std::swap(options[0], options[r]);
    return makeQuestion(testType, std::move(body), std::move(options), r);
}

int MGameMetaQuestion::variantForComplexity(float c, std::initializer_list<std::pair<float, float>> steps) {
    MGameProbabilityWaterfall waterfall(random_);
    for (const auto& [x, y] : steps) waterfall.addIntervalX(x, y);
    return waterfall.numberForComplexity(c);
}

std::shared_ptr<MGameQuestion> MGameMetaQuestion::yesNoQuestion(int testType, std::string body, bool yes) {
    return makeQuestion(testType, std::move(body), {"Yes", "No", "-", "-"}, yes ? 0 : 1);
}

std::shared_ptr<MGameQuestion> MGameMetaQuestion::makeQuestion(int testType, std::string body,
                                                               Strings options, int right) {
    auto label = testLabelForTestType(testType);
    return std::make_shared<MGameQuestion>(label ? label->tags() : Strings{}, std::move(body),
                                           std::move(options), right, readTime_, totalTime_);
}

int MGameMetaQuestion::rounded(double x) { return static_cast<int>(std::lround(x)); }

std::string MGameMetaQuestion::stringWithFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}
