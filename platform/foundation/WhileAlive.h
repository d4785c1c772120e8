#pragma once
// One way to call an object back later without keeping it alive: a callable that holds the object
// weakly and calls one of its member functions only while the object still lives. Control actions,
// notification observers, timers and delayed calls all take it, so a screen that has gone is never
// called and never kept by a callback it left behind.
//
//     button->addAction(ui::ControlEventTouchUpInside, *this, &HomeVC::showTool);
//     center.addObserver(sharedAs(), name, nullptr, fnd::whileAlive(*this, &HomeVC::update));
//     fnd::RunLoop::main().performAfterDelay(1.0, *this, "showTip", &HomeVC::showTip);
//
// The callable takes whatever its caller hands it; when the member function takes no arguments,
// they are dropped (a control's sender, a notification, a timer), so one form fits every caller.

#include <memory>
#include <utility>

namespace fnd {

// A callable that calls `method` on `self` while `self` lives; afterwards it does nothing. `self`
// must already be owned by a shared pointer (it is taken weakly at once).
template <class Self, class T, class... A>
auto whileAlive(Self& self, void (T::*method)(A...)) {
    std::weak_ptr<T> weak = self.template sharedAs<T>();
    return [weak = std::move(weak), method](auto&&... args) {
        std::shared_ptr<T> alive = weak.lock();
        if (!alive) return;
        if constexpr (sizeof...(A) == 0)
            ((*alive).*method)();
        else
            ((*alive).*method)(std::forward<decltype(args)>(args)...);
    };
}

}  // namespace fnd
