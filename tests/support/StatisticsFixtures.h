#pragma once
// Small practice sets and error-log books with chosen attempts, for the statistics tests and
// benchmark.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/foundation/Date.h"

class MBook;
class MQSet;
class MRepository;
class MSection;

namespace statistics_test {

// One attempt: when, how long, and the letter given (1 to 5).
struct Try {
    double date;
    double time;
    int answer;
};

// A practice set with one question per call of addQuestion().
class PracticeFixture {
  public:
    PracticeFixture();
    void addQuestion(std::int32_t type, std::int32_t rightAnswer, const std::vector<Try>& tries);
    std::vector<std::shared_ptr<MQSet>> sets;
};

// One book of one section with one question per call of addQuestion().
class ErrorLogFixture {
  public:
    ErrorLogFixture();
    void addQuestion(int type, int rightAnswer, const std::vector<Try>& tries);
    std::vector<std::shared_ptr<MBook>> books;

  private:
    std::shared_ptr<MSection> section_;
};

// A repository whose practice and tracker sub-repositories hold the fixtures' sets and books.
std::shared_ptr<MRepository> repositoryWith(const PracticeFixture& practice, const ErrorLogFixture& errorLog);

// One answer of a study history.
struct StudyAnswer {
    int type = 0;  // 1 to 5
    int rightAnswer = 1;
    bool right = false;
    Try attempt{};
    // Given in the error log rather than in practice (SC, CR and RC only), and there to the first
    // question of a reading passage.
    bool errorLog = false;
    bool passageFirst = false;
};

// Seven weeks of study up to `now`, in date order: every question type, some days more, some
// none, accuracy rising over time. The same history every time.
std::vector<StudyAnswer> studyHistory(double now);

// The history as one question per answer: practice questions of every type and error-log
// questions of SC, CR and RC (passage-first questions among them).
void addStudyHistory(PracticeFixture& practice, ErrorLogFixture& errorLog, double now);

}  // namespace statistics_test
