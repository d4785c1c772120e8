#include "tests/support/StatisticsFixtures.h"

#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MHRecord.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MQSetSimpleQuestion.h"

namespace statistics_test {

PracticeFixture::PracticeFixture() { sets.push_back(MQSet::make(1, "Set", "", "", true)); }

void PracticeFixture::addQuestion(std::int32_t type, std::int32_t rightAnswer,
                                  const std::vector<Try>& tries) {
    auto& set = sets.front();
    auto question = MQSetSimpleQuestion::make(set, static_cast<std::int32_t>(set->questions().size() + 1),
                                              type, rightAnswer, {}, "body", {}, "", std::nullopt);
    MQSetQuestion::History history;
    for (const auto& t : tries)
        history.push_back(std::make_shared<MQSetHRecord>(fnd::Date(t.date), t.time,
                                                         std::make_shared<MQSetSimpleAnswer>(t.answer)));
    question->restoreHistory(std::move(history));
    set->questions().push_back(question);
}

ErrorLogFixture::ErrorLogFixture() {
    auto book = std::make_shared<MBook>("Book", "Book", std::nullopt, 1, 100, nullptr);
    section_ = std::make_shared<MSection>("Section", "Section", "", 1, 1, 100);
    book->addSection(section_);
    books.push_back(book);
}

void ErrorLogFixture::addQuestion(int type, int rightAnswer, const std::vector<Try>& tries) {
    std::optional<MQuestion::History> history;
    if (!tries.empty()) {
        history.emplace();
        for (const auto& t : tries)
            history->push_back(MHRecord::initWithDate(fnd::Date(t.date), t.time, t.answer, false));
    }
    int number = static_cast<int>(section_->questions().size() + 1);
    section_->addQuestion(std::make_shared<MQuestion>(books.front().get(), section_.get(), type, number, 1,
                                                      rightAnswer, nullptr, std::move(history)));
}

std::shared_ptr<MRepository> repositoryWith(const PracticeFixture& practice,
                                            const ErrorLogFixture& errorLog) {
    auto rep = std::make_shared<MRepository>();
    auto practiceRep = std::make_shared<MPracticeRepository>();
    practiceRep->setQSets(practice.sets);
    rep->setPracticeRep(practiceRep);
    auto tracker = std::make_shared<MOGTrackerRepository>();
    tracker->setBooks(errorLog.books);
    rep->setTrackerRep(tracker);
    return rep;
}

std::vector<StudyAnswer> studyHistory(double now) {
    constexpr int kDays = 49;
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    std::vector<StudyAnswer> answers;
    for (int day = kDays; day >= 0; --day) {
        // A rest day now and then; more work on weekends and as the test comes closer.
        if (day % 9 == 4) continue;
        const int count = 4 + static_cast<int>(next() % 6) + (day % 7 < 2 ? 6 : 0) + (kDays - day) / 8;
        const double progress = 1.0 - static_cast<double>(day) / kDays;
        for (int a = 0; a < count; ++a) {
            // Today's answers in the last two hours, earlier days' through the day before.
            const double hoursBack = day == 0 ? 2.0 * a / count : 9 + a * 10.0 / count;
            const double date = now - day * 86400.0 - 3600.0 * hoursBack + 60.0 * (next() % 50);
            if (date > now) continue;
            // Types in turn, reading comprehension less often; each type its own pace of progress.
            static constexpr int kTypes[] = {1, 2, 3, 4, 1, 2, 3, 4, 5};
            StudyAnswer answer;
            answer.type = kTypes[next() % 9];
            const double skill = 0.42 + 0.1 * (answer.type % 3) + 0.3 * progress;
            answer.right = static_cast<double>(next() % 1000) < 1000 * skill;
            answer.rightAnswer = 1 + static_cast<int>(next() % 5);
            answer.attempt = {date, 40.0 + next() % 140,
                              answer.right ? answer.rightAnswer : 1 + answer.rightAnswer % 5};
            answer.errorLog = answer.type >= 3 && next() % 2 == 0;
            answer.passageFirst = answer.type == 5 && a % 3 == 0;
            answers.push_back(answer);
        }
    }
    return answers;
}

void addStudyHistory(PracticeFixture& practice, ErrorLogFixture& errorLog, double now) {
    for (const StudyAnswer& answer : studyHistory(now)) {
        if (answer.errorLog)
            errorLog.addQuestion(answer.passageFirst ? 6 : answer.type, answer.rightAnswer, {answer.attempt});
        else
            practice.addQuestion(answer.type, answer.rightAnswer, {answer.attempt});
    }
}

}  // namespace statistics_test
