#include "Classes/errorlog/BooksBackup.h"

#include <cmath>
#include <cstdlib>

#include "Classes/core/TextBackup.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MHRecord.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/DateFormatter.h"

namespace {

const std::string kReportRule(70, '-');
const std::string kBackupRule(48, '-');

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
        text += TextBackup::heading(kReportRule, book->fullName());
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
    const fnd::DateFormatter formatter = TextBackup::dateFormatter();
    std::string text = kBanner;
    for (const auto& book : books) {
        text += TextBackup::heading(kBackupRule, book->fullName());
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

std::string BooksBackup::mailURL(std::string_view text) { return TextBackup::mailURL(text); }

std::string BooksBackup::label(const Counts& counts) { return TextBackup::label(counts); }

BooksBackup::Counts BooksBackup::restore(const Books& books, std::string_view text) {
    TextBackup::DateReader dates;
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
        ++counts.found;
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
        if (TextBackup::isSameAttempt(old->time() - record.time(),
                                      old->date()->timeIntervalSince(*record.date())))
            return true;
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
