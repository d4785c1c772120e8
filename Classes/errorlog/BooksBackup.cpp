#include "Classes/errorlog/BooksBackup.h"

#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MHRecord.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/PercentEscaping.h"

namespace {

const std::string kReportRule(70, '-');
const std::string kBackupRule(48, '-');

fnd::DateFormatter backupDateFormatter() {
    return fnd::DateFormatter("HH:mm:ss|MMddyyyy", fnd::Locale("en_US"), fnd::TimeZone::current());
}

// Reads the backup's dates. The calendar's parse is slow, and a backup's attempts come in runs
// within one hour, so each hour is parsed once and the minutes and seconds are added to it. An
// hour keeps one offset from UTC, a repeated hour included (the parse takes its first pass).
class DateReader {
  public:
    std::optional<fnd::Date> read(const std::string& text) {
        // "HH:mm:ss|MMddyyyy"
        auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
        if (text.size() != 17 || text[2] != ':' || text[5] != ':' || text[8] != '|') return std::nullopt;
        for (std::size_t i : {3, 4, 6, 7})
            if (!digit(i)) return std::nullopt;
        int minutes = (text[3] - '0') * 10 + (text[4] - '0');
        int seconds = (text[6] - '0') * 10 + (text[7] - '0');
        if (minutes > 59 || seconds > 59) return std::nullopt;
        std::string hour = text.substr(0, 3) + "00:00" + text.substr(8);
        auto [at, fresh] = hours_.try_emplace(hour);
        if (fresh) at->second = formatter_.dateFromString(hour);
        if (!at->second) return std::nullopt;
        return fnd::Date(at->second->timeIntervalSinceReferenceDate() + minutes * 60 + seconds);
    }

  private:
    fnd::DateFormatter formatter_ = backupDateFormatter();
    std::unordered_map<std::string, std::optional<fnd::Date>> hours_;
};

std::string heading(const std::string& rule, const std::string& name) {
    return "\n\n" + rule + "\n" + name + "\n" + rule + "\n\n";
}

// The first attempt of the question as the report shows it; empty when it has none.
std::string reportAttempt(const MQuestion& question) {
    const auto& history = question.history();
    if (!history || history->empty()) return {};
    const MHRecord& first = *history->front();
    std::string line = first.stringWithTime() + " " + first.stringWithAnswer().value_or("");
    // An attempt at a question without a key is shown without a verdict and without the key.
    if (!question.isScored())
        line += " unscored";
    else
        line += (first.answer() == question.rightAnswer() ? " right" : " wrong") + std::string(" OA:") +
                question.stringWithRightAnswer().value_or("");
    line += " Tags:";
    if (question.conceptNames())
        for (const auto& tag : *question.conceptNames()) line += tag + "; ";
    return line;
}

}  // namespace

std::string BooksBackup::reportText(const Books& books) {
    std::string text;
    for (const auto& book : books) {
        text += heading(kReportRule, book->fullName());
        for (const auto& section : book->sections()) {
            text += "\n\n" + section->fullName() + "\n\n";
            for (const auto& question : section->questions())
                text += std::to_string(question->number()) + ". " + reportAttempt(*question) + "\n";
        }
    }
    return text;
}

std::string BooksBackup::recordLine(const MBook& book, const MSection& section, const MQuestion& question,
                                    const MHRecord& record, const fnd::DateFormatter& formatter) {
    return "Books-" + book.shortName() + "-" + section.shortName() + "-" +
           question.stringWithType().value_or("") + "-" + std::to_string(question.number()) + "-" +
           record.stringWithTime() + "-" + record.stringWithAnswer().value_or("") + "-" +
           (record.fguess() ? "guess" : "sure") + "-" + formatter.stringFromDate(*record.date()) + ";\n";
}

std::string BooksBackup::backupText(const Books& books) {
    const fnd::DateFormatter formatter = backupDateFormatter();
    std::string text = kBanner;
    for (const auto& book : books) {
        text += heading(kBackupRule, book->fullName());
        for (const auto& section : book->sections())
            for (const auto& question : section->questions()) {
                if (!question->history()) continue;
                // An attempt without a date or a letter (only a damaged archive holds one) could not
                // be read back, so it is not written.
                for (const auto& record : *question->history())
                    if (record->date() && record->stringWithAnswer())
                        text += recordLine(*book, *section, *question, *record, formatter);
            }
    }
    return text;
}

std::string BooksBackup::mailURL(std::string_view text) {
    return kMailAddress + fnd::percentEscapeStrict(text);
}

std::string BooksBackup::label(const Counts& counts) {
    return std::to_string(counts.added) + "/" + std::to_string(counts.valid);
}

BooksBackup::Counts BooksBackup::restore(const Books& books, std::string_view text) {
    DateReader dates;
    Counts counts;
    for (const std::string& match : ostrand::Regex::allMatches(text, kLinePattern)) {
        std::vector<std::string> parts;
        for (std::size_t from = 0;;) {
            std::size_t dash = match.find('-', from);
            parts.push_back(match.substr(from, dash - from));
            if (dash == std::string::npos) break;
            from = dash + 1;
        }
        if (parts.size() != 9) continue;
        restoreLine(books, parts, dates.read(parts[8]), counts);
        ++counts.valid;
    }
    return counts;
}

bool BooksBackup::typeMatches(const MQuestion& question, const std::string& typeName) {
    auto name = MBook::nameForType(question.questionType());
    if (name == typeName) return true;
    // A passage's first question is told from the others only by an installed key, so a backup
    // made before the key restores after it: in reading comprehension the two names match.
    auto isReading = [](const std::string& n) { return n == "RC" || n == "RCFirst"; };
    return name && isReading(*name) && isReading(typeName);
}

bool BooksBackup::isDuplicate(const MQuestion& question, const MHRecord& record) {
    for (const auto& old : *question.history()) {
        if (old->answer() != record.answer() || !old->date()) continue;
        long timeGap = long(old->time() - record.time());
        long dateGap = long(old->date()->timeIntervalSince(*record.date()));
        if (std::labs(timeGap) <= 1 && std::labs(dateGap) <= 59) return true;
    }
    return false;
}

void BooksBackup::restoreLine(const Books& books, const std::vector<std::string>& parts,
                              std::optional<fnd::Date> date, Counts& counts) {
    // A date that does not read makes no attempt: every reader of attempts needs one.
    if (!date) return;
    int number = std::atoi(parts[4].c_str());
    double time = std::atoi(parts[5].c_str()) * 60 + std::atoi(parts[5].c_str() + 3);
    int answer = parts[6][0] - 64;
    bool guess = parts[7] == "guess";
    for (const auto& book : books) {
        if (book->shortName() != parts[1]) continue;
        for (const auto& section : book->sections()) {
            if (section->shortName() != parts[2]) continue;
            for (const auto& question : section->questions()) {
                if (question->number() != number || !typeMatches(*question, parts[3])) continue;
                auto record = MHRecord::initWithDate(*date, time, answer, guess);
                if (question->history() && isDuplicate(*question, *record)) continue;
                question->addHRecord(record);
                ++counts.added;
            }
        }
    }
}
