#include "Classes/statistics/StatAggregator.h"

#include <algorithm>

StatAggregator::StatAggregator(const StatSnapshot& snapshot, std::int32_t questionType)
    : questionType_(questionType) {
    totalTime_ = aggregateRecords(statRecords_, snapshot, questionType);
}

double StatAggregator::aggregateRecords(std::vector<StatRecord>& records, const StatSnapshot& snapshot,
                                        std::int32_t questionType) {
    records.clear();
    double total = 0;
    for (const auto& attempt : snapshot.attempts()) {
        if (questionType != 0 && attempt.type != questionType) continue;
        records.emplace_back(attempt.date, attempt.isRight);
        total += attempt.time;
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const StatRecord& a, const StatRecord& b) { return a.compare(b) < 0; });
    return total;
}

double StatAggregator::coveredPeriod(fnd::Date now) const {
    if (statRecords_.empty()) return 0;
    return now.timeIntervalSince(statRecords_.front().date());
}
