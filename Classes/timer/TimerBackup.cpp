#include "Classes/timer/TimerBackup.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <unordered_map>

#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "Classes/timer/TimerText.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/TimeZone.h"

namespace {

constexpr const char* kPattern = "HH:mm:ss.SSS|MMddyyyy";
const std::string kRule(48, '-');
constexpr const char* kNotGradedWord = "grade it";

enum Group { kName = 1, kType, kNumber, kQuestions, kLetter, kGuess, kGrade, kSeconds, kStart, kMoment };

int gradeOfWord(const std::string& word) {
    for (int grade : {MTimerRecord::kRight, MTimerRecord::kWrong})
        if (word == TimerText::gradeWord(grade, kNotGradedWord)) return grade;
    return MTimerRecord::kNotGraded;
}

// Reads the moments of a backup. A restore reads tens of thousands of them, nearly all in a few
// hours of a few days: the full formatter reads each day and hour once, in the device's zone, and
// the minutes, seconds and milliseconds are added to it. Text of another shape goes to the full
// formatter, which refuses it.
class MomentReader {
  public:
    std::optional<fnd::Date> read(const std::string& text) {
        if (!hasShape(text)) return full_.dateFromString(text);
        const int minutes = number(text, 3, 2), seconds = number(text, 6, 2), millis = number(text, 9, 3);
        if (minutes > 59 || seconds > 59) return std::nullopt;
        std::string hour = text.substr(0, 2) + text.substr(12);
        auto found = hours_.find(hour);
        if (found == hours_.end()) found = hours_.emplace(hour, hourly_.dateFromString(hour)).first;
        if (!found->second) return std::nullopt;
        // In whole milliseconds, as the full formatter reads them.
        const double ms = std::round(found->second->timeIntervalSinceReferenceDate() * 1000) +
                          (minutes * 60 + seconds) * 1000.0 + millis;
        return fnd::Date(ms / 1000);
    }

  private:
    static bool hasShape(const std::string& t) {
        static constexpr const char* kShape = "99:99:99.999|99999999";
        if (t.size() != 21) return false;
        for (std::size_t i = 0; i < t.size(); ++i)
            if (kShape[i] == '9' ? !(t[i] >= '0' && t[i] <= '9') : t[i] != kShape[i]) return false;
        return true;
    }
    static int number(const std::string& t, std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (t[i] - '0');
        return value;
    }

    fnd::DateFormatter full_ = TimerBackup::dateFormatter();
    fnd::DateFormatter hourly_{"HH|MMddyyyy", fnd::Locale("en_US"), fnd::TimeZone::current()};
    std::unordered_map<std::string, std::optional<fnd::Date>> hours_;
};

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
                    TimerText::gradeWord(record->grades()[at], kNotGradedWord) + tail +
                    formatter.stringFromDate(stamps[at + 1]) + ";\n";
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
    MomentReader moments;
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
            startDate = moments.read(startText);
        }
        const std::optional<fnd::Date> moment = moments.read(g[kMoment]);
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
