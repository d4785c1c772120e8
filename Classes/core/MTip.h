#pragma once
// One hint of the home screen's tip band. A tip is shown at most a number of times; it may wait
// until an activation event has been posted often enough, and retire once a deactivation event
// has. The events are plain notifications, counted by name from any object.
//
// The counters belong to the main thread: an event posted on another thread is counted on the main
// run loop, in its turn.

#include <climits>
#include <memory>
#include <optional>
#include <string>

#include "Classes/core/MTipHistory.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Object.h"

class MTip : public fnd::Object {
  public:
    // The limit that stands for none.
    static constexpr int kNoLimit = INT_MAX;

    MTip(std::string tipID, std::string text, int impressionsLimit);
    ~MTip() override;

    // Counts the named notification towards the limit; a previous event of that kind is no longer
    // counted. Without a name nothing changes. Needs the tip to be owned by a shared pointer.
    void setupActivationEvent(const std::optional<std::string>& name, int limit);
    void setupDeactivationEvent(const std::optional<std::string>& name, int limit);

    // One event counted, up to the limit. Main thread.
    void proceedActivationEvent(const fnd::Notification& notification);
    void proceedDeactivationEvent(const fnd::Notification& notification);

    // The tip was shown: one impression more, and the next three requests pass it over.
    void shown();

    const std::string& tipID() const { return tipID_; }
    const std::string& text() const { return text_; }
    int impressionsLimit() const { return impressionsLimit_; }
    const std::optional<std::string>& activationEventName() const { return activation_.name; }
    int activationLimit() const { return activation_.limit; }
    const std::optional<std::string>& deactivationEventName() const { return deactivation_.name; }
    int deactivationLimit() const { return deactivation_.limit; }
    const std::shared_ptr<MTipHistory>& history() const { return history_; }
    int beforeShow() const { return beforeShow_; }
    void setBeforeShow(int requests) { beforeShow_ = requests; }

  private:
    struct Event {
        std::optional<std::string> name;
        int limit = kNoLimit;
        std::optional<fnd::NotificationCenter::Token> token;
    };
    void setupEvent(Event& event, const std::optional<std::string>& name, int limit, bool activation);
    static void count(const Event& event, const fnd::Notification& notification, int& counter);

    std::string tipID_;
    std::string text_;
    int impressionsLimit_;
    Event activation_;
    Event deactivation_;
    std::shared_ptr<MTipHistory> history_ = std::make_shared<MTipHistory>();
    int beforeShow_ = 0;
};
