#pragma once
// The base of every maths-game question generator. A generator carries a label that says which
// target test scores it serves (its band) and under which topic it is found; asked for a question at
// a target score, it places the score in its band as a complexity from 0 to 1 and grows its numbers
// with it. The base supplies what generators build their questions from: random draws, the four
// answer options with their distractors, names, colours, primes, fractions and counting.

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Object.h"

class MGameQuestion;
class MGameRandom;
class MGameTestLabel;

class MGameMetaQuestion : public fnd::Object {
  public:
    using Labels = std::vector<std::shared_ptr<MGameTestLabel>>;
    using Strings = std::vector<std::string>;

    explicit MGameMetaQuestion(Labels testLabels);

    // The last label of the given test type; null when there is none.
    std::shared_ptr<MGameTestLabel> testLabelForTestType(int testType) const;
    // Where a target level lies in the label's band: 0 at or below level_min, 1 at or above level_max.
    float complexityForTestType(int testType, int level) const;
    // A new question for the target level; the base makes none.
    virtual std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level);

    const Labels& testLabels() const { return testLabels_; }
    void setTestLabels(Labels labels) { testLabels_ = std::move(labels); }
    // Answers within the read time earn the full score; the question expires after the total time.
    double readTime() const { return readTime_; }
    double totalTime() const { return totalTime_; }

    // The source of every draw; the process's random numbers unless another is set.
    const std::shared_ptr<MGameRandom>& random() const { return random_; }
    void setRandom(std::shared_ptr<MGameRandom> random);

    // Random draws.
    int randomIntBetweenMin(int min, int max);
    float randomFloat();
    int randomSign();
    bool randomBOOL();
    // Yes when a fresh randomFloat is at most p.
    bool randomBOOLWithProbability(float p);

    // Answer options: four texts, the right one first. Distractors are distinct from the right
    // answer and from one another.
    // Distractors drawn from `from` to `to`.
    Strings generateOptionsForInt(int right, int from, int to);
    // Distractors a whole number of steps (1 to `steps`) of size `step` above or below the right one.
    Strings generateOptionsForIntMaxDeviationSteps(int right, int steps, int step);
    // Distractors that move the digits of a (not 0) by powers of ten, never below its last non-zero
    // digit.
    Strings generatePowOptionsForInt(int a);
    // f and three neighbours by powers of ten, written with up to six significant digits.
    Strings generatePowOptionsForFloat(float f);
    // n/d and three fractions over d whose numerators lie within 3 of n (of 3 when n is smaller).
    Strings generateOptionsForFractionWithNumenator(int n, int d);
    // The options of a probability u/v: the fraction is reduced, and one whose denominator is then
    // below 4 is written over twice that denominator, so that its wrong numerators spread wider.
    Strings generateOptionsForProbabilityWithNumenator(int u, int v);
    // Shuffles the options after the first.
    void randomizeOptionsOrder(Strings& options);
    // Puts a text before and after every option (a unit, a per cent sign).
    static void formatOptions(Strings& options, const std::string& before, const std::string& after);

    // First names and colours for word problems.
    Strings randomNameSetWithNumber(int n, bool maleNames, bool femaleNames);
    std::string randomMaleName();
    std::string randomFemaleName();
    std::string randomName();
    // A colour not in the list; none when every colour is in it.
    std::optional<std::string> randomColorNameExcluding(const Strings& excluded);
    std::string randomColorName();

    // Integer lists, primes and divisors. The prime operations know the primes below 100 only.
    std::vector<int> generateArrayOfIntWithMin(int min, int max, int numberOfMembers);
    static const std::vector<int>& primes();
    // A prime of the table within the bounds; 0 when there is none.
    int randomPrimeBetweenMin(int min, int max);
    // The prime factors up to 97 with their multiplicity, ascending.
    static std::vector<int> factorization(int a);
    static std::vector<int> differentPrimeFactors(int a);
    // The common prime factors up to 97; 1 when either number is below 2.
    static int GCDofA(int a, int b);
    static int LCMofA(int a, int b);

    // "1 1/2", "-3/4", "2": n/d in lowest terms, improper fractions as mixed numbers.
    static std::string stringForFractionWithNumenator(int n, int d);
    // "zero" to "nine", other numbers in digits.
    static std::string stringForDigit(int digit);
    static int factorial(int n);
    static int permutationsForN(int n, int k);
    static int combinationsForN(int n, int k);

  protected:
    // A generator with one label of the game's test type.
    MGameMetaQuestion(int levelMin, int levelMax, std::vector<std::string> tags, double readTime,
                      double totalTime);

    void setReadTime(double seconds) { readTime_ = seconds; }
    void setTotalTime(double seconds) { totalTime_ = seconds; }

    // The question from the options with the right one first: it moves to a random place.
    std::shared_ptr<MGameQuestion> questionWithOptions(int testType, std::string body, Strings options);
    // The variant (from 1) that a fresh waterfall of the given steps (x, y) chooses for complexity c.
    int variantForComplexity(float c, std::initializer_list<std::pair<float, float>> steps);
    // A question answered Yes or No; its last two buttons are "-".
    std::shared_ptr<MGameQuestion> yesNoQuestion(int testType, std::string body, bool yes);

    // printf-style text for question bodies.
    static std::string stringWithFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
    // A number cut toward zero, and one rounded with halves away from zero. Both take a float as it
    // is, so an expression keeps the precision it was computed in.
    static int truncated(double x) { return static_cast<int>(x); }
    static int rounded(double x);

  private:
    std::shared_ptr<MGameQuestion> makeQuestion(int testType, std::string body, Strings options, int right);

    Labels testLabels_;
    double readTime_ = 0;
    double totalTime_ = 0;
    std::shared_ptr<MGameRandom> random_;
};
