#include "Classes/timer/TimerText.h"

#include <cmath>
#include <cstdio>

#include "Classes/timer/MTimerRecord.h"

namespace {

// Added to a time that counts a started second.
constexpr double kStartedSecond = 0.99999;

std::string twoDigits(long long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%02lld", value);
    return text;
}

}  // namespace

std::string TimerText::secondsToString(double seconds, bool roundDown) {
    double value = roundDown ? seconds : seconds + kStartedSecond;
    if (!(value > 0)) value = 0;
    const double minutes = std::trunc(value / 60);
    const double rest = std::trunc(value - 60 * minutes);
    return twoDigits(static_cast<long long>(minutes)) + ":" + twoDigits(static_cast<long long>(rest));
}

std::string TimerText::displayName(const MTimerRecord& record) {
    if (!record.customName().empty()) return record.customName();
    return record.stringForSetType().value_or("");
}

std::string TimerText::progress(const MTimerRecord& record) {
    const int answers = record.numberOfAnswers();
    if (record.setType() == MTimerRecord::kCustom) {
        const int first = record.startNumber();
        if (answers == 1) return "#" + std::to_string(first);
        return "#" + std::to_string(first) + " - #" + std::to_string(first + answers - 1);
    }
    if (answers == record.totalNumber()) return "All";
    return std::to_string(answers) + "/" + std::to_string(record.totalNumber());
}

fnd::Date TimerText::lastStamp(const MTimerRecord& record) {
    return record.dateStamps().empty() ? fnd::Date() : record.dateStamps().back();
}

std::string TimerText::describe(fnd::Date date, std::size_t position, std::size_t length) {
    const std::string description = date.description();
    if (position >= description.size()) return {};
    return description.substr(position, length);
}

const char* TimerText::gradeWord(int grade, const char* notGraded) {
    switch (grade) {
        case MTimerRecord::kRight:
            return "right";
        case MTimerRecord::kWrong:
            return "wrong";
        default:
            return notGraded;
    }
}
