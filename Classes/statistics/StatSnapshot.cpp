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

// Every attempt of the sets, set by set and question by question, handed to `visit` until it
// answers false; answers whether all were handed over.
template <class Visit>
bool eachPractice(const std::vector<std::shared_ptr<MQSet>>& qSets, Visit&& visit) {
    for (const auto& set : qSets) {
        if (!set) continue;
        for (const auto& question : set->questions()) {
            if (!question || !question->rightAnswer()) continue;
            const MQSetAnswer* right = question->rightAnswer().get();
            for (const auto& record : question->history()) {
                if (!record) continue;
                const auto verdict = isRight(record->answer().get(), right);
                if (verdict && !visit(StatSnapshot::Attempt{record->date(), record->time(),
                                                            question->questionType(), *verdict}))
                    return false;
            }
        }
    }
    return true;
}

// As `eachPractice`, for the books' scored questions, section by section.
template <class Visit>
bool eachErrorLog(const std::vector<std::shared_ptr<MBook>>& books, Visit&& visit) {
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
                    if (!visit(StatSnapshot::Attempt{*record->date(), record->time(), type,
                                                     record->answer() == question->rightAnswer()}))
                        return false;
                }
            }
        }
    }
    return true;
}

template <class Visit>
void eachAttempt(const std::vector<std::shared_ptr<MQSet>>& qSets,
                 const std::vector<std::shared_ptr<MBook>>& books, Visit&& visit) {
    if (eachPractice(qSets, visit)) eachErrorLog(books, visit);
}

}  // namespace

std::shared_ptr<const StatSnapshot> StatSnapshot::take(const std::vector<std::shared_ptr<MQSet>>& qSets,
                                                       const std::vector<std::shared_ptr<MBook>>& books) {
    auto snapshot = std::make_shared<StatSnapshot>();
    eachAttempt(qSets, books, [&snapshot](const Attempt& attempt) {
        snapshot->addAttempt(attempt);
        return true;
    });
    return snapshot;
}

std::size_t StatSnapshot::countAttempts(const std::vector<std::shared_ptr<MQSet>>& qSets,
                                        const std::vector<std::shared_ptr<MBook>>& books, std::size_t limit) {
    std::size_t count = 0;
    if (limit == 0) return 0;
    eachAttempt(qSets, books, [&count, limit](const Attempt&) { return ++count < limit; });
    return count;
}

std::size_t StatSnapshot::countAttempts(const MRepository& repository, std::size_t limit) {
    return countAttempts(repository.qSets(), repository.books(), limit);
}

std::shared_ptr<const StatSnapshot> StatSnapshot::take(const MRepository& repository) {
    return take(repository.qSets(), repository.books());
}
