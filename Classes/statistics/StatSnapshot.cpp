#include "Classes/statistics/StatSnapshot.h"

#include <optional>

#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MHRecord.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"

namespace {

constexpr std::int32_t kReadingComprehension = 5;
constexpr std::int32_t kPassageFirst = 6;

// Nothing when the given answer is of a kind that cannot be compared (damaged data): such an
// attempt is left out rather than stopping the statistics.
std::optional<bool> isRight(const MQSetAnswer* given, const MQSetAnswer* right) {
    if (!given) return false;
    try {
        return given->isTheSameAs(right);
    } catch (const fnd::UnrecognizedSelector&) {
        return std::nullopt;
    }
}

void addPractice(StatSnapshot& snapshot, const std::vector<std::shared_ptr<MQSet>>& qSets) {
    for (const auto& set : qSets) {
        if (!set) continue;
        for (const auto& question : set->questions()) {
            if (!question || !question->rightAnswer()) continue;
            const MQSetAnswer* right = question->rightAnswer().get();
            for (const auto& record : question->history()) {
                if (!record) continue;
                const auto verdict = isRight(record->answer().get(), right);
                if (verdict)
                    snapshot.addAttempt({record->date(), record->time(), question->questionType(), *verdict});
            }
        }
    }
}

void addErrorLog(StatSnapshot& snapshot, const std::vector<std::shared_ptr<MBook>>& books) {
    for (const auto& book : books) {
        if (!book) continue;
        for (const auto& section : book->sections()) {
            if (!section) continue;
            for (const auto& question : section->questions()) {
                if (!question || !question->isScored() || !question->history()) continue;
                std::int32_t type = question->questionType();
                if (type == kPassageFirst) type = kReadingComprehension;
                for (const auto& record : *question->history()) {
                    if (!record || !record->date()) continue;
                    snapshot.addAttempt(
                        {*record->date(), record->time(), type, record->answer() == question->rightAnswer()});
                }
            }
        }
    }
}

}  // namespace

std::shared_ptr<const StatSnapshot> StatSnapshot::take(const std::vector<std::shared_ptr<MQSet>>& qSets,
                                                       const std::vector<std::shared_ptr<MBook>>& books) {
    auto snapshot = std::make_shared<StatSnapshot>();
    addPractice(*snapshot, qSets);
    addErrorLog(*snapshot, books);
    return snapshot;
}

std::shared_ptr<const StatSnapshot> StatSnapshot::take(const MRepository& repository) {
    return take(repository.qSets(), repository.books());
}
