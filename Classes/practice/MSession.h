#pragma once
// A practice session: an identifier, a start time and, once loaded, the answers given in it in the
// order of their index. Only the identifier and the start are archived; the answers are attached
// again from the question histories.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class MQSetHRecord;
class MQSetQuestion;
class MSessionRecord;

class MSession : public fnd::Object, public fnd::Coding {
  public:
    static constexpr std::int32_t kNoCursor = 0x7fffffff;

    MSession() = default;
    MSession(std::int32_t sessionId, fnd::Date startDate) : sessionId_(sessionId), startDate_(startDate) {}

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // The session's two-line start text as the review list shows it, relative to now.
    static std::string sessionDate(fnd::Date date);

    // Takes the attempt into the session: a new one goes to the end, a restored one to its index.
    void addQuestion(const std::shared_ptr<MQSetQuestion>& question,
                     const std::shared_ptr<MQSetHRecord>& record);
    // The mean time of the answers; 0 for a session without answers.
    double avgQuestionTime() const;
    int numberOfRightAnswers() const;
    int numberOfQuestionType(std::int32_t type) const;
    // Detaches the answer at i and renumbers the later ones; an index outside does nothing.
    void removeRecordAtIndex(int i);
    std::string description() const;

    std::int32_t sessionId() const { return sessionId_; }
    fnd::Date startDate() const { return startDate_; }
    const std::vector<std::shared_ptr<MSessionRecord>>& records() const { return records_; }
    std::int32_t cursor() const { return cursor_; }
    void setCursor(std::int32_t cursor) { cursor_ = cursor; }

  private:
    std::int32_t sessionId_ = 0;
    fnd::Date startDate_;
    std::vector<std::shared_ptr<MSessionRecord>> records_;
    std::int32_t cursor_ = kNoCursor;
};
