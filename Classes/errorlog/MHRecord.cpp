#include "Classes/errorlog/MHRecord.h"

#include <cmath>
#include <cstdio>

#include "Classes/errorlog/SyncInfo.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

void MHRecord::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    if (date_) coder.encodeDate("kDate", *date_);
    coder.encodeDouble("kTime", time_);
    coder.encodeInt32("kAnswer", answer_);
    coder.encodeBool("kfguess", fguess_);
}

void MHRecord::initWithCoder(fnd::KeyedUnarchiver& coder) {
    date_ = coder.decodeDate("kDate");
    time_ = coder.decodeDouble("kTime");
    if (!std::isfinite(time_)) time_ = 0;
    answer_ = coder.decodeInt32("kAnswer");
    fguess_ = coder.containsValueForKey("kfguess") && coder.decodeBool("kfguess");
}

std::string MHRecord::stringWithTime(double seconds) {
    double t = seconds + 0.99999;
    if (!std::isfinite(t) || t < 0) t = 0;
    auto minutes = static_cast<long long>(t / 60);
    auto secs = static_cast<long long>(t - 60.0 * static_cast<double>(minutes));
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld", minutes, secs);
    return text;
}

std::optional<std::string> MHRecord::letterForAnswer(int answer) {
    if (answer < 1 || answer > 5) return std::nullopt;
    return std::string(1, static_cast<char>('A' + answer - 1));
}

int MHRecord::compareByDate(const MHRecord& other) const {
    if (!date_ || !other.date_) return date_ ? 1 : (other.date_ ? -1 : 0);
    return SyncInfo::compareLessStrictly(*date_, *other.date_);
}
