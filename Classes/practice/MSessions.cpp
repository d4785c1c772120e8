#include "Classes/practice/MSessions.h"

#include <algorithm>
#include <unordered_set>

#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessionRecord.h"
#include "Classes/practice/PracticeCoding.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

void MSessions::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeBool("started", started_);
    coder.encodeObject("sessionList", PracticeCoding::objectArray(list_));
    coder.encodeInt32("freeSessionId", freeSessionId_);
}

void MSessions::initWithCoder(fnd::KeyedUnarchiver& coder) {
    list_ = PracticeCoding::objects<MSession>(coder.decodeObject("sessionList"));
    inIdOrder_ = std::is_sorted(list_.begin(), list_.end(),
                                [](const auto& a, const auto& b) { return a->sessionId() < b->sessionId(); });
    freeSessionId_ = coder.decodeInt32("freeSessionId");
    savedRunning_ = coder.containsValueForKey("started") && coder.decodeBool("started") && !list_.empty();
    started_ = false;
}

void MSessions::startSession() {
    if (started_) stopSession();
    if (!list_.empty() && list_.back()->sessionId() > freeSessionId_) inIdOrder_ = false;
    list_.push_back(std::make_shared<MSession>(freeSessionId_++, fnd::Date::now()));
    started_ = true;
}

void MSessions::stopSession() {
    if (!started_) return;
    started_ = false;
    if (!list_.empty() && list_.back()->records().empty()) {
        freeSessionId_ = list_.back()->sessionId();
        list_.pop_back();
    }
}

void MSessions::restartSession() {
    if (started_) startSession();
}

std::shared_ptr<MSession> MSessions::currentSession() const {
    return started_ && !list_.empty() ? list_.back() : nullptr;
}

std::shared_ptr<MSession> MSessions::findById(std::int32_t sessionId) const {
    // Sessions are numbered as they begin, so the list is in the order of its numbers unless an
    // archive says otherwise, and a search halves it: a large history's attempts in sessions each
    // look up their session as the history is loaded. The first of equal numbers is the one found.
    if (inIdOrder_) {
        auto found = std::lower_bound(list_.begin(), list_.end(), sessionId,
                                      [](const auto& s, std::int32_t id) { return s->sessionId() < id; });
        return found != list_.end() && (*found)->sessionId() == sessionId ? *found : nullptr;
    }
    for (const auto& s : list_)
        if (s->sessionId() == sessionId) return s;
    return nullptr;
}

void MSessions::restoreSessionRecordsFromQuestion(const std::shared_ptr<MQSetQuestion>& question) {
    if (!question) return;
    for (const auto& record : question->history()) restoreSessionRecord(question, record);
}

void MSessions::restoreSessionRecordsFromQuestion(const std::shared_ptr<MQSetQuestion>& question,
                                                  std::span<const std::uint32_t> places) {
    if (!question) return;
    const auto& history = question->history();
    for (std::uint32_t place : places)
        if (place < history.size()) restoreSessionRecord(question, history[place]);
}

void MSessions::restoreSessionRecord(const std::shared_ptr<MQSetQuestion>& question,
                                     const std::shared_ptr<MQSetHRecord>& record) {
    if (!record->isInSession()) return;
    if (auto session = findById(record->sessionId()))
        session->addQuestion(question, record);
    else
        record->detachFromSession();
}

void MSessions::finishLoading() {
    if (!savedRunning_) return;
    savedRunning_ = false;
    if (!started_ && !list_.empty() && list_.back()->records().empty()) {
        freeSessionId_ = list_.back()->sessionId();
        list_.pop_back();
    }
}

void MSessions::removeSessionAtIndex(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list_.size()) return;
    for (const auto& r : list_[static_cast<std::size_t>(index)]->records())
        r->historyRecord()->detachFromSession();
    list_.erase(list_.begin() + index);
}

void MSessions::removeQuestion(const MQSetQuestion& question) {
    for (const auto& record : question.history()) {
        if (!record->isInSession()) continue;
        auto session = findById(record->sessionId());
        if (!session) continue;
        session->removeRecordAtIndex(record->indexInSession());
        if (!started_ && session->records().empty()) {
            for (std::size_t i = 0; i < list_.size(); ++i)
                if (list_[i] == session) {
                    removeSessionAtIndex(static_cast<int>(i));
                    break;
                }
        }
    }
}

int MSessions::countDistinct() const {
    std::unordered_set<const MQSetQuestion*> seen;
    for (const auto& s : list_)
        for (const auto& r : s->records()) seen.insert(r->question().get());
    return static_cast<int>(seen.size());
}
