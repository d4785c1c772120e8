#pragma once
// Small practice sets and error-log books with chosen attempts, for the statistics tests and
// benchmark.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/foundation/Date.h"

class MBook;
class MQSet;
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

}  // namespace statistics_test
