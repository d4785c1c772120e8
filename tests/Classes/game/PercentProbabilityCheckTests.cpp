// Thousands of questions from every percent and probability generator at levels across (and beyond)
// its band, each checked against an answer worked out here from the question's own text: percents by
// arithmetic, chances and counts by listing the outcomes, routes by following the drawn roads.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
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

using game_test::between;
using game_test::contains;
using game_test::Numbers;
using game_test::numbersIn;
using Strings = MGameQuestion::Strings;

struct Rational {
    long long n = 0;
    long long d = 1;
    static Rational of(long long n, long long d) {
        long long g = std::gcd(n, d);
        if (g == 0) g = 1;
        if (d < 0) g = -g;
        return {n / g, d / g};
    }
    bool operator==(const Rational&) const = default;
};

// "1 1/2", "-3/4", "2", "0"; nullopt for anything else.
std::optional<Rational> parseFraction(const std::string& text) {
    std::istringstream in(text);
    bool negative = text.rfind('-', 0) == 0;
    if (negative) in.get();
    long long whole = 0, n = 0, d = 1;
    char slash = 0;
    std::string first, second;
    in >> first >> second;
    auto split = [&](const std::string& part) {
        std::istringstream p(part);
        return p >> n >> slash >> d && slash == '/' && p.eof() && d > 0;
    };
    if (second.empty()) {
        if (first.find('/') == std::string::npos) {
            if (first.empty() || !std::all_of(first.begin(), first.end(), ::isdigit)) return std::nullopt;
            whole = std::stoll(first);
        } else if (!split(first)) {
            return std::nullopt;
        }
    } else {
        if (!std::all_of(first.begin(), first.end(), ::isdigit) || !split(second) || n >= d)
            return std::nullopt;
        whole = std::stoll(first);
    }
    Rational r = Rational::of(whole * d + n, d);
    if (negative) r.n = -r.n;
    return r;
}

// The right answer worked out from a body: a whole number, a fraction or a decimal, written with a
// prefix and a suffix.
struct Worked {
    enum Kind { Whole, Fraction, Decimal } kind = Whole;
    long long value = 0;
    Rational fraction;
    double decimal = 0;
    std::string prefix, suffix;
    std::string error;

    bool matches(const std::string& option) const {
        if (option.size() < prefix.size() + suffix.size() || option.rfind(prefix, 0) != 0 ||
            option.compare(option.size() - suffix.size(), suffix.size(), suffix) != 0)
            return false;
        std::string core = option.substr(prefix.size(), option.size() - prefix.size() - suffix.size());
        if (kind == Whole) return core == std::to_string(value);
        if (kind == Fraction) return parseFraction(core) == fraction;
        return std::abs(std::stod(core) - decimal) <= 1e-5 * std::abs(decimal);
    }
};

Worked whole(long long value, std::string prefix = "", std::string suffix = "") {
    Worked w;
    w.value = value;
    w.prefix = std::move(prefix);
    w.suffix = std::move(suffix);
    return w;
}

Worked chance(long long favourable, long long outcomes) {
    Worked w;
    w.kind = Worked::Fraction;
    w.fraction = Rational::of(favourable, outcomes);
    return w;
}

Worked failed(std::string error) {
    Worked w;
    w.error = std::move(error);
    return w;
}

// The distinct orders of a row of chips, counted one by one; `together` keeps the first colour in
// one block. Remembered, as the same rows come up again and again.
long long chipPatterns(const Numbers& counts, bool together) {
    static std::map<std::pair<Numbers, bool>, long long> known;
    auto key = std::make_pair(counts, together);
    if (auto it = known.find(key); it != known.end()) return it->second;
    std::string row;
    for (std::size_t i = 0; i < counts.size(); ++i) row += std::string(counts[i], static_cast<char>('a' + i));
    std::sort(row.begin(), row.end());
    long long patterns = 0;
    do {
        std::size_t first = row.find('a'), last = row.rfind('a');
        patterns += !together || row.find_first_not_of('a', first) > last;
    } while (std::next_permutation(row.begin(), row.end()));
    return known[key] = patterns;
}

