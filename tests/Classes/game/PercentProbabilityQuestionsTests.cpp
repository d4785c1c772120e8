#include <gtest/gtest.h>

#include <map>

#include "Classes/game/MGameLevel.h"
#include "Classes/game/MGameMetaQuestionCollection.h"
#include "Classes/game/MGameMetaQuestionORVAPercents1.h"
#include "Classes/game/MGameMetaQuestionORVAPercents2.h"
#include "Classes/game/MGameMetaQuestionORVAPercents3.h"
#include "Classes/game/MGameMetaQuestionORVAPercents4.h"
#include "Classes/game/MGameMetaQuestionORVAPercents5.h"
#include "Classes/game/MGameMetaQuestionORVAPercents6.h"
#include "Classes/game/MGameMetaQuestionORVAPercents7.h"
#include "Classes/game/MGameMetaQuestionORVAPercents8.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting1.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting10.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting11.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting12.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting13.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting2.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting3.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting4.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting5.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting6.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting7.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting8.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting9.h"
#include "Classes/game/MGameQuestion.h"
#include "Classes/game/MGameTestLabel.h"
#include "Classes/game/MGameTopic.h"
#include "Classes/game/MGameTopics.h"
#include "tests/Classes/game/GeneratorCase.h"
#include "tests/Classes/game/QuestionText.h"
#include "tests/Classes/game/ScriptedDraws.h"

