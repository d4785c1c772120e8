#pragma once
// A notification: a name, the object that posted it (matched by identity) and extra values.

#include <any>
#include <map>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"

namespace fnd {

using UserInfo = std::map<std::string, std::any>;

struct Notification {
    std::string name;
    // Identity of the posting object; observers registered for an object compare this.
    const void* objectId = nullptr;
    // The posting object itself, when it is an Object owned by a shared pointer.
    std::shared_ptr<Object> object;
    UserInfo userInfo;

    template <class T>
    std::shared_ptr<T> objectAs() const {
        return std::dynamic_pointer_cast<T>(object);
    }
    template <class T>
    const T* value(const std::string& key) const {
        auto it = userInfo.find(key);
        return it == userInfo.end() ? nullptr : std::any_cast<T>(&it->second);
    }
};

}  // namespace fnd
