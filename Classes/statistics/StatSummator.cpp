#include "Classes/statistics/StatSummator.h"

#include <algorithm>

void StatSummator::addGenerator(std::shared_ptr<StatViewDelegate> series, float weight) {
    if (series) series_.emplace_back(std::move(series), weight);
}

void StatSummator::setupWindow(float width, float height) {
    width_ = width;
    height_ = height;
    for (auto& [series, weight] : series_) series->setupWindow(width, height);
}

template <typename Read>
float StatSummator::weightedSum(Read read) const {
    float sum = 0;
    for (const auto& [series, weight] : series_) {
        float v = read(*series);
        if (v < 0) return -1.0f;
        sum += v * weight;
    }
    return sum;
}

float StatSummator::valueFor(float x) const {
    return weightedSum([x](const StatViewDelegate& s) { return s.valueFor(x); });
}

float StatSummator::lastValue() const {
    return weightedSum([](const StatViewDelegate& s) { return s.lastValue(); });
}

float StatSummator::firstPoint() const {
    float first = 0;
    for (const auto& entry : series_) first = std::max(first, entry.first->firstPoint());
    return first;
}

float StatSummator::startPoint() const {
    if (series_.empty()) return 0;
    float start = series_.front().first->startPoint();
    for (const auto& entry : series_) start = std::min(start, entry.first->startPoint());
    return std::max(start, firstPoint());
}

int StatSummator::emptySpace(float captionWidth, float captionHeight) const {
    int free = kAllCorners;
    for (const auto& entry : series_) free &= entry.first->emptySpace(captionWidth, captionHeight);
    return free;
}
