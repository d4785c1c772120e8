#include "Classes/library_store/MIBHRecord.h"

#include <cmath>
#include <cstdio>
#include <mutex>

#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

MIBHRecord::MIBHRecord() { registerArchiveClass(); }

MIBHRecord::MIBHRecord(std::optional<fnd::Date> date, double time, bool isRight,
                       std::optional<std::string> answer)
    : date_(date), time_(time), isRight_(isRight), answer_(std::move(answer)) {
    registerArchiveClass();
}

void MIBHRecord::registerArchiveClass() {
    static std::once_flag once;
    std::call_once(once, [] { fnd::ClassRegistry::shared().registerClass<MIBHRecord>("MIBHRecord"); });
}

std::string MIBHRecord::stringWithTime() const {
    double t = time_ + 0.99999;
    long long minutes = static_cast<long long>(std::floor(t / 60));
    long long seconds = static_cast<long long>(std::floor(t - 60.0 * static_cast<double>(minutes)));
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld", minutes, seconds);
    return text;
}

void MIBHRecord::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    if (date_) coder.encodeDate("date", *date_);
    coder.encodeDouble("time", time_);
    coder.encodeBool("isRight", isRight_);
    if (answer_) coder.encodeString("answer", *answer_);
}

void MIBHRecord::initWithCoder(fnd::KeyedUnarchiver& coder) {
    date_ = coder.decodeDate("date");
    time_ = coder.decodeDouble("time");
    isRight_ = coder.decodeBool("isRight");
    answer_ = coder.decodeString("answer");
}
