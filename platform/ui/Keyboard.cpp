#include "platform/ui/Keyboard.h"

#include <array>
#include <utility>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"

namespace ui {

namespace {

template <class E, std::size_t N>
const char* nameIn(const std::array<std::pair<E, const char*>, N>& names, E value) {
    for (const auto& [v, n] : names)
        if (v == value) return n;
    return names[0].second;
}

// Tag of the keyboard's delayed notifications on the main run loop.
const char kDidSlide[] = "keyboardDidSlide";

}  // namespace

const char* keyboardTypeName(KeyboardType type) { return nameIn(kKeyboardTypeNames, type); }
const char* returnKeyTypeName(ReturnKeyType type) { return nameIn(kReturnKeyTypeNames, type); }

Keyboard& Keyboard::shared() {
    static Keyboard keyboard;
    return keyboard;
}

void Keyboard::reset() {
    fnd::RunLoop::main().cancelPerforms(this);
    visible_ = false;
}

double Keyboard::height() {
    bool landscape = isLandscape(Application::shared().statusBarOrientation());
    if (Device::current().isTablet()) return landscape ? 352 : 264;
    return landscape ? 162 : 216;
}

Rect Keyboard::frameShown(bool shown) {
    Device& device = Device::current();
    Size interface = interfaceSize(Application::shared().statusBarOrientation(),
                                   {device.screenWidth(), device.screenHeight()});
    double h = height();
    Rect strip{0, shown ? interface.height - h : interface.height, interface.width, h};
    return Application::shared().screenRectOfInterfaceRect(strip);
}

Rect Keyboard::frame() const { return visible_ ? frameShown(true) : Rect{}; }

void Keyboard::firstResponderChanged(bool takesTypedText) {
    if (takesTypedText != visible_) slide(takesTypedText);
}

void Keyboard::slide(bool show) {
    visible_ = show;
    fnd::UserInfo info{{kFrameBeginKey, frameShown(!show)},
                       {kFrameEndKey, frameShown(show)},
                       {kAnimationDurationKey, kAnimationDuration}};
    fnd::RunLoop& loop = fnd::RunLoop::main();
    loop.cancelPerforms(this, kDidSlide);
    auto& center = fnd::NotificationCenter::defaultCenter();
    center.post(show ? kWillShowNotification : kWillHideNotification, std::shared_ptr<fnd::Object>(), info);
    loop.performAfterDelay(kAnimationDuration, this, kDidSlide, [show, info] {
        fnd::NotificationCenter::defaultCenter().post(show ? kDidShowNotification : kDidHideNotification,
                                                      std::shared_ptr<fnd::Object>(), info);
    });
}

}  // namespace ui