// Whether a digit has a property as the questions word it.
std::optional<std::function<bool(int)>> digitProperty(const std::string& text) {
    if (text == "even") return [](int x) { return x % 2 == 0; };
    if (text == "odd") return [](int x) { return x % 2 == 1; };
    if (text == "a prime number") return [](int x) { return x == 2 || x == 3 || x == 5 || x == 7; };
    Numbers n = numbersIn(text);
    if (n.size() != 1) return std::nullopt;
    int k = static_cast<int>(n[0]);
    if (text.rfind("less than ", 0) == 0) return [k](int x) { return x < k; };
    if (text.rfind("greater than ", 0) == 0) return [k](int x) { return x > k; };
    if (text.rfind("divisible by ", 0) == 0) return [k](int x) { return x % k == 0; };
    if (text == std::to_string(k)) return [k](int x) { return x == k; };
    return std::nullopt;
}

// The routes from A to C on the map that the question's script draws: every road drawn along or
// between points of the town line (a line, or an arc given by centre, radius and angles) joins its
// two ends, and a route follows roads from the left end to the right one.
Worked routes(const std::string& body) {
    std::string script = between(body, "window.onload", "</script>");
    std::map<long long, std::vector<long long>> roadsFrom;  // x in tenths of a point
    auto onLine = [](double y) { return std::abs(y - 50) < 0.05; };
    auto key = [](double x) { return std::llround(x * 10); };
    double cx = 0, cy = 0;
    std::istringstream statements(script);
    std::string s;
    int arcs = 0;
    while (std::getline(statements, s, ';')) {
        auto args = [&](const char* name) {
            std::vector<double> values;
            std::string inside = between(s, std::string(name) + "(", ")");
            std::istringstream in(inside);
            std::string v;
            while (std::getline(in, v, ','))
                values.push_back(v.find("true") != std::string::npos    ? 1
                                 : v.find("false") != std::string::npos ? 0
                                                                        : std::stod(v));
            return values;
        };
        auto join = [&](double x0, double y0, double x1, double y1) {
            if (onLine(y0) && onLine(y1) && key(x0) != key(x1))
                roadsFrom[std::min(key(x0), key(x1))].push_back(std::max(key(x0), key(x1)));
        };
        if (contains(s, "ctx.moveTo(")) {
            auto v = args("ctx.moveTo");
            cx = v.at(0), cy = v.at(1);
        } else if (contains(s, "ctx.lineTo(")) {
            auto v = args("ctx.lineTo");
            join(cx, cy, v.at(0), v.at(1));
            cx = v.at(0), cy = v.at(1);
        } else if (contains(s, "ctx.arc(")) {
            auto v = args("ctx.arc");
            if (v.size() != 6) return failed("an arc without six arguments");
            double x0 = v[0] + v[2] * std::cos(v[3]), y0 = v[1] + v[2] * std::sin(v[3]);
            double x1 = v[0] + v[2] * std::cos(v[4]), y1 = v[1] + v[2] * std::sin(v[4]);
            join(x0, y0, x1, y1);
            cx = x1, cy = y1;
            ++arcs;
        }
    }
    if (roadsFrom.empty() || arcs == 0) return failed("no map drawn");
    std::map<long long, long long> ways;  // routes from the left end to each point
    ways[roadsFrom.begin()->first] = 1;
    long long right = roadsFrom.begin()->first;
    for (const auto& [from, ends] : roadsFrom)
        for (long long to : ends) {
            ways[to] += ways[from];
            right = std::max(right, to);
        }
    return whole(ways[right]);
}

