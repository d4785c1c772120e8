#include "Classes/practice/MSession.h"

#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MSessionRecord.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/TimeZone.h"

void MSession::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("sessionId", sessionId_);
    coder.encodeDate("startDate", startDate_);
}

void MSession::initWithCoder(fnd::KeyedUnarchiver& coder) {
    sessionId_ = coder.decodeInt32("sessionId");
    startDate_ = coder.decodeDate("startDate").value_or(fnd::Date());
    records_.clear();
    cursor_ = kNoCursor;
}

std::string MSession::sessionDate(fnd::Date date) {
    double age = fnd::Date::now().timeIntervalSince(date);
    auto days = static_cast<long long>(age / 86400);
    auto formatted = [&](const char* pattern) {
        return fnd::DateFormatter(pattern, fnd::Locale("en_US"), fnd::TimeZone::current())
            .stringFromDate(date);
    };
    if (days >= 365) return formatted("MMM dd\n yyyy");
    if (days >= 1) return formatted("MMM dd");
    // A start later than now (the clock was set back) reads as just now.
    long long rest = age > 0 ? static_cast<long long>(age) : 0;
    if (days < 0) rest = 0;
    if (rest >= 3600) return std::to_string(rest / 3600) + " h\nago";
    if (rest >= 60) return std::to_string(rest / 60) + " min\nago";
    return std::to_string(rest) + " sec\nago";
}

void MSession::addQuestion(const std::shared_ptr<MQSetQuestion>& question,
                           const std::shared_ptr<MQSetHRecord>& record) {
    if (!record) return;
    auto entry = std::make_shared<MSessionRecord>(question, record);
    record->setSessionId(sessionId_);
    if (record->indexInSession() == MQSetHRecord::kNoSession)
        record->setIndexInSession(static_cast<std::int32_t>(records_.size()));
    auto position = records_.begin();
    while (position != records_.end() &&
           (*position)->historyRecord()->indexInSession() < record->indexInSession())
        ++position;
    records_.insert(position, std::move(entry));
}

double MSession::avgQuestionTime() const {
    if (records_.empty()) return 0;
    double total = 0;
    for (const auto& r : records_) total += r->historyRecord()->time();
    return total / static_cast<double>(records_.size());
}

int MSession::numberOfRightAnswers() const {
    int count = 0;
    for (const auto& r : records_) {
        const auto& answer = r->historyRecord()->answer();
        if (answer && r->question() && answer->isTheSameAs(r->question()->rightAnswer().get())) ++count;
    }
    return count;
}

int MSession::numberOfQuestionType(std::int32_t type) const {
    int count = 0;
    for (const auto& r : records_)
        if (r->question() && r->question()->questionType() == type) ++count;
    return count;
}

void MSession::removeRecordAtIndex(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= records_.size()) return;
    records_[static_cast<std::size_t>(i)]->historyRecord()->detachFromSession();
    records_.erase(records_.begin() + i);
    for (std::size_t k = static_cast<std::size_t>(i); k < records_.size(); ++k)
        records_[k]->historyRecord()->setIndexInSession(static_cast<std::int32_t>(k));
}

std::string MSession::description() const {
    return "session " + std::to_string(sessionId_) + " with " + std::to_string(records_.size()) + " answers";
}
