#pragma once
// The notification centre. Observers register for a name (or any) from an object (or any);
// posting delivers synchronously on the posting thread. Removing during a delivery is safe,
// also a handler removing itself. A removal from another thread waits for a delivery in
// progress to that observer to finish, and an observer held weakly that is gone is skipped.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/Notification.h"

namespace fnd {

class NotificationCenter {
  public:
    using Handler = std::function<void(const Notification&)>;
    using Token = std::uint64_t;

    static NotificationCenter& defaultCenter();

    // `observer` is the identity removal goes by. No name: every name. No object: any object.
    Token addObserver(const void* observer, std::optional<std::string> name, const void* object,
                      Handler handler);
    // As above, but the observer is held weakly: once it is gone its handler is skipped.
    Token addObserver(const std::shared_ptr<Object>& observer, std::optional<std::string> name,
                      const void* object, Handler handler);

    void removeObserver(const void* observer);
    void removeObserverForObject(const void* observer, const void* object);
    void removeObserverForName(const void* observer, const std::string& name);
    void removeToken(Token token);

    void post(const std::string& name, const std::shared_ptr<Object>& object = nullptr,
              UserInfo userInfo = {});
    void post(const std::string& name, const void* objectId, UserInfo userInfo = {});
    void post(const Notification& notification);

    std::size_t observerCount() const;

  private:
    struct Registration;

    Token add(std::shared_ptr<Registration> registration);
    void removeWhere(const std::function<bool(const Registration&)>& match);

    mutable std::mutex mutex_;
    std::condition_variable deliveryEnded_;
    std::vector<std::shared_ptr<Registration>> registrations_;
    Token nextToken_ = 1;
};

}  // namespace fnd
