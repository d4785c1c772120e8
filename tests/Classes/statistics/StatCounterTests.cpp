// Answers per time step against figures worked out by hand, for "now" at 1000 seconds unless a test
// says otherwise.

#include <gtest/gtest.h>

#include "Classes/statistics/StatCounter.h"

namespace {

std::shared_ptr<const StatAggregator> answersAt(const std::vector<double>& dates) {
    StatSnapshot snapshot;
    for (double date : dates) snapshot.addAttempt({fnd::Date(date), 1, 1, true});
    return std::make_shared<StatAggregator>(snapshot, 0);
}

StatCounter counter(const std::vector<double>& dates, float width, bool mean = false, double now = 1000) {
    StatCounter c(answersAt(dates));
    c.setMean(mean);
    c.setNow(fnd::Date(now));
    c.setupWindow(width, 110);
    return c;
}

TEST(StatCounter, TenAnswersInOneStep) {
    // The oldest answer is 1000 s old: minute steps. 100 columns; the first step covers columns
    // 0 to 5 (round(100 × 60 / 1000) = 6), more than three, so its bar starts at column 1.
    std::vector<double> dates{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    auto bars = counter(dates, 99);
    EXPECT_EQ(bars.stepName(), "minute");
    EXPECT_EQ(bars.columnCount(), 100);
    EXPECT_EQ(bars.max(), 11);
    EXPECT_EQ(bars.valueFor(0), 0);
    EXPECT_FLOAT_EQ(bars.valueFor(1), 100);  // 10 / 11 of 110
    EXPECT_FLOAT_EQ(bars.valueFor(5), 100);
    EXPECT_EQ(bars.valueFor(6), 0);
    EXPECT_EQ(bars.valueFor(100), -1);
    EXPECT_EQ(bars.lastValue(), 0);

    // Answers 0 to 4 s fall in column 0, 5 to 9 s in column 1; each adds its step's width, 6.
    auto mean = counter(dates, 99, true);
    EXPECT_FLOAT_EQ(mean.valueFor(0), 30.0f * 110 / 11);
    EXPECT_FLOAT_EQ(mean.valueFor(1), 60.0f / 2 * 110 / 11);
    EXPECT_FLOAT_EQ(mean.valueFor(9), 60.0f / 10 * 110 / 11);
    EXPECT_NEAR(mean.lastValue(), 0.6, 1e-5);  // 60 / 100 columns
    EXPECT_EQ(mean.startPoint(), 0);
    EXPECT_EQ(mean.firstPoint(), 0);
    EXPECT_TRUE(mean.isEnoughData());
    EXPECT_EQ(mean.emptySpace(50, 50), StatViewDelegate::kTopRight);
}

TEST(StatCounter, NarrowStepsHaveNoGap) {
    // Two hours old: hour steps of three columns each in a 6-column plot.
    auto c = counter({1000 - 7200, 1000 - 5400}, 5);
    EXPECT_EQ(c.stepName(), "hour");
    EXPECT_EQ(c.max(), 3);
    std::vector<float> values;
    for (int j = 0; j < 6; ++j) values.push_back(c.valueFor(static_cast<float>(j)));
    EXPECT_EQ(values, (std::vector<float>{110.0f * 2 / 3, 110.0f * 2 / 3, 110.0f * 2 / 3, 0, 0, 0}));
}

TEST(StatCounter, StepFollowsTheOldestAnswersAge) {
    struct Case {
        double age;
        const char* step;
    } cases[] = {{0, "minute"},   {7199, "minute"},  {7200, "hour"},     {431999, "hour"},
                 {432000, "day"}, {6048000, "week"}, {31535999, "week"}, {31536000, "month"}};
    for (const auto& k : cases) EXPECT_EQ(counter({0}, 10, false, k.age).stepName(), k.step) << k.age;
}

TEST(StatCounter, NoAnswersOneAnswerAndAnswersAtThisInstant) {
    auto none = counter({}, 10);
    EXPECT_FALSE(none.stepName());
    EXPECT_EQ(none.max(), 0);
    EXPECT_EQ(none.valueFor(0), -1);
    EXPECT_EQ(none.lastValue(), -1);
    EXPECT_FALSE(StatCounter(nullptr).stepName());

    // One answer two hours old: its hour covers columns 0 to 2 of 6.
    auto one = counter({0}, 5, false, 7200);
    EXPECT_EQ(one.max(), 2);
    EXPECT_FLOAT_EQ(one.valueFor(2), 55);
    EXPECT_EQ(one.valueFor(3), 0);

    auto bars = counter({1000, 1000, 1000}, 9);
    EXPECT_EQ(bars.max(), 4);
    EXPECT_EQ(bars.valueFor(8), 0);
    EXPECT_FLOAT_EQ(bars.valueFor(9), 110.0f * 3 / 4);
    EXPECT_FLOAT_EQ(bars.lastValue(), 3);
    auto mean = counter({1000, 1000, 1000}, 9, true);
    EXPECT_FLOAT_EQ(mean.valueFor(9), 3.0f / 10 * 110 / 4);
}

}  // namespace
