#pragma once
// The practice answers as plain text and back. The backup is a banner, then for every set a
// heading with its name and description and one line per answer record, question by question and
// oldest record first:
//
//     Practice-1000-PS-12-01:35-[2]-14:05:09|03152026;
//
// (set, type, number, time as minutes:seconds, answer, date as "HH:mm:ss|MMddyyyy" in the device's
// zone). A question of the forum set is written with its topic number in place of its number.
//
// The restore finds every such line in any text, matches it to its question by set, number and
// type, and adds it to that question's history unless the same attempt is there already (same
// answer, times less than 2 s and dates less than a minute apart). A line whose date does not read
// or whose answer is not one choice from 1 to 5 counts as found but adds nothing.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Classes/core/TextBackup.h"

class MQSet;
class MQSetQuestion;

class PracticeBackup {
  public:
    using Sets = std::vector<std::shared_ptr<MQSet>>;
    static constexpr const char* kBanner =
        "*** This is backup form Tovrida (Practice) that can be used to restore your data in the app later "
        "***\n\n\n";
    static constexpr const char* kLinePattern =
        "Practice-\\d{1,20}-[^-]{2,20}-\\d{1,7}-\\d{2}:\\d{2}-\\[[^\\]]+\\]-[^-]{17}";
    static constexpr const char* kTopicPattern = "(?<=t=)\\d{1,7}\\Z";

    static std::string backupText(const Sets& sets);

    // What a restore did: the records added and the well-formed lines found.
    using Counts = TextBackup::Counts;
    static Counts restore(const Sets& sets, std::string_view text);

    // The topic number at the end of a forum address ("...?t=123456"); 0 without one.
    static std::int32_t topicNumber(const std::string& address);
    // The number a line names the question by.
    static std::int32_t lineNumber(const MQSet& set, const MQSetQuestion& question);
};
