#pragma once
// One answer outcome for the statistics: when it was given and whether it was right.

#include "platform/foundation/Date.h"

class StatRecord {
  public:
    StatRecord() = default;
    StatRecord(fnd::Date date, bool isRight) : date_(date), isRight_(isRight) {}

    fnd::Date date() const { return date_; }
    bool isRight() const { return isRight_; }
    // -1, 0 or 1 as this record's date is earlier than, equal to or later than the other's.
    int compare(const StatRecord& other) const;

  private:
    fnd::Date date_;
    bool isRight_ = false;
};
