#include "Classes/practice/MQSetHistorySnapshot.h"

#include "Classes/practice/MQSetHRecord.h"

MQSetHistorySnapshot::MQSetHistorySnapshot(const MQSetQuestion::History& history) {
    records_.reserve(history.size());
    for (const auto& r : history) records_.push_back(Frozen{r, r->sessionId(), r->indexInSession()});
}

fnd::ArchiveValue MQSetHistorySnapshot::member(std::size_t index) const {
    const Frozen& frozen = records_[index];
    auto record =
        std::make_shared<MQSetHRecord>(frozen.record->date(), frozen.record->time(), frozen.record->answer());
    record->setSessionId(frozen.sessionId);
    record->setIndexInSession(frozen.indexInSession);
    return record;
}
