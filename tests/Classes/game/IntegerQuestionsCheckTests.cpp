// Thousands of questions from every integer generator at levels across (and beyond) its band, each
// checked against an answer worked out here from the question's own text.

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>
#include <sstream>

#include "Classes/game/MGameMetaQuestion.h"
#include "Classes/game/MGameMetaQuestionCollection.h"
#include "Classes/game/MGameQuestion.h"
#include "Classes/game/MGameRandom.h"
#include "Classes/game/MGameTestLabel.h"
#include "tests/Classes/game/QuestionText.h"
#include "tests/Classes/game/ScriptedDraws.h"

namespace {

using Strings = MGameQuestion::Strings;
using game_test::between;
using game_test::contains;
using game_test::Numbers;
using game_test::numbersIn;

bool isPrime(long long n) {
    if (n < 2) return false;
    for (long long d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return true;
}

int distinctPrimeFactors(long long n) {
    int count = 0;
    for (long long p = 2; p * p <= n; ++p)
        if (n % p == 0) {
            ++count;
            while (n % p == 0) n /= p;
        }
    return count + (n > 1 ? 1 : 0);
}

long long powMod(long long base, long long exponent, long long modulus) {
    long long result = 1 % modulus;
    base %= modulus;
    for (long long i = 0; i < exponent; ++i) result = result * base % modulus;
    return result;
}

// A sum of terms with optional powers, as "21 + 31<sup>3</sup> - 24", modulo 2.
long long parityOfSum(const std::string& expression) {
    std::string plain;
    for (std::size_t i = 0; i < expression.size();) {
        if (expression.compare(i, 5, "<sup>") == 0) {
            plain += '^';
            i += 5;
        } else if (expression.compare(i, 6, "</sup>") == 0) {
            i += 6;
        } else {
            plain += expression[i++];
        }
    }
    std::istringstream in(plain);
    std::string token;
    long long parity = 0;
    while (in >> token) {
        if (token == "+" || token == "-") continue;
        std::size_t caret = token.find('^');
        long long base = std::stoll(token.substr(0, caret));
        long long exponent = caret == std::string::npos ? 1 : std::stoll(token.substr(caret + 1));
        parity = (parity + powMod(base, exponent, 2)) % 2;
    }
    return parity;
}

// The right answer worked out from the body: a number, or a Yes (1) / No (0) for the questions asked
// that way. An empty text on success, else what is wrong.
struct Worked {
    bool yesNo = false;
    long long value = 0;
    std::string error;
};

Worked work(int generator, const std::string& body) {
    Worked w;
    Numbers n = numbersIn(body);
    auto need = [&](std::size_t count) {
        if (n.size() < count) w.error = "too few numbers";
        return n.size() >= count;
    };
    switch (generator) {
        case 1:
            if (need(2)) w.value = contains(body, " - ") ? n[0] - n[1] : n[0] + n[1];
            break;
        case 2:
            if (need(2)) w.value = n[0] * n[1];
            break;
        case 3:
            w.yesNo = true;
            if (need(2)) w.value = n[0] % n[1] == 0;
            if (n.size() == 2 && n[1] != 2 && n[1] != 3 && n[1] != 5 && n[1] != 9) w.error = "odd divisor";
            break;
        case 4: {
            w.yesNo = true;
            long long parity = parityOfSum(between(body, "x = ", "</i>"));
            w.value = parity == (contains(body, "an odd integer") ? 1 : 0);
            break;
        }
        case 5:
            w.yesNo = true;
            if (need(1)) w.value = isPrime(n[0]);
            break;
        case 6: {
            w.yesNo = true;
            std::string expression = between(body, "<p><i>", "</i></p>");
            long long a = std::stoll(expression);
            long long k =
                contains(expression, "<sup>") ? std::stoll(between(expression, "<sup>", "</sup>")) : 1;
            long long b = numbersIn(expression).back();
            bool minus = contains(expression, " - ");
            long long wanted = contains(body, "always an  odd") ? 1 : 0;
            bool always = true;
            for (long long m = -4; m <= 4; ++m) {
                long long value = a * static_cast<long long>(std::pow(m, k)) + (minus ? -b : b);
                if (((value % 2) + 2) % 2 != wanted) always = false;
            }
            w.value = always;
            break;
        }
        case 7:
            if (need(2)) w.value = contains(body, "GCD(") ? std::gcd(n[0], n[1]) : std::lcm(n[0], n[1]);
            break;
        case 8:
            if (need(1))
                for (long long d = 1; d <= n[0]; ++d) w.value += n[0] % d == 0;
            break;
        case 9:
            if (need(2))
                for (long long i = n[0]; i <= n[1]; ++i) ++w.value;
            break;
        case 10:
            if (need(3))
                for (long long i = n[0]; i <= n[1]; ++i) w.value += i % n[2] == 0;
            break;
        case 11:
            if (need(2)) w.value = n[0] % n[1];
            break;
        case 12: {
            bool less = contains(body, "less than");
            long long bound = std::stoll(between(body, less ? "less than " : "greater than ", ","));
            for (int i = 10; i <= 99; ++i) {
                if (less ? i >= bound : i <= bound) continue;
                int tens = i / 10, units = i % 10;
                if (contains(body, "at least one digit of")) {
                    int digit = static_cast<int>(numbersIn(between(body, "digit of ", "?")).at(0));
                    w.value += tens == digit || units == digit;
                } else if (contains(body, "different digits")) {
                    w.value += tens != units;
                } else if (contains(body, "two odd digits")) {
                    w.value += tens % 2 == 1 && units % 2 == 1;
                } else if (contains(body, "two even digits")) {
                    w.value += tens % 2 == 0 && units % 2 == 0;
                } else {
                    w.error = "unknown property";
                }
            }
            break;
        }
        case 13: {
            // The nearest power of ten on a logarithmic scale; it must be clearly nearest.
            double log = 0;
            for (long long factor : numbersIn(between(body, "<br>", "<br>")))
                log += std::log10(double(factor));
            w.value = std::llround(log);
            if (std::abs(log - double(w.value)) > 0.45) w.error = "no clearly nearest power";
            break;
        }
        case 14:
            if (need(2)) w.value = distinctPrimeFactors(n.back());  // after the "1" of "greater than 1"
            break;
        case 15: {
            // The base, its exponent and the divisor (1 when none); the quotient must be whole.
            if (!need(2)) break;
            long long divisor = contains(body, "</sup>/") ? n.at(2) : 1;
            long long power = powMod(n[0], n[1], 10 * divisor);
            if (power % divisor != 0) w.error = "the power is not a multiple of the divisor";
            w.value = power / divisor;
            break;
        }
        case 16: {
            w.yesNo = true;
            const Strings words{"zero", "one", "two",   "three", "four",
                                "five", "six", "seven", "eight", "nine"};
            std::string word = between(body, "at least ", " different");
            auto it = std::find(words.begin(), words.end(), word);
            if (it == words.end()) {
                w.error = "asked number " + word;
                break;
            }
            long long multiple = 1;
            for (long long d : numbersIn(between(body, " if ", "</p>"))) multiple = std::lcm(multiple, d);
            w.value = distinctPrimeFactors(multiple) >= it - words.begin();
            break;
        }
    }
    return w;
}

// Empty when the question is sound and its right option is the worked answer.
std::string check(int generator, const MGameQuestion& q) {
    Worked w = work(generator, q.body());
    if (!w.error.empty()) return w.error;
    const Strings& options = q.answerOptions();
    if (options.size() != 4) return "not four options";
    if (q.rightAnswer() < 0 || q.rightAnswer() > 3) return "right answer out of range";
    if (w.yesNo) {
        if (options != Strings{"Yes", "No", "-", "-"}) return "not a Yes/No question";
        if (q.rightAnswer() != (w.value ? 0 : 1)) return "wrong Yes/No";
        return {};
    }
    if (std::set<std::string>(options.begin(), options.end()).size() != 4) return "repeated options";
    std::string right = (generator == 13 ? "10^" : "") + std::to_string(w.value);
    if (std::count(options.begin(), options.end(), right) != 1)
        return "the answer " + right + " is not an option";
    if (options[q.rightAnswer()] != right) return "the right option is not " + right;
    return {};
}

class IntegerQuestionsCheckTest : public ::testing::Test {
  protected:
    // Every generator at levels from below its band to above it.
    void checkAll(const std::shared_ptr<MGameRandom>& random, int perLevel) {
        MGameMetaQuestionCollection collection(random);
        auto generators = collection.metaQuestionCollectionWithTag("Properties of Integers");
        for (std::size_t g = 0; g < generators.size(); ++g) {
            auto label = generators[g]->testLabelForTestType(1);
            int min = label->level_min(), max = label->level_max();
            std::vector<int> levels{min - 50, min, max, max + 50};
            for (int k = 1; k < 8; ++k) levels.push_back(min + (max - min) * k / 8);
            for (int level : levels) {
                for (int i = 0; i < perLevel; ++i) {
                    auto q = generators[g]->generateForTestType(1, level);
                    std::string error = check(static_cast<int>(g) + 1, *q);
                    if (!error.empty()) {
                        ADD_FAILURE() << "generator " << g + 1 << " at " << level << ": " << error << "\n"
                                      << q->body();
                        break;
                    }
                }
            }
        }
    }
};

TEST_F(IntegerQuestionsCheckTest, EveryQuestionHasOneRightOptionThatChecksOut) {
    checkAll(game_test::seededRandom(2024), 2000);
}

TEST_F(IntegerQuestionsCheckTest, SourcesThatRepeatThemselvesStillGiveSoundQuestions) {
    for (std::uint32_t stuck : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        SCOPED_TRACE(stuck);
        checkAll(std::make_shared<MGameRandom>([stuck] { return stuck; }), 1);
    }
}

}  // namespace
