#pragma once
// The answer records of one question as they stood when the practice file's state was taken for a
// save, archived as the list of records the question itself archives.
//
// A record's date, time and answer never change once it is made, so the snapshot shares the records
// with the question instead of copying them, and keeps of each only what can still change: its place
// in a practice session, which the main thread may clear or renumber while the saving thread archives.
// A record added to the question later is not in the snapshot. When archived, each record is written
// from a stand-in made for the moment and let go of at once, so the archive of a long history never
// holds a copy of it.

#include <cstdint>
#include <memory>
#include <vector>

#include "Classes/practice/MQSetQuestion.h"
#include "platform/foundation/ArchiveSequence.h"

class MQSetHRecord;

class MQSetHistorySnapshot : public fnd::ArchiveSequence {
  public:
    // Main thread: the question's records and their sessions as they are now.
    explicit MQSetHistorySnapshot(const MQSetQuestion::History& history);

    std::size_t count() const override { return records_.size(); }
    // A record as it stood when the snapshot was taken, made anew.
    fnd::ArchiveValue member(std::size_t index) const override;

  private:
    struct Frozen {
        std::shared_ptr<const MQSetHRecord> record;
        std::int32_t sessionId;
        std::int32_t indexInSession;
    };
    std::vector<Frozen> records_;
};
