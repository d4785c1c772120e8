#include "Classes/statistics/StatGenerator.h"

#include <cmath>

namespace {

// Column of an answer t seconds before now (t ≤ 0) when the last of n columns is now and the plot
// spans `period` seconds; every answer lands in the last column when the span is nothing.
int columnOf(double t, double period, int n) {
    if (!(period > 0)) return n - 1;
    long k = std::lround((n - 1) * (period + t) / period);
    if (k < 0) return 0;
    return k > n - 1 ? n - 1 : static_cast<int>(k);
}

}  // namespace

float StatGenerator::defaultStatWeight(float, float) { return 1.0f; }

float StatGenerator::cubicStatWeight(float position, float count) {
    float ratio = position / count;
    return ratio * ratio * ratio;
}

StatGenerator::StatGenerator(std::shared_ptr<const StatAggregator> aggregator, Weight weight)
    : aggregator_(std::move(aggregator)), weight_(weight ? weight : defaultStatWeight) {}

void StatGenerator::setupWindow(float width, float height) {
    if (width == width_ && height == height_ && hasValues_) return;
    width_ = width;
    height_ = height;
    values_.clear();
    hasValues_ = false;
    N_ = 0;
    if (!aggregator_) return;
    startPoint_ = firstPoint_ = static_cast<int>(std::lround(width)) + 1;
    const auto& records = aggregator_->statRecords();
    if (records.empty() || !(width >= 0)) return;

    N_ = static_cast<int>(std::floor(width)) + 1;
    // Each answer adds its weight to its own column and every later one: gather per column, then
    // sum from the left.
    std::vector<double> right(static_cast<std::size_t>(N_), 0.0), all(static_cast<std::size_t>(N_), 0.0);
    const fnd::Date now = now_ ? *now_ : fnd::Date::now();
    const float count = static_cast<float>(records.size() + 50);
    for (std::size_t i = 0; i < records.size(); ++i) {
        int k = columnOf(records[i].date().timeIntervalSince(now), coveredPeriod_, N_);
        if (i == 1) firstPoint_ = k;
        if (i == 5) startPoint_ = k;
        float w = weight_(static_cast<float>(i + 50), count);
        all[static_cast<std::size_t>(k)] += w;
        if (records[i].isRight()) right[static_cast<std::size_t>(k)] += w;
    }
    values_.assign(static_cast<std::size_t>(N_), -1.0f);
    double rightSum = 0, allSum = 0;
    for (std::size_t j = 0; j < values_.size(); ++j) {
        rightSum += right[j];
        allSum += all[j];
        if (allSum > 0) values_[j] = static_cast<float>(height * rightSum / allSum);
    }
    hasValues_ = true;
}

float StatGenerator::valueFor(float x) const { return columnValue(values_, x); }

float StatGenerator::lastValue() const {
    if (!hasValues_ || static_cast<float>(firstPoint_) > width_ || !(height_ > 0)) return -1.0f;
    float v = values_.back();
    return v < 0 ? -1.0f : v * 100.0f / height_;
}

int StatGenerator::emptySpace(float captionWidth, float captionHeight) const {
    int free = kAllCorners;
    if (!hasValues_) return free;
    for (int j = startPoint_ < 0 ? 0 : startPoint_; j < N_; ++j) {
        float v = values_[static_cast<std::size_t>(j)];
        if (v < 0) continue;
        bool low = std::round(v) <= captionHeight;
        bool high = height_ - captionHeight <= v && v <= height_;
        if (static_cast<float>(j) <= captionWidth) {
            if (low)
                free &= ~kBottomLeft;
            else if (high)
                free &= ~kTopLeft;
        }
        if (width_ - captionWidth <= static_cast<float>(j) && static_cast<float>(j) <= width_) {
            if (low)
                free &= ~kBottomRight;
            else if (high)
                free &= ~kTopRight;
        }
    }
    return free;
}