Worked work(int generator, const std::string& body) {
    Numbers n = numbersIn(body);
    auto need = [&](std::size_t count) { return n.size() >= count; };
    if (generator <= 8 && !need(1)) return failed("no numbers");
    switch (generator) {
        case 1:
            if (!need(2) || n[0] * 100 % n[1]) return failed("no whole percent");
            return whole(n[0] * 100 / n[1], "", " %");
        case 2:
            if (!need(2) || n[0] * n[1] % 100) return failed("no whole answer");
            return whole(n[0] * n[1] / 100);
        case 3:
            if (!need(3) || n[0] * n[1] * n[2] % 10000) return failed("no whole answer");
            return whole(n[0] * n[1] * n[2] / 10000);
        case 4:
            if (!need(3) || n[0] * n[2] % (n[1] * 100)) return failed("no whole answer");
            return whole(n[0] * n[2] / (n[1] * 100));
        case 5: {
            Worked w;
            w.kind = Worked::Decimal;
            w.decimal = std::stod(between(body, "<p><i>", "</i>")) * 100 /
                        std::stod(between(body, "percent of <i>", "</i>"));
            w.suffix = "%";
            return w;
        }
        case 6: {
            long long sign = contains(body, "increased") ? 1 : -1;
            if (!need(2) || n[0] * (100 + sign * n[1]) % 100) return failed("no whole dollars");
            return whole(n[0] * (100 + sign * n[1]) / 100, "$");
        }
        case 7: {
            long long s1 = between(body, "investment ", " by") == "increased" ? 1 : -1;
            long long s2 = between(body, "year and ", " by") == "increased" ? 1 : -1;
            long long product = n.at(0) * (100 + s1 * n.at(1)) * (100 + s2 * n.at(2));
            if (product % 10000) return failed("no whole dollars");
            return whole(product / 10000, "$");
        }
        case 8:
            if (10000 % n[0]) return failed("no whole percent");
            return whole(10000 / n[0], "", " %");
        case 9: {  // coins
            if (contains(body, "tosses a coin once")) return chance(1, 2);
            if (!need(3) || n[1] + n[2] != n[0]) return failed("heads and tails do not add up");
            if (contains(body, n[1] == 1 ? " heads" : " head ") ||
                contains(body, n[2] == 1 ? " tails" : " tail?"))
                return failed("wrong plural");
            long long favourable = 0;
            for (long long toss = 0; toss < (1LL << n[0]); ++toss)
                favourable += std::popcount(static_cast<unsigned long long>(toss)) == n[1];
            return chance(favourable, 1LL << n[0]);
        }
        case 10: {  // dice
            std::string asked = between(body, "probability of getting ", "?</p>");
            auto event = [](const std::string& text) -> std::function<bool(int)> {
                if (text == "an even number") return [](int x) { return x % 2 == 0; };
                if (text == "an odd number") return [](int x) { return x % 2 == 1; };
                int k = std::stoi(text);
                return [k](int x) { return x == k; };
            };
            if (contains(body, "rolls a dice once")) {
                auto e = event(asked);
                int favourable = 0;
                for (int x = 1; x <= 6; ++x) favourable += e(x);
                return chance(favourable, 6);
            }
            auto first = event(between(asked, "", " first time and "));
            auto second = event(between(asked, " first time and ", " second time"));
            int favourable = 0;
            for (int x = 1; x <= 6; ++x)
                for (int y = 1; y <= 6; ++y) favourable += first(x) && second(y);
            return chance(favourable, 36);
        }
        case 11: {  // a member of a list
            Numbers members = numbersIn(between(body, "<p><i>", "</i></p>"));
            if (members.empty()) return failed("empty list");
            std::function<bool(long long)> holds;
            if (contains(body, "X equals ")) {
                long long x = numbersIn(between(body, "X equals ", "?")).at(0);
                holds = [x](long long m) { return m == x; };
            } else {
                bool even = contains(body, "is an even integer");
                holds = [even](long long m) { return (m % 2 == 0) == even; };
            }
            return chance(std::count_if(members.begin(), members.end(), holds),
                          static_cast<long long>(members.size()));
        }
        case 12: {  // a sum from two sets
            long long sum = numbersIn(between(body, "X + Y equals ", "?")).at(0);
            Numbers a = numbersIn(between(body, "A = {", "}")), b = numbersIn(between(body, "B = {", "}"));
            long long favourable = 0;
            for (long long x : a)
                for (long long y : b) favourable += x + y == sum;
            return chance(favourable, static_cast<long long>(a.size() * b.size()));
        }
        case 13: {  // factorials
            auto fall = [](long long from, long long count) {
                long long p = 1;
                for (long long i = 0; i < count; ++i) p *= from - i;
                return p;
            };
            if (contains(body, "!/")) return whole(fall(n.at(0), n.at(0) - n.at(1)));
            if (contains(body, "C(")) return whole(fall(n.at(0), n.at(1)) / fall(n.at(1), n.at(1)));
            if (contains(body, "P(")) return whole(fall(n.at(0), n.at(1)));
            return whole(fall(n.at(0), n.at(0)));
        }
        case 14: {  // two people and an exam
            std::string first = between(body, "<p>", " and "),
                        second = between(body, first + " and ", " will");
            auto p1 = parseFraction(between(body, "probabilites of ", " and "));
            auto p2 =
                parseFraction(between(body, between(body, "probabilites of ", " and ") + " and ", ", resp"));
            if (!p1 || !p2 || first == second) return failed("unreadable chances or names");
            std::map<std::string, Rational> of{{first, *p1}, {second, *p2}};
            if (contains(body, ", but ")) {
                std::string passes = between(body, "probability that ", ", but not ");
                std::string fails = between(body, ", but not ", ", will pass");
                if (!of.count(passes) || !of.count(fails) || passes == fails) return failed("unknown names");
                return chance(of[passes].n * (of[fails].d - of[fails].n), of[passes].d * of[fails].d);
            }
            if (!contains(body, "that " + first + " and " + second + " will pass"))
                return failed("other names");
            return chance(p1->n * p2->n, p1->d * p2->d);
        }
        case 15: {  // marbles
            Numbers counts = numbersIn(between(body, "contains ", " marbles"));
            const Strings colours{"red", "green", "blue"};
            std::vector<std::string> bag;
            for (std::size_t i = 0; i < counts.size(); ++i) bag.insert(bag.end(), counts[i], colours[i]);
            std::string asked = between(body, "will be ", "?</p>");
            long long favourable = 0, outcomes = 0;
            if (contains(body, "2 marbles")) {
                for (std::size_t i = 0; i < bag.size(); ++i)
                    for (std::size_t j = 0; j < bag.size(); ++j) {
                        if (i == j) continue;
                        ++outcomes;
                        favourable +=
                            asked == "red and green" ? bag[i] != bag[j] : bag[i] == asked && bag[j] == asked;
                    }
            } else {
                for (const auto& marble : bag) {
                    ++outcomes;
                    favourable += asked == marble || contains(asked, marble + " or ") ||
                                  contains(asked, " or " + marble);
                }
            }
            return chance(favourable, outcomes);
        }
        case 16: {  // pairs
            long long pairs = 0;
            for (long long i = 0; i < n.at(0); ++i)
                for (long long j = i + 1; j < n.at(0); ++j) ++pairs;
            return whole(pairs);
        }
        case 17:
            return whole(
                chipPatterns(numbersIn(between(body, "can ", " chips")), contains(body, "together")));
        case 18: {  // couples
            long long k = n.at(0), couples = n.at(1), ways = 0;
            for (long long chosen = 0; chosen < (1LL << (2 * couples)); ++chosen) {
                bool married = false;
                for (long long c = 0; c < couples; ++c) married |= ((chosen >> (2 * c)) & 3) == 3;
                ways += !married && std::popcount(static_cast<unsigned long long>(chosen)) == k;
            }
            return whole(ways);
        }
        case 19: {  // two-digit numbers
            bool both = contains(body, " and the last digit is ");
            std::string firstText = both ? between(body, "first digit is ", " and the last")
                                    : contains(body, "first digit is ")
                                        ? between(body, "first digit is ", "?</p>")
                                        : "";
            std::string lastText =
                contains(body, "last digit is ") ? between(body, "last digit is ", "?</p>") : "";
            auto first = digitProperty(firstText), last = digitProperty(lastText);
            if (!firstText.empty() && !first) return failed("unknown property " + firstText);
            if (!lastText.empty() && !last) return failed("unknown property " + lastText);
            if (both && firstText == lastText) return failed("the same property twice");
            long long count = 0;
            for (int x = 10; x <= 99; ++x)
                count += (!first || (*first)(x / 10)) && (!last || (*last)(x % 10));
            return whole(count);
        }
        case 20: {  // playlists
            long long lists = 0;
            for (long long chosen = 1; chosen < (1LL << n.at(0)); ++chosen) ++lists;
            return whole(lists);
        }
        case 21:
            return routes(body);
    }
    return failed("unknown generator");
}

