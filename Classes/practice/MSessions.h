#pragma once
// The practice sessions, oldest first, and the one running (always the last). Attempts join the
// running session as they are recorded; at load every question gives its attempts back.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MQSetHRecord;
class MQSetQuestion;
class MSession;

class MSessions : public fnd::Object, public fnd::Coding {
  public:
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    // The list reads as not running. A list saved while a session ran keeps that session: it is
    // removed only if it is still empty when loading ends (finishLoading).
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // Closes a running session first, then begins a new one now.
    void startSession();
    // Ends the running session; an empty one is dropped and its identifier used again.
    void stopSession();
    // Closes the running session and begins another (the application became active again).
    void restartSession();
    // The running session, else null.
    std::shared_ptr<MSession> currentSession() const;
    std::shared_ptr<MSession> findById(std::int32_t sessionId) const;
    // Attaches the question's attempts to their sessions; attempts of a session that is gone are
    // detached.
    void restoreSessionRecordsFromQuestion(const std::shared_ptr<MQSetQuestion>& question);
    // The same for the attempts at these places of the question's history only (places past its
    // end are passed over): those that a loader found in a session while it read them, so that a
    // long history is not walked again for the few attempts that belong to a session.
    void restoreSessionRecordsFromQuestion(const std::shared_ptr<MQSetQuestion>& question,
                                           std::span<const std::uint32_t> places);
    // Call once every set has restored its attempts: a session that was running when the list was
    // saved and got no attempts back is dropped, as stopping it would have.
    void finishLoading();
    // Detaches the session's attempts and removes it; its identifier is not used again.
    void removeSessionAtIndex(int index);
    // Takes the question's attempts out of their sessions (the question is being deleted).
    void removeQuestion(const MQSetQuestion& question);
    // How many different questions the sessions hold.
    int countDistinct() const;

    const std::vector<std::shared_ptr<MSession>>& list() const { return list_; }
    bool started() const { return started_; }
    std::int32_t freeSessionId() const { return freeSessionId_; }

  private:
    void restoreSessionRecord(const std::shared_ptr<MQSetQuestion>& question,
                              const std::shared_ptr<MQSetHRecord>& record);

    std::int32_t freeSessionId_ = 0;
    std::vector<std::shared_ptr<MSession>> list_;
    bool started_ = false;
    bool savedRunning_ = false;
    // Whether the list is in the order of the session numbers (equal ones allowed), as it is
    // unless an archive held it otherwise; removing sessions keeps the order.
    bool inIdOrder_ = true;
};
