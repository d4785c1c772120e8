#pragma once
// The date-ordered answer outcomes of one question type (0: every type) with the time they took.
// Built from a snapshot; immutable afterwards, so it may be built on a worker and read anywhere.

#include <cstdint>
#include <vector>

#include "Classes/statistics/StatRecord.h"
#include "Classes/statistics/StatSnapshot.h"

class StatAggregator {
  public:
    StatAggregator(const StatSnapshot& snapshot, std::int32_t questionType);

    // Empties the list, fills it with the outcomes of that type in date order (equal dates keep
    // the snapshot's order) and returns the seconds they took.
    static double aggregateRecords(std::vector<StatRecord>& records, const StatSnapshot& snapshot,
                                   std::int32_t questionType);

    const std::vector<StatRecord>& statRecords() const { return statRecords_; }
    double totalTime() const { return totalTime_; }
    std::int32_t questionType() const { return questionType_; }
    // The age of the oldest record at `now`; 0 without records.
    double coveredPeriod(fnd::Date now) const;

  private:
    std::vector<StatRecord> statRecords_;
    double totalTime_ = 0;
    std::int32_t questionType_ = 0;
};
