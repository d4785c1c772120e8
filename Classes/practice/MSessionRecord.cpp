#include "Classes/practice/MSessionRecord.h"

#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"

std::string MSessionRecord::description() const {
    return (question_ ? question_->key() : std::string("-")) + " " +
           (historyRecord_ ? historyRecord_->description() : std::string("-"));
}
