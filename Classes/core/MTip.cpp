#include "Classes/core/MTip.h"

#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/WhileAlive.h"

MTip::MTip(std::string tipID, std::string text, int impressionsLimit)
    : tipID_(std::move(tipID)), text_(std::move(text)), impressionsLimit_(impressionsLimit) {}

// The centre holds the tip weakly and forgets it once it is gone.
MTip::~MTip() = default;

void MTip::setupActivationEvent(const std::optional<std::string>& name, int limit) {
    setupEvent(activation_, name, limit, true);
}

void MTip::setupDeactivationEvent(const std::optional<std::string>& name, int limit) {
    setupEvent(deactivation_, name, limit, false);
}

void MTip::setupEvent(Event& event, const std::optional<std::string>& name, int limit, bool activation) {
    fnd::NotificationCenter& center = fnd::NotificationCenter::defaultCenter();
    if (event.token) center.removeToken(*event.token);
    event.token.reset();
    if (!name) return;
    event.name = name;
    event.limit = limit;
    std::shared_ptr<MTip> self = sharedAs<MTip>();
    if (!self) return;
    auto proceed =
        fnd::whileAlive(*this, activation ? &MTip::proceedActivationEvent : &MTip::proceedDeactivationEvent);
    event.token = center.addObserver(self, *name, nullptr, [proceed](const fnd::Notification& n) {
        if (fnd::Thread::isMainThread())
            proceed(n);
        else
            fnd::RunLoop::main().post([proceed, n] { proceed(n); });
    });
}

void MTip::count(const Event& event, const fnd::Notification& notification, int& counter) {
    if (event.name && notification.name == *event.name && event.limit != kNoLimit && counter < event.limit)
        ++counter;
}

void MTip::proceedActivationEvent(const fnd::Notification& notification) {
    count(activation_, notification, history_->activationCount);
}

void MTip::proceedDeactivationEvent(const fnd::Notification& notification) {
    count(deactivation_, notification, history_->deactivationCount);
}

void MTip::shown() {
    ++history_->impressionsCount;
    beforeShow_ = 3;
}
