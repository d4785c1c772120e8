#include "tests/support/StatisticsFixtures.h"

#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MHRecord.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
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

}  // namespace statistics_test
