#include "Classes/statistics/StatRecord.h"

int StatRecord::compare(const StatRecord& other) const {
    if (date_ < other.date_) return -1;
    return other.date_ < date_ ? 1 : 0;
}
