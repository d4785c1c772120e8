#include "Classes/practice/PracticeBackup.h"

#include <cstdlib>
#include <map>

#include "Classes/core/TextBackup.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/Json.h"

namespace {

const std::string kRule(48, '-');
constexpr std::size_t kParts = 7;

std::vector<std::string> splitAtDashes(const std::string& line) {
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        std::size_t dash = line.find('-', from);
        parts.push_back(line.substr(from, dash - from));
        if (dash == std::string::npos) return parts;
        from = dash + 1;
    }
}

// The choice of an answer text when it is one choice from 1 to 5 ("[3]"); else 0. A record with
// another answer could be shown, counted and sorted by nothing.
std::int32_t choiceOf(const std::string& text) {
    auto value = fnd::Json::parse(text);
    if (!value || !value->isArray() || value->asArray().size() != 1 || !(*value)[0].isNumber()) return 0;
    double choice = (*value)[0].asReal();
    return choice >= 1 && choice <= 5 && choice == std::int32_t(choice) ? std::int32_t(choice) : 0;
}

bool isDuplicate(const MQSetQuestion& question, const MQSetHRecord& record) {
    for (const auto& old : question.history())
        if (old->answer() && old->answer()->isTheSameAs(record.answer().get()) &&
            TextBackup::isSameAttempt(old->time() - record.time(),
                                      old->date().timeIntervalSince(record.date())))
            return true;
    return false;
}

// The questions a line can name, by set identifier and the number the line gives, in set order.
class QuestionIndex {
  public:
    explicit QuestionIndex(const PracticeBackup::Sets& sets) {
        for (const auto& set : sets)
            for (const auto& question : set->questions())
                questions_[{set->setUID(), PracticeBackup::lineNumber(*set, *question)}].push_back(
                    question.get());
    }
    const std::vector<MQSetQuestion*>* find(long long setUID, std::int32_t number) const {
        auto found = questions_.find({setUID, number});
        return found == questions_.end() ? nullptr : &found->second;
    }

  private:
    std::map<std::pair<long long, std::int32_t>, std::vector<MQSetQuestion*>> questions_;
};

}  // namespace

std::int32_t PracticeBackup::topicNumber(const std::string& address) {
    auto topic = ostrand::Regex::firstMatch(address, kTopicPattern);
    return topic ? std::atoi(topic->c_str()) : 0;
}

std::int32_t PracticeBackup::lineNumber(const MQSet& set, const MQSetQuestion& question) {
    if (set.setUID() != MQSet::kForumSetUID) return question.number();
    return question.threadURL() ? topicNumber(*question.threadURL()) : 0;
}

std::string PracticeBackup::backupText(const Sets& sets) {
    const fnd::DateFormatter formatter = TextBackup::dateFormatter();
    std::string text = kBanner;
    for (const auto& set : sets) {
        text += TextBackup::heading(kRule, set->setName() + set->description());
        std::string prefix = "Practice-" + std::to_string(set->setUID()) + "-";
        for (const auto& question : set->questions()) {
            if (!question->hasHistory()) continue;
            std::string head = prefix + question->stringWithType().value_or("") + "-" +
                               std::to_string(lineNumber(*set, *question)) + "-";
            // A record without an answer (only a damaged archive holds one) could not be read
            // back, so it is not written.
            for (const auto& record : question->history())
                if (auto answer = record->stringWithAnswer())
                    text += head + record->stringWithTime() + "-" + *answer + "-" +
                            formatter.stringFromDate(record->date()) + ";\n";
        }
    }
    return text;
}

PracticeBackup::Counts PracticeBackup::restore(const Sets& sets, std::string_view text) {
    Counts counts;
    std::vector<std::string> lines = ostrand::Regex::allMatches(text, kLinePattern);
    if (lines.empty()) return counts;
    QuestionIndex index(sets);
    TextBackup::DateReader dates;
    for (const std::string& line : lines) {
        std::vector<std::string> parts = splitAtDashes(line);
        if (parts.size() != kParts) continue;
        ++counts.found;
        std::int32_t number = std::atoi(parts[3].c_str());
        const auto* questions =
            number >= 1 ? index.find(std::strtoll(parts[1].c_str(), nullptr, 10), number) : nullptr;
        if (!questions) continue;
        std::optional<fnd::Date> date = dates.read(parts[6]);
        std::int32_t choice = choiceOf(parts[5]);
        if (!date || choice == 0) continue;
        double time = std::atoi(parts[4].c_str()) * 60 + std::atoi(parts[4].c_str() + 3);
        for (MQSetQuestion* question : *questions) {
            if (!MQSet::nameMatchesType(parts[2], question->questionType())) continue;
            auto answer = question->answerFromString(parts[5]);
            if (!answer) continue;
            auto record = std::make_shared<MQSetHRecord>(*date, time, std::move(answer));
            if (isDuplicate(*question, *record)) continue;
            question->addHistoryRecord(record);
            ++counts.added;
        }
    }
    return counts;
}