// The times a question must carry: the generator's first ones, or those its harder variants write,
// which stay for its later questions.
struct Times {
    double read, total;
    bool operator==(const Times&) const = default;
};

std::optional<Times> timesWritten(int generator, const std::string& body) {
    switch (generator) {
        case 9:
            if (!contains(body, "once") && numbersIn(body).at(0) >= 3) return Times{6, 20};
            break;
        case 14:
            if (contains(body, ", but not ")) return Times{5, 15};
            break;
        case 15:
            if (contains(body, "blue marbles")) return Times{5, 15};
            if (contains(body, "2 marbles")) return Times{6, 17};
            break;
        case 17: {
            Numbers counts = numbersIn(between(body, "can ", " chips"));
            if (counts.size() == 3 || contains(body, "together") || std::min(counts[0], counts[1]) != 1)
                return Times{4, 15};
            break;
        }
        case 19:
            if (contains(body, " and the last digit")) return Times{6, 20};
            break;
    }
    return std::nullopt;
}

const Times kFirstTimes[] = {{0.5, 10}, {0.5, 10}, {1, 10}, {2, 10}, {3, 10}, {2, 10}, {4, 18},
                             {2, 10},   {3, 15},   {3, 15}, {3, 12}, {6, 20}, {3, 10}, {3, 10},
                             {3, 10},   {5, 20},   {2, 10}, {5, 20}, {4, 15}, {5, 15}, {3.5, 12}};

