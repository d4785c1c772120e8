#pragma once
// Every scored answer of question-set practice and of the error log, copied flat so that the
// statistics can be computed on a worker while the main thread goes on changing the histories.
// Take it on the main thread (the models are main-thread only); after that it is immutable and may
// be read from any thread.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/foundation/Date.h"

class MBook;
class MQSet;
class MRepository;

class StatSnapshot {
  public:
    struct Attempt {
        fnd::Date date;
        double time = 0;
        // The type the aggregators filter by: a practice question's own type; for the error log,
        // a passage's first question (6) counts as reading comprehension (5).
        std::int32_t type = 0;
        bool isRight = false;
    };

    StatSnapshot() = default;
    // Practice attempts are taken set by set, question by question; error-log attempts book by
    // book, section by section. Attempts with no known right answer or no date are left out:
    // they are neither right nor wrong.
    static std::shared_ptr<const StatSnapshot> take(const std::vector<std::shared_ptr<MQSet>>& qSets,
                                                    const std::vector<std::shared_ptr<MBook>>& books);
    // The repository's question sets and books.
    static std::shared_ptr<const StatSnapshot> take(const MRepository& repository);
    // How many attempts `take` would copy, counted up to `limit` at most: a long-time user's
    // hundred thousand answers need not be copied to learn that there are more than a few.
    static std::size_t countAttempts(const std::vector<std::shared_ptr<MQSet>>& qSets,
                                     const std::vector<std::shared_ptr<MBook>>& books, std::size_t limit);
    static std::size_t countAttempts(const MRepository& repository, std::size_t limit);

    const std::vector<Attempt>& attempts() const { return attempts_; }
    void addAttempt(const Attempt& attempt) { attempts_.push_back(attempt); }

  private:
    std::vector<Attempt> attempts_;
};