namespace {

using game_test::contains;
using game_test::ScriptedDraws;
using Strings = MGameQuestion::Strings;
using game_test::Draws;
using game_test::generate;
using game_test::make;
using Case = game_test::GeneratorCase;

constexpr std::uint32_t F(double f) { return static_cast<std::uint32_t>(f * 4294967296.0); }

// Draws joined in order; `zeros(n)` stands for n draws of 0, as a name is chosen by 49 of them (24
// for a name of one sex, 48 and a swap of two for a pair): with zeros the last names of the lists
// are left, "Sharon", "Brian", and "Dorothy" before "Sharon".
Draws zeros(int n) { return Draws(n, 0); }
Draws join(std::initializer_list<Draws> parts) {
    Draws all;
    for (const Draws& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Each case lists the draws in the order the generator asks for them (for R(a, b) the offset from a,
// for a chance the fraction) and the question they must give.
const std::vector<Case>& cases() {
    // clang-format off
    static const std::vector<Case> all = {
        {"part of a whole", make<MGameMetaQuestionORVAPercents1>(), 400,
         {1, 1, /* options */ 1, 2, 0, 1, 1, 4, /* place */ 2},
         "<p><i>40</i> is what percent of <i>200</i>?</p>",
         {"10 %", "40 %", "20 %", "60 %"}, 2, 0.5, 10},
        {"tens of percent of hundreds", make<MGameMetaQuestionORVAPercents2>(), 400,
         {F(0.5), 2, 3, 0, 4, 1, 1, 1, 3, 0},
         "<p>30% of 400 equals",
         {"120", "80", "130", "150"}, 0, 0.5, 10},
        {"fifties of percent of tens", make<MGameMetaQuestionORVAPercents2>(), 550,
         {F(0.5), 1, 5, 1, 1, 0, 2, /* no deviation: drawn again */ 1, 0, 1, 3, 3},
         "<p>250% of 80 equals",
         {"230", "210", "180", "200"}, 3, 0.5, 10},
        {"percent of a percent, whole times ten", make<MGameMetaQuestionORVAPercents3>(), 800,
         {1, 2, 2, F(0.25), /* options */ 1, 0, 2, 1, 1, /* place */ 1},
         "<p>30% of 50% of 4000 equals",
         {"60000", "600", "6000", "60"}, 1, 1, 10},
        {"tenths of a percent", make<MGameMetaQuestionORVAPercents4>(), 500,
         {2, 1, F(0.5), F(0.5), 0, 0, 0, 0, 0, 2},
         "<p>3/10 percent of 20000 equals",
         {"6000", "600", "60", "60000"}, 2, 2, 10},
        {"a decimal part, options in exponent form", make<MGameMetaQuestionORVAPercents5>(), 720,
         {3, 1, 3, F(0.75), /* options */ 0, 1, 2, 0, 0, 0, 0, 0, 0, /* place */ 1},
         "<p><i>0.0007</i> is what percent of <i>50</i>?</p>",
         {"0.00014%", "0.0014%", "1.4e-06%", "1.4e-05%"}, 1, 3, 10},
        {"a year's loss", make<MGameMetaQuestionORVAPercents6>(), 500,
         {1, 0, 0, 1, 1, 0, 3, 1, 2, 0},
         "<p>$200 investment decreased by 5% during the last year. What the current value of the investment?",
         {"$190", "$200", "$160", "$210"}, 0, 2, 10},
        {"two years, a repeated option", make<MGameMetaQuestionORVAPercents7>(), 800,
         {0, 1, 1, 1, 0, /* slip */ 2, /* shuffle */ 0, 1, 0, 0, 0, 0, 0, 0, /* place */ 2},
         "<p>$100 investment increased by 20% during the first year and decreased by 20% during the second "
         "year. What the current value of the investment?",
         {"$100", "$104", "$96", "$104"}, 2, 4, 18},
        {"the reciprocal percent", make<MGameMetaQuestionORVAPercents8>(), 650,
         {1, 1, 1, 1, 0, 2, 0, 1, 0},
         "<p>X is 25% of Y. What percent of X is Y?",
         {"400 %", "500 %", "200 %", "300 %"}, 0, 2, 10},

        {"one toss", make<MGameMetaQuestionORVAProbabilityAndCounting1>(), 400,
         join({zeros(49), {0, 1, /* options */ 0, 4, 6, /* place */ 1}}),
         "<p>Sharon tosses a coin once. What is the probability of getting a head?</p>",
         {"0", "1/2", "1", "1 1/2"}, 1, 3, 15},
        {"two tosses", make<MGameMetaQuestionORVAProbabilityAndCounting1>(), 525,
         join({zeros(49), {F(0.5), 1, 1, 2, 5, 3, 3}}),
         "<p>Sharon tosses a coin 2 times. What is the probability of getting 1 head and 1 tail?</p>",
         {"3/4", "1/4", "1 1/4", "1/2"}, 3, 3, 15},
        {"three tosses, no tails", make<MGameMetaQuestionORVAProbabilityAndCounting1>(), 650,
         join({zeros(49), {0, 0, 3, 0, 2, 5, 0}}),
         "<p>Sharon tosses a coin 3 times. What is the probability of getting 3 heads and 0 tails?</p>",
         {"1/8", "0", "1/4", "5/8"}, 0, 6, 20},
        {"a number on one roll", make<MGameMetaQuestionORVAProbabilityAndCounting2>(), 400,
         join({zeros(49), {0, 3, 0, 2, 3, 2}}),
         "<p>Sharon rolls a dice once. What is the probability of getting 4?</p>",
         {"1/3", "0", "1/6", "1/2"}, 2, 3, 15},
        {"a parity on one roll", make<MGameMetaQuestionORVAProbabilityAndCounting2>(), 525,
         join({zeros(49), {F(0.25), 0, 0, 6, 1, 0}}),
         "<p>Sharon rolls a dice once. What is the probability of getting an odd number?</p>",
         {"1/2", "0", "1", "1/6"}, 0, 3, 15},
        {"two rolls", make<MGameMetaQuestionORVAProbabilityAndCounting2>(), 650,
         join({zeros(49), {0, /* first */ 1, 5, 0, /* second */ 0, 1, /* options */ 1, 2, 4, 1}}),
         "<p>Sharon rolls a dice twice. What is the probability of getting 6 first time and an even number "
         "second time?</p>",
         {"1/36", "1/12", "1/18", "1/9"}, 1, 3, 15},
        {"a value of a list", make<MGameMetaQuestionORVAProbabilityAndCounting3>(), 450,
         {0, 1, 1, 0, 0, 1, 3, 3},
         "<p> X is randomly selected from the list below. What is the probability that X equals 2?</p>"
         "<p><i>2, 2</i></p>",
         {"1 1/2", "0", "1/2", "1"}, 3, 3, 12},
        {"a parity of a list", make<MGameMetaQuestionORVAProbabilityAndCounting3>(), 600,
         {F(0.5), 0, 1, 2, 3, 4, 6, 1, 0, 3, 6, 0},
         "<p> X is randomly selected from the list below. What is the probability that X is an even "
         "integer?</p><p><i>1, 2, 3, 4, 5, 7</i></p>",
         {"1/3", "0", "1/2", "1"}, 0, 3, 12},
        {"a sum of two sets", make<MGameMetaQuestionORVAProbabilityAndCounting4>(), 650,
         {0, 1, 1, 0, 1, 1, 1, 0, 1, 5, 2},
         "<p>X and Y is randomly selected from sets A and B, respectively. What is the probability that X + Y "
         "equals 4?</p><p><i>A = {1, 2, 2}</i></p><p><i>B = {1, 2}</i></p>",
         {"1/6", "0", "1/3", "5/6"}, 2, 6, 20},
        {"a factorial", make<MGameMetaQuestionORVAProbabilityAndCounting5>(), 450,
         {0, 2, 0, 40, 183, 0},
         "<p>5! equals:</p>",
         {"120", "60", "100", "243"}, 0, 3, 10},
        {"a quotient of factorials", make<MGameMetaQuestionORVAProbabilityAndCounting5>(), 500,
         {F(0.5), 6, 1, 0, 45, 46, 138, 1},
         "<p>10!/8! equals:</p>",
         {"45", "90", "91", "183"}, 1, 3, 10},
        {"combinations", make<MGameMetaQuestionORVAProbabilityAndCounting5>(), 650,
         {0, 2, 0, F(0.25), 1, 0, 11, 12, 35, 3},
         "<p>C(7,5) equals:</p>",
         {"45", "10", "22", "21"}, 3, 3, 10},
        {"both pass, a sure chance, doubled denominator", make<MGameMetaQuestionORVAProbabilityAndCounting6>(), 620,
         join({{0, 2, 1, 1, 2}, zeros(48), {0, 0, /* options */ 1, 3, 5, 0}}),
         "<p>Dorothy and Sharon will pass an exam with probabilites of 1/2 and 1, respectively. What is the "
         "probability that Dorothy and Sharon will pass the exam?</p>",
         {"1/2", "1/4", "3/4", "1 1/4"}, 0, 3, 10},
        {"one passes, the other fails", make<MGameMetaQuestionORVAProbabilityAndCounting6>(), 750,
         join({{0, 6, 2, 4, 3, /* s */ 0}, zeros(48), {1, 0, /* options */ 0, 4, 6, 2}}),
         "<p>Sharon and Dorothy will pass an exam with probabilites of 3/8 and 2/3, respectively. What is the "
         "probability that Dorothy, but not Sharon, will pass the exam?</p>",
         {"1/2", "1/6", "5/12", "2/3"}, 2, 5, 15},
        {"one marble of two colours", make<MGameMetaQuestionORVAProbabilityAndCounting7>(), 580,
         {0, 1, 0, 1, 0, 3, 1, 1},
         "<p>A bag contains 2 red and 1 green marbles. What is the probability that the marble selected at "
         "random will be green?</p>",
         {"0", "1/3", "1/2", "1/6"}, 1, 3, 10},
        {"one marble, either of two colours", make<MGameMetaQuestionORVAProbabilityAndCounting7>(), 690,
         {0, 2, 0, 3, 1, F(0.05), 0, 6, 1, 3},
         "<p>A bag contains 3 red, 1 green, and 4 blue marbles. What is the probability that the marble "
         "selected at random will be red or blue?</p>",
         {"5/8", "1/2", "1 1/4", "7/8"}, 3, 5, 15},
        {"two marbles", make<MGameMetaQuestionORVAProbabilityAndCounting7>(), 800,
         {0, 2, 1, 0, F(0.75), 0, 1, 6, 0},
         "<p>A bag contains 4 red and 3 green marbles. What is the probability that 2 marbles selected at "
         "random will be red?</p>",
         {"2/7", "0", "1/7", "6/7"}, 0, 6, 17},
        {"lines", make<MGameMetaQuestionORVAProbabilityAndCounting8>(), 700,
         {0, 1, 0, 1, 5, 2},
         "<p>If 3 lines are drawn in a plane such that no two of them are parallel and no three are "
         "concurrent, then in how many points do they intersect?</p>",
         {"2", "1", "3", "6"}, 2, 5, 20},
        {"chess players", make<MGameMetaQuestionORVAProbabilityAndCounting8>(), 650,
         {2, 0, 0, 5, 6, 15, 0},
         "<p>Every player out of 5 chess players plays once with each of his opponents. How many games are "
         "to be played?</p>",
         {"10", "5", "11", "20"}, 0, 5, 20},
        {"chips, one of a colour", make<MGameMetaQuestionORVAProbabilityAndCounting9>(), 650,
         {0, 2, 7, 6, 0, 1, 0, 1, 10, 1},
         "<p>How many different color patterns can 3 red and 1 blue chips form when arranged in a row?</p>",
         {"2", "4", "3", "12"}, 1, 2, 10},
        {"chips of three colours", make<MGameMetaQuestionORVAProbabilityAndCounting9>(), 690,
         {F(0.5), 0, 0, 0, 1, 0, 15, 16, 49, 0},
         "<p>How many different color patterns can 1 white, 1 pink, and 4 red chips form when arranged in a "
         "row?</p>",
         {"30", "15", "31", "64"}, 0, 4, 15},
        {"chips of one colour together", make<MGameMetaQuestionORVAProbabilityAndCounting9>(), 710,
         {F(0.5), 0, 0, 0, 2, 0, 0, 1, 2, 3, 3},
         "<p>How many different color patterns can 5 white and 3 pink chips form when arranged in a row, so "
         "that all white chips are together?</p>",
         {"5", "2", "3", "4"}, 3, 4, 15},
        {"chips, two of a colour", make<MGameMetaQuestionORVAProbabilityAndCounting9>(), 750,
         {F(0.5), 0, 0, 0, 6, 0, 0, 1, 87, 2},
         "<p>How many different color patterns can 2 white and 9 pink chips form when arranged in a row?</p>",
         {"28", "27", "55", "114"}, 2, 4, 15},
        {"two of two couples", make<MGameMetaQuestionORVAProbabilityAndCounting10>(), 700,
         {0, 0, 0, 1, 2, 3},
         "<p>In how many ways 2 people can be seleced out of 2 married couples, if none of them are married "
         "to each other?</p>",
         {"3", "1", "2", "4"}, 3, 5, 20},
        {"three of five couples", make<MGameMetaQuestionORVAProbabilityAndCounting10>(), 800,
         {2, 0, 1, 0, 1, 163, 0},
         "<p>In how many ways 3 people can be seleced out of 5 married couples, if none of them are married "
         "to each other?</p>",
         {"80", "1", "2", "164"}, 0, 5, 20},
        {"a first digit", make<MGameMetaQuestionORVAProbabilityAndCounting11>(), 680,
         {0, 3, 0, 1, 6, 3, 0, 0, 1, 83, 0},
         "<p>How many 2-digit numbers can be created if the first digit is less than 5?</p>",
         {"40", "1", "2", "84"}, 0, 4, 15},
        {"a last digit", make<MGameMetaQuestionORVAProbabilityAndCounting11>(), 680,
         {F(0.75), 0, 0, 1, 0, 5, 5, 0, 35, 36, 75, 1},
         "<p>How many 2-digit numbers can be created if the last digit is divisible by 3?</p>",
         {"1", "36", "37", "76"}, 1, 4, 15},
        {"both digits, the same entry twice", make<MGameMetaQuestionORVAProbabilityAndCounting11>(), 800,
         {0, 0, 6, 7, 8, 6, 6, 0, 1, 13, 2},
         "<p>How many 2-digit numbers can be created if the first digit is 9 and the last digit is even?</p>",
         {"2", "1", "5", "14"}, 2, 6, 20},
        {"playlists", make<MGameMetaQuestionORVAProbabilityAndCounting12>(), 700,
         {1, 0, 6, 5, 17, 0},
         "<p>In how many ways can a playlist be formed from 3 songs if at least one song has to be "
         "included?</p>",
         {"7", "1", "6", "18"}, 0, 5, 15},
        {"routes with a bypass", make<MGameMetaQuestionORVAProbabilityAndCounting13>(), 770,
         join({{F(0.1), 0, 0, 0, /* he */ 1}, zeros(24), {0, 1, 2, 3}}),
         "<style>canvas {width: 280px; height: 80px;}</style><script type=\"application/javascript\">"
         "window.onload = function(){\tvar canvas = document.getElementById('canvas');\tvar ctx = "
         "canvas.getContext('2d');\tif(window.devicePixelRatio == 2) {\t\tcanvas.setAttribute('width', "
         "2*280);\t\tcanvas.setAttribute('height', 2*80);\t\tctx.scale(2, 2);\t}\tctx.strokeStyle = "
         "'#000000';\tctx.lineWidth   = 2;\tctx.fillStyle    = '#000000';\tctx.font         = 'italic 17px "
         "Marker Felt';\tctx.textBaseline = 'bottom';"
         "\tctx.beginPath();\tctx.moveTo(15.000000, 50.000000);\tctx.lineTo(25.000000, 50.000000);"
         "\tctx.moveTo(255.000000, 50.000000);\tctx.lineTo(265.000000, 50.000000);\tctx.stroke();"
         "\tctx.beginPath();  ctx.arc(82.500000, -201.076935, 257.576935, 1.795928, 1.345665, true);\tctx.stroke();"
         "\tctx.beginPath();  ctx.arc(82.500000, 301.076935, 257.576935, -1.345665, -1.795928, true);\tctx.stroke();"
         "\tctx.beginPath();  ctx.arc(197.500000, -201.076935, 257.576935, 1.795928, 1.345665, true);\tctx.stroke();"
         "\tctx.beginPath();  ctx.arc(197.500000, 301.076935, 257.576935, -1.345665, -1.795928, true);\tctx.stroke();"
         "\tctx.beginPath();  ctx.arc(140.000000, 186.440475, 178.440475, -0.870463, -2.271130, true);\tctx.stroke();"
         "\tctx.beginPath();\tctx.moveTo(10.000000, 43.000000);\tctx.lineTo(15.000000, 28.000000);"
         "\tctx.lineTo(20.000000, 43.000000);\tctx.moveTo(12.000000, 36.000000);\tctx.lineTo(18.000000, 36.000000);"
         "\tctx.stroke();\tctx.beginPath();  ctx.arc(265.000000, 35.500000, 7.500000, 1.070796, 5.212389, false);"
         "\tctx.stroke();\t}</script><p>If Brian  needs to travel from A to C, how many different routes can he "
         "take? (No backtracking)</p><p><canvas id=\"canvas\" width=\"280\" height=\"80\"></canvas></p>",
         {"3", "1", "2", "5"}, 3, 3.5, 12},
    };
    // clang-format on
    return all;
}

TEST(PercentProbabilityQuestionsTest, ScriptedDrawsGiveExactQuestions) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        auto generator = c.make();
        auto question = generate(*generator, c.level, c.draws);
        ASSERT_TRUE(question);
        EXPECT_EQ(question->body(), c.body);
        EXPECT_EQ(question->answerOptions(), c.options);
        EXPECT_EQ(question->rightAnswer(), c.right);
        EXPECT_EQ(question->readTime(), c.readTime);
        EXPECT_EQ(question->totalTime(), c.totalTime);
        EXPECT_EQ(question->tags(), generator->testLabelForTestType(1)->tags());
    }
}

// The other maps: how many roads are arcs and how many straight, where a bypass lies, who travels.
TEST(PercentProbabilityQuestionsTest, RouteMapsOfEveryVariant) {
    struct Map {
        int level;
        Draws draws;
        int arcs;     // with the letter C
        int lineTos;  // with the two stubs and the three strokes of A
        const char* bypass;
        const char* traveller;
        Strings options;
        int right;
    };
    const std::vector<Map> maps = {
        // One segment: a single road drawn becomes two, both arcs.
        {350,
         join({{0, 0, 0, 0, /* she */ 0}, zeros(24), {0, 2, 3, 0}}),
         3,
         5,
         nullptr,
         "Sharon  needs",
         {"2", "1", "3", "4"},
         0},
        // Two segments of three roads: a straight one and two arcs each.
        {476,
         join({{0, 2, 1, 0, 1}, zeros(24), {0, 1, 2, 1}}),
         5,
         7,
         nullptr,
         "Brian  needs",
         {"1", "9", "2", "3"},
         1},
        // Three segments of 4, 4 and 2 roads: all arcs.
        {560,
         join({{F(0.5), 3, 2, 0, 0}, zeros(24), {0, 1, 2, 0}}),
         11,
         5,
         nullptr,
         "Sharon  needs",
         {"32", "1", "2", "3"},
         0},
        // Three segments of 3, 2 and 4 roads, the bypass over the last two: 3 x (2 x 4 + 1).
        {770,
         join({{F(0.5), 1, 0, 2, /* s */ 1, 1}, zeros(24), {0, 1, 2, 2}}),
         10,
         6,
         "ctx.arc(178.333328, ",
         "Brian  needs",
         {"2", "1", "27", "3"},
         2},
    };
    for (const Map& m : maps) {
        SCOPED_TRACE(m.level);
        MGameMetaQuestionORVAProbabilityAndCounting13 routes;
        auto q = generate(routes, m.level, m.draws);
        auto count = [&](const std::string& part) {
            int n = 0;
            for (std::size_t at = q->body().find(part); at != std::string::npos;
                 at = q->body().find(part, at + 1))
                ++n;
            return n;
        };
        EXPECT_EQ(count("  ctx.arc("), m.arcs);
        EXPECT_EQ(count("\tctx.lineTo("), m.lineTos);
        if (m.bypass) {
            EXPECT_TRUE(contains(q->body(), m.bypass));
        }
        EXPECT_TRUE(contains(q->body(), m.traveller));
        EXPECT_EQ(q->answerOptions(), m.options);
        EXPECT_EQ(q->rightAnswer(), m.right);
    }
}

// A variant's longer times stay with the generator until a new collection makes a new one.
TEST(PercentProbabilityQuestionsTest, WrittenTimesStayUntilANewCollection) {
    auto first = MGameMetaQuestionCollection().metaQuestionCollectionWithTag("Probability and Counting")[0];
    ASSERT_TRUE(std::dynamic_pointer_cast<MGameMetaQuestionORVAProbabilityAndCounting1>(first));
    auto threeTosses = generate(*first, 650, join({zeros(49), {0, 0, 3, 0, 2, 5, 0}}));
    EXPECT_EQ(threeTosses->readTime(), 6);
    auto oneToss = generate(*first, 400, join({zeros(49), {0, 1, 0, 4, 6, 1}}));
    EXPECT_TRUE(contains(oneToss->body(), "once"));
    EXPECT_EQ(oneToss->readTime(), 6);
    EXPECT_EQ(oneToss->totalTime(), 20);
    EXPECT_EQ(threeTosses->readTime(), 6);  // a question keeps what it was made with

    auto again = MGameMetaQuestionCollection().metaQuestionCollectionWithTag("Probability and Counting")[0];
    auto fresh = generate(*again, 400, join({zeros(49), {0, 1, 0, 4, 6, 1}}));
    EXPECT_EQ(fresh->readTime(), 3);
    EXPECT_EQ(fresh->totalTime(), 15);
}

// How often each variant comes up at both ends of a band, from the body alone.
TEST(PercentProbabilityQuestionsTest, VariantFrequenciesAtBothEndsOfTheBands) {
    using Variant = std::function<int(const std::string&)>;
    auto has = [](const char* part) { return [part](const std::string& b) { return contains(b, part); }; };
    struct Expected {
        std::shared_ptr<MGameMetaQuestion> generator;
        Variant variant;
        std::map<int, double> atStart, atEnd;
    };
    auto chips = [](const std::string& b) {
        auto counts = game_test::numbersIn(game_test::between(b, "can ", " chips"));
        if (counts.size() == 3) return 2;
        if (contains(b, "together")) return 3;
        return std::min(counts[0], counts[1]) == 1 ? 1 : 4;
    };
    auto routes = [](const std::string& b) {
        if (contains(b, "ctx.arc(82.500000")) return contains(b, "ctx.arc(140.000000") ? 4 : 2;
        if (contains(b, "ctx.arc(63.33"))
            return contains(b, "ctx.arc(101.66") || contains(b, "ctx.arc(178.33") ? 5 : 3;
        return 1;
    };
    const std::vector<Expected> all = {
        {std::make_shared<MGameMetaQuestionORVAPercents2>(),
         [](const std::string& b) { return game_test::numbersIn(b)[0] >= 100 ? 2 : 1; },
         {{1, 1}},
         {{1, 0.2}, {2, 0.8}}},
        {std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting1>(),
         [&](const std::string& b) { return has("once")(b)       ? 1
                                            : has(" 2 times")(b) ? 2
                                                                 : 3; },
         {{1, 1}},
         {{3, 1}}},
        {std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting2>(),
         [&](const std::string& b) { return has("twice")(b)     ? 3
                                            : has("number?")(b) ? 2
                                                                : 1; },
         {{1, 1}},
         {{3, 1}}},
        {std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting3>(),
         [&](const std::string& b) { return has("equals")(b) ? 1 : 2; },
         {{1, 1}},
         {{1, 0.2}, {2, 0.8}}},
        {std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting5>(),
         [&](const std::string& b) { return has("!/")(b)  ? 2
                                            : has("!")(b) ? 1
                                                          : 3; },
         {{1, 1}},
         {{3, 1}}},
        {std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting6>(),
         [&](const std::string& b) { return has("but not")(b) ? 2 : 1; },
         {{1, 1}},
         {{2, 1}}},
        {std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting7>(),
         [&](const std::string& b) { return has("blue")(b)        ? 2
                                            : has("2 marbles")(b) ? 3
                                                                  : 1; },
         {{1, 1}},
         {{3, 1}}},
        {std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting9>(),
         chips,
         {{1, 1}},
         {{3, 2.0 / 7}, {4, 5.0 / 7}}},
        {std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting11>(),
         [&](const std::string& b) { return has("and the last")(b)  ? 3
                                            : has("first digit")(b) ? 1
                                                                    : 2; },
         {{1, 0.7 / 1.3}, {2, 0.6 / 1.3}},
         {{3, 1}}},
        {std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting13>(),
         routes,
         {{1, 1}},
         {{4, 0.25}, {5, 0.75}}},
    };
    constexpr int kRuns = 4000;
    for (const Expected& e : all) {
        e.generator->setRandom(game_test::seededRandom(99));
        auto label = e.generator->testLabelForTestType(1);
        for (bool atEnd : {false, true}) {
            SCOPED_TRACE(label->level_min() * 10 + atEnd);
            std::map<int, int> seen;
            for (int i = 0; i < kRuns; ++i)
                ++seen[e.variant(
                    e.generator->generateForTestType(1, atEnd ? label->level_max() : label->level_min())
                        ->body())];
            const auto& expected = atEnd ? e.atEnd : e.atStart;
            for (const auto& [variant, count] : seen)
                EXPECT_TRUE(expected.count(variant)) << "variant " << variant;
            for (const auto& [variant, share] : expected)
                EXPECT_NEAR(static_cast<double>(seen[variant]) / kRuns, share, 0.03) << "variant " << variant;
        }
    }
}

TEST(PercentProbabilityQuestionsTest, TheCollectionServesEveryLevelOfBothTopics) {
    MGameMetaQuestionCollection collection(game_test::seededRandom(8));
    ASSERT_EQ(collection.metaQuestions().size(), 37u);
    auto percents = collection.metaQuestionCollectionWithTag("Percents");
    auto probability = collection.metaQuestionCollectionWithTag("Probability and Counting");
    ASSERT_EQ(percents.size(), 8u);
    ASSERT_EQ(probability.size(), 13u);
    // Registry order: the integer generators, then these.
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(collection.metaQuestions()[16 + i], percents[i]);
    for (std::size_t i = 0; i < 13; ++i) EXPECT_EQ(collection.metaQuestions()[24 + i], probability[i]);
    EXPECT_TRUE(std::dynamic_pointer_cast<MGameMetaQuestionORVAPercents8>(percents[7]));
    EXPECT_TRUE(std::dynamic_pointer_cast<MGameMetaQuestionORVAProbabilityAndCounting13>(probability[12]));

    for (const auto& topic : {MGameTopic::makeAsPercent(), MGameTopic::makeAsProbabilityAndCounting()}) {
        auto generators = collection.metaQuestionCollectionWithTag(topic->name());
        for (const auto& level : topic->levels()) {
            int n = level->numberOfQuestions();
            for (int k = 1; k <= n; ++k) {
                int target = MGameMetaQuestionCollection::targetLevel(level->startTestLevel(),
                                                                      level->endTestLevel(), n, k);
                EXPECT_FALSE(MGameMetaQuestionCollection::candidatesForLevel(generators, target).empty())
                    << topic->name() << " " << target;
            }
        }
    }
}

}  // namespace
