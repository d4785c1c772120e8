#pragma once
// One answer in a practice session: the question and its attempt record.

#include <memory>
#include <string>

#include "platform/foundation/Object.h"

class MQSetHRecord;
class MQSetQuestion;

class MSessionRecord : public fnd::Object {
  public:
    MSessionRecord(std::shared_ptr<MQSetQuestion> question, std::shared_ptr<MQSetHRecord> record)
        : question_(std::move(question)), historyRecord_(std::move(record)) {}

    const std::shared_ptr<MQSetQuestion>& question() const { return question_; }
    const std::shared_ptr<MQSetHRecord>& historyRecord() const { return historyRecord_; }
    std::string description() const;

  private:
    std::shared_ptr<MQSetQuestion> question_;
    std::shared_ptr<MQSetHRecord> historyRecord_;
};
