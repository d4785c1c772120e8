#pragma once
// The accuracy curve of one aggregator: per column, the weighted share of right answers among every
// answer up to that column's time, later answers weighing more with the cubic weight.

#include <memory>
#include <optional>
#include <vector>

#include "Classes/statistics/StatAggregator.h"
#include "Classes/statistics/StatViewDelegate.h"

class StatGenerator : public StatViewDelegate {
  public:
    // The weight of the answer at a position among all, both offset alike.
    using Weight = float (*)(float position, float count);
    static float defaultStatWeight(float position, float count);
    // (position / count) cubed.
    static float cubicStatWeight(float position, float count);

    explicit StatGenerator(std::shared_ptr<const StatAggregator> aggregator,
                           Weight weight = defaultStatWeight);

    const std::shared_ptr<const StatAggregator>& aggregator() const { return aggregator_; }
    void setAggregator(std::shared_ptr<const StatAggregator> aggregator) {
        aggregator_ = std::move(aggregator);
    }
    // The span the plot's width stands for; set before setupWindow().
    double coveredPeriod() const { return coveredPeriod_; }
    void setCoveredPeriod(double seconds) { coveredPeriod_ = seconds; }
    // The instant of the newest column; the clock's time when not set.
    void setNow(fnd::Date now) { now_ = now; }
    int columnCount() const { return N_; }

    // The same size a second time computes nothing, even when the aggregator changed.
    void setupWindow(float width, float height) override;
    float valueFor(float x) const override;
    float lastValue() const override;
    float startPoint() const override { return static_cast<float>(startPoint_); }
    float firstPoint() const override { return static_cast<float>(firstPoint_); }
    bool isEnoughData() const override { return static_cast<float>(startPoint_) <= width_; }
    int emptySpace(float captionWidth, float captionHeight) const override;

  private:
    std::shared_ptr<const StatAggregator> aggregator_;
    Weight weight_;
    double coveredPeriod_ = 0;
    std::optional<fnd::Date> now_;
    float width_ = 0;
    float height_ = 0;
    int N_ = 0;
    // -1 where no answer lies at or before the column.
    std::vector<float> values_;
    bool hasValues_ = false;
    int firstPoint_ = 0;
    int startPoint_ = 0;
};
