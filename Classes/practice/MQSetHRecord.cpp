#include "Classes/practice/MQSetHRecord.h"

#include <cmath>
#include <cstdio>

#include "Classes/practice/MQSetSimpleAnswer.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

MQSetHRecord::MQSetHRecord(fnd::Date date, double time, std::shared_ptr<MQSetAnswer> answer)
    : date_(date), time_(time), answer_(std::move(answer)) {}

void MQSetHRecord::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeDate("kDate", date_);
    coder.encodeDouble("kTime", time_);
    // A common answer stands for an answer of this record's own, as the archive holds it.
    if (answer_ && answer_->isCommon())
        coder.encodeObjectCopy("kAnswerObj", answer_);
    else
        coder.encodeObject("kAnswerObj", answer_);
    if (isInSession()) {
        coder.encodeInt32("kSessionId", sessionId_);
        coder.encodeInt32("kIndexInSession", indexInSession_);
    }
}

void MQSetHRecord::initWithCoder(fnd::KeyedUnarchiver& coder) {
    date_ = coder.decodeDate("kDate").value_or(fnd::Date());
    time_ = coder.decodeDouble("kTime");
    // An answer that the archive gives to this record alone is the common one of its choice, read
    // without making an answer of its own; one that records share in the archive stays theirs.
    std::int32_t choice = 0;
    if (coder.readSoleObjectOfClass<MQSetSimpleAnswer>(
            "kAnswerObj", [&] { choice = MQSetSimpleAnswer::choiceWithCoder(coder); }))
        answer_ = MQSetSimpleAnswer::common(choice);
    else
        answer_ = coder.decodeObjectOfClass<MQSetAnswer>("kAnswerObj");  // null when absent
    // Older archives hold the choice as a plain integer.
    if (!answer_) answer_ = MQSetSimpleAnswer::common(coder.decodeInt32("kAnswer"));
    detachFromSession();
    if (coder.containsValueForKey("kSessionId") && coder.containsValueForKey("kIndexInSession")) {
        sessionId_ = coder.decodeInt32("kSessionId");
        indexInSession_ = coder.decodeInt32("kIndexInSession");
    }
}

std::string MQSetHRecord::timeText(double seconds) {
    double t = seconds + 0.99999;
    if (!std::isfinite(t) || t < 0) t = 0;
    auto minutes = static_cast<long long>(t / 60);
    auto rest = static_cast<long long>(t - static_cast<double>(minutes) * 60);
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld", minutes, rest);
    return text;
}

std::optional<std::string> MQSetHRecord::stringWithAnswer() const {
    return answer_ ? answer_->jsString() : std::nullopt;
}

std::string MQSetHRecord::description() const {
    auto field = [](std::int32_t v) { return v == kNoSession ? std::string("N") : std::to_string(v); };
    return "session " + field(sessionId_) + " #" + field(indexInSession_) + " at " +
           std::to_string(date_.timeIntervalSinceReferenceDate()) + " " + stringWithTime() + " " +
           stringWithAnswer().value_or("-");
}
