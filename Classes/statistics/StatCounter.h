#pragma once
// Answers per time step over the whole covered period, one value per column: bars of the count in
// each step, or the running mean of those counts. The step (minute to month) follows the age of the
// oldest answer.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/statistics/StatAggregator.h"
#include "Classes/statistics/StatViewDelegate.h"

class StatCounter : public StatViewDelegate {
  public:
    explicit StatCounter(std::shared_ptr<const StatAggregator> aggregator);

    const std::shared_ptr<const StatAggregator>& aggregator() const { return aggregator_; }
    // Bars (false, the default) or the running mean (true); set before setupWindow().
    bool mean() const { return mean_; }
    void setMean(bool mean) { mean_ = mean; }
    // The instant of the newest column; the clock's time when not set.
    void setNow(fnd::Date now) { now_ = now; }

    // The scale's top: one above the largest count; 0 until records were counted.
    int max() const { return max_; }
    // "minute", "hour", "day", "week" or "month"; nothing until records were counted.
    const std::optional<std::string>& stepName() const { return stepName_; }
    int columnCount() const { return N_; }

    // Recomputes every time.
    void setupWindow(float width, float height) override;
    float valueFor(float x) const override;
    // The newest column's value in answers per step.
    float lastValue() const override;
    float startPoint() const override { return 0; }
    float firstPoint() const override { return 0; }
    bool isEnoughData() const override { return true; }
    int emptySpace(float, float) const override { return kTopRight; }

  private:
    std::shared_ptr<const StatAggregator> aggregator_;
    bool mean_ = false;
    std::optional<fnd::Date> now_;
    float width_ = 0;
    float height_ = 0;
    int N_ = 0;
    int max_ = 0;
    std::optional<std::string> stepName_;
    std::vector<float> counts_;
    bool hasCounts_ = false;
};