// Empty when the question is sound and its right option is the worked answer.
std::string check(int generator, const MGameQuestion& q, Times& times) {
    Worked w = work(generator, q.body());
    if (!w.error.empty()) return w.error;
    const Strings& options = q.answerOptions();
    if (options.size() != 4) return "not four options";
    if (q.rightAnswer() < 0 || q.rightAnswer() > 3) return "right answer out of range";
    if (std::count_if(options.begin(), options.end(), [&](const auto& o) { return w.matches(o); }) != 1)
        return "not exactly one option is the worked answer";
    if (!w.matches(options[q.rightAnswer()])) return "the right option is not the worked answer";
    // The two-year investment may repeat a wrong option; no other question may.
    if (generator != 7 && std::set<std::string>(options.begin(), options.end()).size() != 4)
        return "repeated options";
    if (auto written = timesWritten(generator, q.body())) times = *written;
    if (Times{q.readTime(), q.totalTime()} != times) return "unexpected times";
    Strings tags{generator <= 8 ? "Percents" : "Probability and Counting"};
    if (q.tags() != tags) return "wrong tags";
    return {};
}

class PercentProbabilityCheckTest : public ::testing::Test {
  protected:
    // Every generator at levels from below its band to above it, from a fresh collection.
    static void checkAll(const std::shared_ptr<MGameRandom>& random, int perLevel) {
        MGameMetaQuestionCollection collection(random);
        auto generators = collection.metaQuestionCollectionWithTag("Percents");
        auto probability = collection.metaQuestionCollectionWithTag("Probability and Counting");
        generators.insert(generators.end(), probability.begin(), probability.end());
        ASSERT_EQ(generators.size(), 21u);
        for (std::size_t g = 0; g < generators.size(); ++g) {
            auto label = generators[g]->testLabelForTestType(1);
            int min = label->level_min(), max = label->level_max();
            std::vector<int> levels{min - 50, min, max, max + 50};
            for (int k = 1; k < 8; ++k) levels.push_back(min + (max - min) * k / 8);
            Times times = kFirstTimes[g];
            bool failedOnce = false;
            for (int level : levels)
                for (int i = 0; i < perLevel && !failedOnce; ++i) {
                    auto q = generators[g]->generateForTestType(1, level);
                    std::string error = check(static_cast<int>(g) + 1, *q, times);
                    if (!error.empty()) {
                        ADD_FAILURE() << "generator " << g + 1 << " at " << level << ": " << error << "\n"
                                      << q->body() << "\n"
                                      << q->answerOptions()[0] << " | " << q->answerOptions()[1] << " | "
                                      << q->answerOptions()[2] << " | " << q->answerOptions()[3] << " right "
                                      << q->rightAnswer();
                        failedOnce = true;
                    }
                }
        }
    }
};

TEST_F(PercentProbabilityCheckTest, EveryQuestionHasOneRightOptionThatChecksOut) {
    checkAll(game_test::seededRandom(2025), 300);
}

TEST_F(PercentProbabilityCheckTest, SourcesThatRepeatThemselvesStillGiveSoundQuestions) {
    for (std::uint32_t stuck : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        SCOPED_TRACE(stuck);
        checkAll(std::make_shared<MGameRandom>([stuck] { return stuck; }), 1);
    }
}

}  // namespace
