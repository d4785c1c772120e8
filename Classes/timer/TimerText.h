#pragma once
// The texts the timer's screens, its results mail and its backup share: times as minutes and
// seconds, a section's name and the span of questions it covers.

#include <string>

#include "platform/foundation/Date.h"

class MTimerRecord;

class TimerText {
  public:
    // Minutes and seconds, each of at least two digits, joined by ":" (75 s "01:15", 6000 s
    // "100:00"). Unless rounding down, a started second counts as a whole one. A time below zero
    // (the last moment of a section whose end is not yet noticed) shows as "00:00".
    static std::string secondsToString(double seconds, bool roundDown);
    // The section's own name, or its kind's ("Quantitative", "Verbal", "Custom") when it has none.
    static std::string displayName(const MTimerRecord& record);
    // The questions a section covers: a custom section's numbers in the user's numbering ("#12",
    // "#12 - #20"), a fixed one's answers of its size ("All", "12/37").
    static std::string progress(const MTimerRecord& record);
    // The moment the section ended: its last stamp (its start when it has no answers).
    static fnd::Date lastStamp(const MTimerRecord& record);
    // "right" for a right answer, "wrong" for a wrong one, else the word given for not graded.
    static const char* gradeWord(int grade, const char* notGraded);
    // The first `length` characters of a date's standard description (UTC), from `position`.
    static std::string describe(fnd::Date date, std::size_t position, std::size_t length);
};
