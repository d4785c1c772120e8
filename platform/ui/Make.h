#pragma once
// Every view and screen is made in two steps: the constructor builds the object, then its
// initialiser runs with shared ownership in place, so it may call overridden operations and hand
// out shared_from_this (a screen that keeps itself alive while shown, a view that adds itself to
// a tree). The initialisers are the overloads of a virtual `init` chosen by the arguments; a class
// that overrides one overload brings the others in with `using Base::init;`.
//
// Views and screens are touched on the main thread only, and so they end there: when the last
// reference goes on another thread (a saving thread that held a tool), the object is handed to
// the main run loop to be destroyed.

#include <memory>
#include <utility>

namespace ui {

namespace detail {
// Deletes on the main thread: at once there, else in a later turn of the main run loop.
void destroyOnMainThread(void* object, void (*destroy)(void*));
}  // namespace detail

template <class T, class... Args>
std::shared_ptr<T> make(Args&&... args) {
    std::shared_ptr<T> object(
        new T(), [](T* p) { detail::destroyOnMainThread(p, [](void* q) { delete static_cast<T*>(q); }); });
    object->init(std::forward<Args>(args)...);
    return object;
}

}  // namespace ui
