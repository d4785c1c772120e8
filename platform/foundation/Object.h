#pragma once
// The root of every model, view and screen: identity, shared ownership and a weak self.

#include <memory>
#include <stdexcept>
#include <string>

namespace fnd {

class Object : public std::enable_shared_from_this<Object> {
  public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    // The shared pointer that owns this object, as the given class. Empty when the object is not
    // owned by a shared pointer (for example during construction) or is not a T.
    template <class T = Object>
    std::shared_ptr<T> sharedAs() {
        std::shared_ptr<Object> self = weak_from_this().lock();
        return std::dynamic_pointer_cast<T>(self);
    }
    template <class T = Object>
    std::weak_ptr<T> weakAs() {
        return sharedAs<T>();
    }
};

// Raised when an abstract operation that a subclass must supply is called on the base.
class UnrecognizedSelector : public std::logic_error {
  public:
    explicit UnrecognizedSelector(const std::string& selector)
        : std::logic_error("unrecognized selector: " + selector) {}
};

}  // namespace fnd
