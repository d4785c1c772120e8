#include "Classes/timer/MTimer.h"

#include <fstream>
#include <iterator>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/Device.h"

namespace {

[[maybe_unused]] const bool registered = [] {
    auto& registry = fnd::ClassRegistry::shared();
    registry.registerClass<MTimer>("MTimer");
    // The earlier timer archived its screen, which held the same keys as this model.
    registry.registerAlias("TimerVC", "MTimer");
    registry.registerAlias("TimerVC_iPad", "MTimer");
    return true;
}();

constexpr double kVibrationPause = 1.0;

}  // namespace

MTimer::MTimer()
    : noVibrationTillDate_(fnd::Date::now()),
      currentRecord_(MTimerRecord::makeQuantitativeType()),
      timerRecordSet_(std::make_shared<MTimerRecordSet>()) {}

std::shared_ptr<MTimer> MTimer::make() {
    auto timer = std::make_shared<MTimer>();
    timer->loadOldTimerData();
    return timer;
}

std::filesystem::path MTimer::dataFilePath() { return fnd::Paths::documents() / "Timer"; }

bool MTimer::loadOldTimerData() {
    const std::filesystem::path path = dataFilePath();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream file(path, std::ios::binary);
    fnd::Bytes bytes;
    if (file) bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!file || file.bad()) {
        fnd::Log::warning("old timer file not read: ", path.string());
        return false;
    }
    return loadOldTimerData(bytes);
}

bool MTimer::loadOldTimerData(std::span<const std::uint8_t> archive) {
    fnd::KeyedUnarchiver coder(archive);
    if (!coder.valid()) {
        fnd::Log::warning("old timer file is no archive: ", coder.error());
        return false;
    }
    const char* rootKey = coder.containsValueForKey("kTimer") ? "kTimer" : "kTimerVC_iPad";
    auto old = coder.decodeObjectOfClass<MTimer>(rootKey);
    if (!old) return false;
    takeStateOf(*old);
    return true;
}

void MTimer::takeStateOf(const MTimer& other) {
    fXInfo_ = other.fXInfo_;
    customNumberOfQuestion_ = other.customNumberOfQuestion_;
    customTotalTime_ = other.customTotalTime_;
    customStartNumber_ = other.customStartNumber_;
    vibrate130_ = other.vibrate130_;
    vibrate200_ = other.vibrate200_;
    vibrateAnswer_ = other.vibrateAnswer_;
    color_ = other.color_;
    noVibrationTillDate_ = other.noVibrationTillDate_;
    setCurrentRecord(other.currentRecord_);
    setTimerRecordSet(other.timerRecordSet_);
}

void MTimer::setCurrentRecord(std::shared_ptr<MTimerRecord> record) {
    currentRecord_ = record ? std::move(record) : MTimerRecord::makeQuantitativeType();
}

void MTimer::setTimerRecordSet(std::shared_ptr<MTimerRecordSet> set) {
    timerRecordSet_ = set ? std::move(set) : std::make_shared<MTimerRecordSet>();
}

void MTimer::reallocCurrentRecord() {
    switch (currentRecord_->setType()) {
        case MTimerRecord::kQuantitative:
            currentRecord_ = MTimerRecord::makeVerbalType();
            break;
        case MTimerRecord::kVerbal:
            currentRecord_ = MTimerRecord::makeWithType(MTimerRecord::kCustom, customNumberOfQuestion_,
                                                        customTotalTime_, customStartNumber_);
            break;
        default:
            currentRecord_ = MTimerRecord::makeQuantitativeType();
            break;
    }
}

void MTimer::renewCurrentRecord() {
    // A kind no section has (only a damaged archive holds one) renews as quantitative.
    setCurrentRecord(MTimerRecord::makeWithType(currentRecord_->setType(), currentRecord_->totalNumber(),
                                                currentRecord_->totalTime(), customStartNumber_));
}

void MTimer::updateCurrentRecord() {
    currentRecord_ =
        MTimerRecord::makeCustomType(customNumberOfQuestion_, customTotalTime_, customStartNumber_);
}

bool MTimer::vibrationAllowed() {
    auto delegate = AbstractAppDelegate::shared();
    return delegate && delegate->fvibrationAllowed();
}

void MTimer::doVibrate() {
    const fnd::Date now = fnd::Date::now();
    if (noVibrationTillDate_ && *noVibrationTillDate_ > now) return;
    if (!vibrationAllowed()) return;
    ui::Device::current().vibrate();
    noVibrationTillDate_ = now.addingTimeInterval(kVibrationPause);
}

void MTimer::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeBool("kfXInfo", fXInfo_);
    coder.encodeInt32("kcustomNumberOfQuestion", customNumberOfQuestion_);
    coder.encodeDouble("kcustomTotalTime", customTotalTime_);
    coder.encodeInt32("kcustomStartNumber", customStartNumber_);
    coder.encodeBool("kvibrate130", vibrate130_);
    coder.encodeBool("kvibrate200", vibrate200_);
    coder.encodeBool("kvibrateAnswer", vibrateAnswer_);
    coder.encodeBool("kcolor", color_);
    coder.encodeObject("knoVibrationTillDate",
                       noVibrationTillDate_ ? fnd::ArchiveValue(*noVibrationTillDate_) : fnd::ArchiveValue());
    coder.encodeObject("kcurrentRecord", currentRecord_);
    coder.encodeObject("ktimerRecordSet", timerRecordSet_);
}

void MTimer::initWithCoder(fnd::KeyedUnarchiver& coder) {
    fXInfo_ = coder.decodeBool("kfXInfo");
    customNumberOfQuestion_ = coder.decodeInt32("kcustomNumberOfQuestion");
    customTotalTime_ = coder.decodeDouble("kcustomTotalTime");
    customStartNumber_ = coder.decodeInt32("kcustomStartNumber");
    vibrate130_ = coder.decodeBool("kvibrate130");
    vibrate200_ = coder.decodeBool("kvibrate200");
    vibrateAnswer_ = coder.decodeBool("kvibrateAnswer");
    color_ = coder.decodeBool("kcolor");
    noVibrationTillDate_ = coder.decodeDate("knoVibrationTillDate");
    setCurrentRecord(coder.decodeObjectOfClass<MTimerRecord>("kcurrentRecord"));
    setTimerRecordSet(coder.decodeObjectOfClass<MTimerRecordSet>("ktimerRecordSet"));
}
