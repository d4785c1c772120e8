#pragma once
// A mix of several series with fixed weights, drawn as one series: the weighted sum of their values,
// present only where every series has a value.

#include <memory>
#include <utility>
#include <vector>

#include "Classes/statistics/StatViewDelegate.h"

class StatSummator : public StatViewDelegate {
  public:
    void addGenerator(std::shared_ptr<StatViewDelegate> series, float weight);
    std::size_t count() const { return series_.size(); }

    // Passes the size to every series in order.
    void setupWindow(float width, float height) override;
    float valueFor(float x) const override;
    float lastValue() const override;
    // The latest column at which every series has its current value; 0 at least.
    float firstPoint() const override;
    // The earliest series' first drawn column, but not before firstPoint().
    float startPoint() const override;
    bool isEnoughData() const override { return startPoint() <= width_; }
    int emptySpace(float captionWidth, float captionHeight) const override;

  private:
    template <typename Read>
    float weightedSum(Read read) const;

    std::vector<std::pair<std::shared_ptr<StatViewDelegate>, float>> series_;
    float width_ = 0;
    float height_ = 0;
};
