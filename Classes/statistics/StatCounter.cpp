#include "Classes/statistics/StatCounter.h"

#include <algorithm>
#include <cmath>

namespace {

struct Step {
    double below;
    double seconds;
    const char* name;
};

constexpr Step kSteps[] = {
    {7200, 60, "minute"},
    {432000, 3600, "hour"},
    {6048000, 86400, "day"},
    {31536000, 604800, "week"},
};
constexpr Step kMonth = {0, 2592000, "month"};

const Step& stepForAge(double age) {
    for (const auto& step : kSteps)
        if (age < step.below) return step;
    return kMonth;
}

}  // namespace

StatCounter::StatCounter(std::shared_ptr<const StatAggregator> aggregator)
    : aggregator_(std::move(aggregator)) {}

void StatCounter::setupWindow(float width, float height) {
    if (!aggregator_) return;
    width_ = width;
    height_ = height;
    const auto& records = aggregator_->statRecords();
    if (records.empty() || !(width >= 0)) return;

    const fnd::Date oldest = records.front().date();
    const double age = (now_ ? *now_ : fnd::Date::now()).timeIntervalSince(oldest);
    const Step& step = stepForAge(age);
    stepName_ = step.name;
    N_ = static_cast<int>(std::lround(width + 1));
    const auto n = static_cast<std::size_t>(N_);

    // Each answer raises the count of every column of its step and, in mean mode, adds its step's
    // width to its own column and every later one; both are gathered as differences and summed.
    std::vector<double> countDelta(n + 1, 0.0), meanDelta(n + 1, 0.0);
    auto column = [&](double t) -> long {
        if (!(age > 0)) return N_ - 1;  // every answer at this very instant: the last column
        return std::lround(N_ * t / age);
    };
    for (const auto& record : records) {
        const double t = std::max(0.0, record.date().timeIntervalSince(oldest));
        const double q = std::floor(t / step.seconds);
        long a = column(t);
        long b = age > 0 ? column(q * step.seconds) : N_ - 1;
        long c = age > 0 ? column(std::min((q + 1) * step.seconds, age)) : N_;
        long widthInColumns;
        if (c == b) {
            c = b + 1;
            widthInColumns = 1;
        } else {
            widthInColumns = c - b;
            if (widthInColumns > 3) b += 1;  // a gap between neighbouring bars
        }
        if (mean_ && a >= 0 && a < N_)
            meanDelta[static_cast<std::size_t>(a)] += static_cast<double>(widthInColumns);
        b = std::max(b, 0L);
        c = std::min(c, static_cast<long>(N_));
        if (b < c) {
            countDelta[static_cast<std::size_t>(b)] += 1;
            countDelta[static_cast<std::size_t>(c)] -= 1;
        }
    }

    counts_.assign(n, 0.0f);
    max_ = 0;
    double count = 0;
    for (std::size_t j = 0; j < n; ++j) {
        count += countDelta[j];
        counts_[j] = static_cast<float>(count);
        max_ = std::max(max_, static_cast<int>(std::lround(count)));
    }
    max_ += 1;
    double meanSum = 0;
    for (std::size_t j = 0; j < n; ++j) {
        if (mean_) {
            meanSum += meanDelta[j];
            counts_[j] = static_cast<float>(meanSum / static_cast<double>(j + 1) * height / max_);
        } else {
            counts_[j] = height * counts_[j] / static_cast<float>(max_);
        }
    }
    hasCounts_ = true;
}

float StatCounter::valueFor(float x) const { return columnValue(counts_, x); }

float StatCounter::lastValue() const {
    if (!hasCounts_ || !(height_ > 0)) return -1.0f;
    return counts_.back() * static_cast<float>(max_) / height_;
}
