#include "Classes/timer/TimerBackup.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "Classes/timer/TimerText.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/TimeZone.h"

namespace {

constexpr const char* kPattern = "HH:mm:ss.SSS|MMddyyyy";
const std::string kRule(48, '-');

enum Group { kName = 1, kType, kNumber, kQuestions, kLetter, kGuess, kGrade, kSeconds, kStart, kMoment };

const char* gradeWord(int grade) {
    switch (grade) {
        case MTimerRecord::kRight:
            return "right";
        case MTimerRecord::kWrong:
            return "wrong";
        default:
            return "grade it";
    }
}

int gradeOfWord(const std::string& word) {
    if (word == "right") return MTimerRecord::kRight;
    if (word == "wrong") return MTimerRecord::kWrong;
    return MTimerRecord::kNotGraded;
}

std::optional<int> toInt(const std::string& text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The fields of an answer line that the model can hold: a kind that exists and numbers of 32 bits;
// an open size only for a custom section, with no time limit either.
struct LineFields {
    int type = 0, number = 0, questions = 0, seconds = 0;
};
std::optional<LineFields> readFields(const ostrand::Regex::Groups& g) {
    auto type = toInt(g[kType]);
    auto number = toInt(g[kNumber]);
    auto questions = toInt(g[kQuestions]);
    auto seconds = toInt(g[kSeconds]);
    if (!type || !number || !questions || !seconds) return std::nullopt;
    if (*type < MTimerRecord::kQuantitative || *type > MTimerRecord::kCustom) return std::nullopt;
    const bool openQuestions = *questions == MTimerRecord::kOpenEnded;
    const bool openTime = *seconds == MTimerRecord::kOpenEnded;
    if ((openQuestions || openTime) && !(openQuestions && openTime && *type == MTimerRecord::kCustom))
        return std::nullopt;
    return LineFields{*type, *number, *questions, *seconds};
}

}  // namespace

fnd::DateFormatter TimerBackup::dateFormatter() {
    return fnd::DateFormatter(kPattern, fnd::Locale("en_US"), fnd::TimeZone::current());
}

std::string TimerBackup::exportText(const MTimerRecordSet& set) {
    const fnd::DateFormatter formatter = dateFormatter();
    std::string text = std::string(kBanner) + "\n\n\n";
    for (const auto& record : set.timerRecords()) {
        const std::string name = TimerText::displayName(*record);
        text += "\n\n" + kRule + "\n";
        text += "Set type: " + name + " " + TimerText::progress(*record) + "\t" +
                formatter.stringFromDate(TimerText::lastStamp(*record)) + "\n" + kRule + "\n\n";
        const auto& stamps = record->dateStamps();
        if (stamps.empty()) continue;
        // What every line of the section repeats.
        const std::string head = "Timer-" + name + "-" + std::to_string(record->setType()) + "-";
        const std::string sizes = std::to_string(record->totalNumber()) + "-";
        const std::string tail =
            "-" + std::to_string(record->totalTime()) + "-" + formatter.stringFromDate(stamps.front()) + "-";
        for (int i = 0; i < record->numberOfAnswers() && std::size_t(i) + 1 < stamps.size(); ++i) {
            const auto at = std::size_t(i);
            text += head + std::to_string(record->startNumber() + i) + "-" + sizes +
                    record->userAnswers()[at] + (record->guesses()[at] ? "-guess-" : "-sure-") +
                    gradeWord(record->grades()[at]) + tail + formatter.stringFromDate(stamps[at + 1]) + ";\n";
        }
    }
    return text;
}

bool TimerBackup::isDuplicate(const MTimerRecordSet& set, fnd::Date start) {
    for (const auto& record : set.timerRecords())
        if (!record->dateStamps().empty() &&
            std::abs(start.timeIntervalSince(record->dateStamps().front())) < kSameStart)
            return true;
    return false;
}

TimerBackup::ImportCount TimerBackup::importText(const std::string& text, MTimerRecordSet& set) {
    const fnd::DateFormatter formatter = dateFormatter();
    ImportCount count;
    std::shared_ptr<MTimerRecord> building;
    std::optional<fnd::Date> lastStart;
    // A section's lines repeat its start: it is read once.
    std::string startText;
    std::optional<fnd::Date> startDate;
    for (const auto& g :
         ostrand::Regex::allMatchGroups(text, kLinePattern, ostrand::RegexOptions::MultiLine)) {
        ++count.matched;
        if (g[kStart] != startText) {
            startText = g[kStart];
            startDate = formatter.dateFromString(startText);
        }
        const std::optional<fnd::Date> moment = formatter.dateFromString(g[kMoment]);
        const std::optional<LineFields> fields = readFields(g);
        if (!startDate || !moment || !fields) continue;
        const fnd::Date d = *startDate;
        if (d != lastStart) {
            if (building) set.addTimerRecord(std::move(building));
            building.reset();
            if (isDuplicate(set, d)) continue;
            building = std::make_shared<MTimerRecord>();
            building->setCustomName(g[kName]);
            building->setSetType(fields->type);
            building->setStatus(MTimerRecord::kFinished);
            building->setStartNumber(fields->number);
            building->setTotalNumber(fields->questions);
            building->setTotalTime(fields->seconds);
            building->dateStamps().push_back(d);
            lastStart = d;
        }
        if (!building) continue;
        building->dateStamps().push_back(*moment);
        building->userAnswers().push_back(g[kLetter]);
        building->guesses().push_back(g[kGuess] == "guess");
        building->grades().push_back(gradeOfWord(g[kGrade]));
        ++count.imported;
    }
    if (building) set.addTimerRecord(std::move(building));
    return count;
}
