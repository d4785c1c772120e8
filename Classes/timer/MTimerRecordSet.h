#pragma once
// The finished sections the user kept, newest first.

#include <memory>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MTimerRecord;

class MTimerRecordSet : public fnd::Object, public fnd::Coding {
  public:
    using Records = std::vector<std::shared_ptr<MTimerRecord>>;

    MTimerRecordSet() = default;

    // Puts the record first, as the newest.
    void addTimerRecord(std::shared_ptr<MTimerRecord> record);
    // The record at an index from the newest; null when there is none.
    std::shared_ptr<MTimerRecord> timerRecordAtIndex(int index) const;
    int count() const { return static_cast<int>(timerRecords_.size()); }
    // Removes the record at an index; an index out of range removes nothing.
    void removeTimerRecordAtIndex(int index);
    const Records& timerRecords() const { return timerRecords_; }

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

  private:
    Records timerRecords_;
};
