#pragma once
// One attempt at a practice question: when, how long, what was answered, and the practice session
// it belongs to (the session keeps no list of its own on disk; it is refilled from these records).
// The date, time and answer never change once the record is made (a save on another thread reads
// them while the user goes on); only the session fields do.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class MQSetAnswer;

class MQSetHRecord : public fnd::Object, public fnd::Coding {
  public:
    // The marker of "in no session" for both session fields.
    static constexpr std::int32_t kNoSession = 0x7fffffff;

    MQSetHRecord() = default;
    MQSetHRecord(fnd::Date date, double time, std::shared_ptr<MQSetAnswer> answer);

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // "mm:ss", any started second counted whole; minutes are not capped.
    std::string stringWithTime() const { return timeText(time_); }
    static std::string timeText(double seconds);
    // The answer's jsString ("[3]"); nothing without an answer.
    std::optional<std::string> stringWithAnswer() const;
    // One line for debugging output.
    std::string description() const;

    fnd::Date date() const { return date_; }
    double time() const { return time_; }
    const std::shared_ptr<MQSetAnswer>& answer() const { return answer_; }
    std::int32_t sessionId() const { return sessionId_; }
    void setSessionId(std::int32_t id) { sessionId_ = id; }
    std::int32_t indexInSession() const { return indexInSession_; }
    void setIndexInSession(std::int32_t index) { indexInSession_ = index; }
    // Whether both session fields are set.
    bool isInSession() const { return sessionId_ != kNoSession && indexInSession_ != kNoSession; }
    void detachFromSession() { sessionId_ = indexInSession_ = kNoSession; }

  private:
    fnd::Date date_;
    double time_ = 0;
    std::shared_ptr<MQSetAnswer> answer_;
    std::int32_t sessionId_ = kNoSession;
    std::int32_t indexInSession_ = kNoSession;
};
