#pragma once
// Every view and screen is made in two steps: the constructor builds the object, then its
// initialiser runs with shared ownership in place, so it may call overridden operations and hand
// out shared_from_this (a screen that keeps itself alive while shown, a view that adds itself to
// a tree). The initialisers are the overloads of a virtual `init` chosen by the arguments; a class
// that overrides one overload brings the others in with `using Base::init;`.

#include <memory>
#include <utility>

namespace ui {

template <class T, class... Args>
std::shared_ptr<T> make(Args&&... args) {
    std::shared_ptr<T> object(new T());
    object->init(std::forward<Args>(args)...);
    return object;
}

}  // namespace ui
