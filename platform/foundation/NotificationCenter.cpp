#include "platform/foundation/NotificationCenter.h"

#include <algorithm>
#include <chrono>

#include "platform/foundation/RunLoop.h"

namespace fnd {

struct NotificationCenter::Registration {
    Token token = 0;
    const void* observer = nullptr;
    bool weak = false;
    std::weak_ptr<Object> weakObserver;
    std::optional<std::string> name;
    const void* object = nullptr;
    Handler handler;
    bool removed = false;
    // Threads delivering to this registration right now (guarded by the centre's mutex).
    std::vector<std::thread::id> delivering;

    bool matches(const Notification& n) const {
        return (!name || *name == n.name) && (!object || object == n.objectId);
    }
};

NotificationCenter& NotificationCenter::defaultCenter() {
    // Never destroyed: observers that end while the program exits still remove themselves.
    static NotificationCenter* center = new NotificationCenter;
    return *center;
}

NotificationCenter::Token NotificationCenter::add(std::shared_ptr<Registration> registration) {
    std::lock_guard lock(mutex_);
    registration->token = nextToken_++;
    registrations_.push_back(std::move(registration));
    return registrations_.back()->token;
}

NotificationCenter::Token NotificationCenter::addObserver(const void* observer,
                                                          std::optional<std::string> name, const void* object,
                                                          Handler handler) {
    auto r = std::make_shared<Registration>();
    r->observer = observer;
    r->name = std::move(name);
    r->object = object;
    r->handler = std::move(handler);
    return add(std::move(r));
}

NotificationCenter::Token NotificationCenter::addObserver(const std::shared_ptr<Object>& observer,
                                                          std::optional<std::string> name, const void* object,
                                                          Handler handler) {
    auto r = std::make_shared<Registration>();
    r->observer = observer.get();
    r->weak = true;
    r->weakObserver = observer;
    r->name = std::move(name);
    r->object = object;
    r->handler = std::move(handler);
    return add(std::move(r));
}

void NotificationCenter::removeWhere(const std::function<bool(const Registration&)>& match) {
    const auto self = std::this_thread::get_id();
    std::vector<std::shared_ptr<Registration>> removed;
    std::unique_lock lock(mutex_);
    for (auto it = registrations_.begin(); it != registrations_.end();) {
        if (match(**it)) {
            (*it)->removed = true;
            removed.push_back(*it);
            it = registrations_.erase(it);
        } else {
            ++it;
        }
    }
    // Wait for deliveries in progress on other threads; a handler removing itself does not wait.
    auto busyElsewhere = [&] {
        for (auto& r : removed)
            for (auto id : r->delivering)
                if (id != self) return true;
        return false;
    };
    auto loop = RunLoop::mainShared();
    const bool onMain = loop->isCurrent();
    while (busyElsewhere()) {
        // The handler being waited for may itself wait on the main thread: serve it meanwhile.
        deliveryEnded_.wait_for(lock, std::chrono::milliseconds(onMain ? 1 : 50));
        if (onMain) {
            lock.unlock();
            loop->serviceWaitingCalls();
            lock.lock();
        }
    }
    lock.unlock();
    // Handlers (and what they captured) are released outside the lock.
    for (auto& r : removed) {
        std::lock_guard relock(mutex_);
        if (r->delivering.empty()) r->handler = nullptr;
    }
}

void NotificationCenter::removeObserver(const void* observer) {
    removeWhere([observer](const Registration& r) { return r.observer == observer; });
}

void NotificationCenter::removeObserverForObject(const void* observer, const void* object) {
    removeWhere([=](const Registration& r) { return r.observer == observer && r.object == object; });
}

void NotificationCenter::removeObserverForName(const void* observer, const std::string& name) {
    removeWhere([&](const Registration& r) { return r.observer == observer && r.name && *r.name == name; });
}

void NotificationCenter::removeToken(Token token) {
    removeWhere([token](const Registration& r) { return r.token == token; });
}

void NotificationCenter::post(const std::string& name, const std::shared_ptr<Object>& object,
                              UserInfo userInfo) {
    post(Notification{name, object.get(), object, std::move(userInfo)});
}

void NotificationCenter::post(const std::string& name, const void* objectId, UserInfo userInfo) {
    post(Notification{name, objectId, nullptr, std::move(userInfo)});
}

void NotificationCenter::post(const Notification& notification) {
    const auto self = std::this_thread::get_id();
    std::vector<std::shared_ptr<Registration>> matching;
    {
        std::lock_guard lock(mutex_);
        for (auto& r : registrations_)
            if (r->matches(notification)) matching.push_back(r);
    }
    bool pruneGone = false;
    for (auto& r : matching) {
        std::shared_ptr<Object> keepAlive;
        Handler handler;
        {
            std::lock_guard lock(mutex_);
            if (r->removed) continue;
            if (r->weak) {
                keepAlive = r->weakObserver.lock();
                if (!keepAlive) {
                    pruneGone = true;
                    continue;
                }
            }
            r->delivering.push_back(self);
            handler = r->handler;
        }
        if (handler) handler(notification);
        {
            std::lock_guard lock(mutex_);
            auto it = std::find(r->delivering.begin(), r->delivering.end(), self);
            if (it != r->delivering.end()) r->delivering.erase(it);
        }
        deliveryEnded_.notify_all();
    }
    if (pruneGone) removeWhere([](const Registration& r) { return r.weak && r.weakObserver.expired(); });
}

std::size_t NotificationCenter::observerCount() const {
    std::lock_guard lock(mutex_);
    return registrations_.size();
}

}  // namespace fnd
