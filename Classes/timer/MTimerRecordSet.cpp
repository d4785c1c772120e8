#include "Classes/timer/MTimerRecordSet.h"

#include "Classes/timer/MTimerRecord.h"
#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {

[[maybe_unused]] const bool registered = [] {
    fnd::ClassRegistry::shared().registerClass<MTimerRecordSet>("MTimerRecordSet");
    return true;
}();

}  // namespace

void MTimerRecordSet::addTimerRecord(std::shared_ptr<MTimerRecord> record) {
    if (record) timerRecords_.insert(timerRecords_.begin(), std::move(record));
}

std::shared_ptr<MTimerRecord> MTimerRecordSet::timerRecordAtIndex(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return timerRecords_[index];
}

void MTimerRecordSet::removeTimerRecordAtIndex(int index) {
    if (index < 0 || index >= count()) return;
    timerRecords_.erase(timerRecords_.begin() + index);
}

void MTimerRecordSet::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    auto records = fnd::ArchiveValue::makeArray();
    for (const auto& record : timerRecords_) records->emplace_back(record);
    coder.encodeObject("ktimerRecords", records);
}

void MTimerRecordSet::initWithCoder(fnd::KeyedUnarchiver& coder) {
    timerRecords_.clear();
    if (auto records = coder.decodeArray("ktimerRecords"))
        for (const auto& item : *records)
            if (auto record = item.object<MTimerRecord>()) timerRecords_.push_back(record);
}
