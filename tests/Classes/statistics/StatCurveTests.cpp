// Accuracy curves and their mixes against figures worked out by hand: a plot 10 points wide
// (11 columns) and 100 high spanning the 1000 seconds before "now".

#include <gtest/gtest.h>

#include "Classes/statistics/StatGenerator.h"
#include "Classes/statistics/StatSummator.h"

namespace {

constexpr double kNow = 1000;

// Records of one type at the given dates (seconds), right where `right` says.
std::shared_ptr<const StatAggregator> records(const std::vector<std::pair<double, bool>>& outcomes) {
    StatSnapshot snapshot;
    for (const auto& [date, right] : outcomes) snapshot.addAttempt({fnd::Date(date), 1, 1, right});
    return std::make_shared<StatAggregator>(snapshot, 0);
}

std::shared_ptr<StatGenerator> curve(std::shared_ptr<const StatAggregator> aggregator,
                                     StatGenerator::Weight weight = StatGenerator::defaultStatWeight,
                                     double period = 1000) {
    auto generator = std::make_shared<StatGenerator>(std::move(aggregator), weight);
    generator->setCoveredPeriod(period);
    generator->setNow(fnd::Date(kNow));
    generator->setupWindow(10, 100);
    return generator;
}

TEST(StatGenerator, ThreeAnswersEvenlyWeighted) {
    // Columns 0, 5 and 10: right, wrong, right.
    auto g = curve(records({{0, true}, {500, false}, {1000, true}}));
    EXPECT_EQ(g->columnCount(), 11);
    EXPECT_FLOAT_EQ(g->valueFor(0), 100);
    EXPECT_FLOAT_EQ(g->valueFor(4.6f), 50);
    EXPECT_FLOAT_EQ(g->valueFor(10), 200.0f / 3);
    EXPECT_EQ(g->valueFor(11), -1);
    EXPECT_FLOAT_EQ(g->lastValue(), 200.0f / 3);
    EXPECT_EQ(g->firstPoint(), 5);   // the second answer's column
    EXPECT_EQ(g->startPoint(), 11);  // fewer than six answers: not drawn
    EXPECT_FALSE(g->isEnoughData());
    EXPECT_EQ(g->emptySpace(3, 20), 15);
}

TEST(StatGenerator, CubicWeightFavoursLaterAnswers) {
    auto g = curve(records({{0, true}, {500, false}, {1000, true}}), StatGenerator::cubicStatWeight);
    // (50³ + 52³) / (50³ + 51³ + 52³)
    EXPECT_NEAR(g->lastValue(), 66.6923, 1e-3);
    EXPECT_NEAR(g->valueFor(5), 100 * 125000.0 / (125000 + 132651), 1e-3);

    // wrong, right, ... right: later answers weigh more, so above half.
    std::vector<std::pair<double, bool>> alternating;
    for (int i = 0; i < 6; ++i) alternating.emplace_back(i * 100, i % 2 == 1);
    auto mixed = curve(records(alternating), StatGenerator::cubicStatWeight);
    EXPECT_NEAR(mixed->lastValue(), 51.4255, 1e-3);
}

TEST(StatGenerator, NoAnswersOneAnswerAndSix) {
    auto none = curve(records({}));
    EXPECT_EQ(none->valueFor(5), -1);
    EXPECT_EQ(none->lastValue(), -1);
    EXPECT_EQ(none->emptySpace(3, 20), 15);
    EXPECT_FALSE(none->isEnoughData());

    auto noAggregator = curve(nullptr);
    EXPECT_EQ(noAggregator->startPoint(), 0);
    EXPECT_TRUE(noAggregator->isEnoughData());
    EXPECT_EQ(noAggregator->valueFor(5), -1);

    auto one = curve(records({{200, true}}));
    EXPECT_EQ(one->lastValue(), -1);
    EXPECT_EQ(one->valueFor(1), -1);  // left of the only answer
    EXPECT_FLOAT_EQ(one->valueFor(2), 100);
    EXPECT_FALSE(one->isEnoughData());

    auto six = curve(records({{0, true}, {100, true}, {200, true}, {300, true}, {400, true}, {500, true}}));
    EXPECT_EQ(six->firstPoint(), 1);
    EXPECT_EQ(six->startPoint(), 5);
    EXPECT_TRUE(six->isEnoughData());
    EXPECT_FLOAT_EQ(six->lastValue(), 100);
}

TEST(StatGenerator, SameWindowIsNotRecomputed) {
    auto g = curve(records({{0, true}, {1000, true}}));
    g->setAggregator(records({{0, false}, {1000, false}}));
    g->setupWindow(10, 100);
    EXPECT_FLOAT_EQ(g->lastValue(), 100);
    g->setupWindow(20, 100);
    EXPECT_EQ(g->columnCount(), 21);
    EXPECT_FLOAT_EQ(g->lastValue(), 0);
}

TEST(StatGenerator, NothingCoveredPutsEveryAnswerLast) {
    auto g = curve(records({{1000, true}, {1000, false}}), StatGenerator::defaultStatWeight, 0);
    EXPECT_EQ(g->valueFor(9), -1);
    EXPECT_FLOAT_EQ(g->valueFor(10), 50);
    EXPECT_EQ(g->firstPoint(), 10);
}

TEST(StatGenerator, CornersLeftFree) {
    std::vector<std::pair<double, bool>> right(6, {0, true}), wrong(6, {0, false});
    // Every answer in column 0, so the whole line is drawn: at the top, or at the bottom.
    EXPECT_EQ(curve(records(right))->emptySpace(3, 20),
              StatViewDelegate::kBottomLeft | StatViewDelegate::kBottomRight);
    EXPECT_EQ(curve(records(wrong))->emptySpace(3, 20),
              StatViewDelegate::kTopLeft | StatViewDelegate::kTopRight);
    // Half right sits at 50 points: no corner is touched.
    std::vector<std::pair<double, bool>> half;
    for (int i = 0; i < 6; ++i) half.emplace_back(0, i % 2 == 0);
    EXPECT_EQ(curve(records(half))->emptySpace(3, 20), 15);
}

TEST(StatSummator, WeightedMix) {
    auto three = curve(records({{0, true}, {500, false}, {1000, true}}));
    auto six = curve(records({{0, true}, {100, true}, {200, true}, {300, true}, {400, true}, {500, true}}));
    StatSummator mix;
    mix.addGenerator(three, 0.5f);
    mix.addGenerator(six, 0.5f);
    mix.setupWindow(10, 100);
    EXPECT_FLOAT_EQ(mix.valueFor(10), 0.5f * 200 / 3 + 50);
    EXPECT_FLOAT_EQ(mix.lastValue(), 0.5f * 200 / 3 + 50);
    EXPECT_EQ(mix.firstPoint(), 5);  // the later second answer
    EXPECT_EQ(mix.startPoint(), 5);  // six answers in one series, and both have a current value
    EXPECT_TRUE(mix.isEnoughData());
    // Only the six-answer curve is drawn, at the top through the right-hand columns.
    EXPECT_EQ(mix.emptySpace(3, 20), 15 & ~StatViewDelegate::kTopRight);

    // Three types at 0.33 each: 0.99 of their mean.
    StatSummator thirds;
    for (auto& g : {curve(records({{0, true}, {1, true}})), curve(records({{0, true}, {1, false}})),
                    curve(records({{0, false}, {1, false}}))})
        thirds.addGenerator(g, 0.33f);
    EXPECT_NEAR(thirds.lastValue(), 0.33f * 150, 1e-4);

    // A series without values leaves the mix without values.
    mix.addGenerator(curve(records({})), 0.1f);
    EXPECT_EQ(mix.valueFor(10), -1);
    EXPECT_EQ(mix.lastValue(), -1);

    StatSummator empty;
    EXPECT_EQ(empty.startPoint(), 0);
    EXPECT_EQ(empty.emptySpace(3, 20), 15);
}

}  // namespace
