#pragma once
// The timer's text backup: every kept section as lines of text (a banner, a title per section and
// one line per answer, with its start and answer moments to the millisecond in the device's zone),
// and the restore that reads such lines back from any text, adding the finished sections that are
// not kept yet.
//
// An answer line: "Timer-NAME-TYPE-NUMBER-QUESTIONS-LETTER-guess|sure-grade it|right|wrong-SECONDS-
// START-MOMENT;" where START and MOMENT read "HH:mm:ss.SSS|MMddyyyy". The name may hold "-": the
// fields after it are fixed. An open-ended section writes -1 questions and -1 seconds.

#include <optional>
#include <string>

#include "platform/foundation/Date.h"
#include "platform/foundation/DateFormatter.h"

class MTimerRecordSet;

class TimerBackup {
  public:
    static constexpr const char* kBanner =
        "*** This is backup form Tovrida (Timer) that can be used to restore your data in the app later ***";
    static constexpr const char* kLinePattern =
        "^Timer-(.*)-(\\d{1})-(\\d+)-(-1|\\d+)-([A-E])-(guess|sure)-(grade it|right|wrong)-(-1|\\d+)-"
        "([^-]{21})-([^-]{21});$";
    // Two sections starting closer than this are the same one.
    static constexpr double kSameStart = 0.001;

    struct ImportCount {
        int imported = 0;
        int matched = 0;
        friend bool operator==(const ImportCount&, const ImportCount&) = default;
    };

    // "HH:mm:ss.SSS|MMddyyyy" in "en_US" and the device's zone: the moments of both directions.
    static fnd::DateFormatter dateFormatter();

    // The backup text of the set, in its order.
    static std::string exportText(const MTimerRecordSet& set);
    // Adds the sections of the text that are not kept yet, each finished, before the kept ones.
    static ImportCount importText(const std::string& text, MTimerRecordSet& set);
    // Whether a kept section starts within a millisecond of the moment.
    static bool isDuplicate(const MTimerRecordSet& set, fnd::Date start);
};
