#include "Classes/core/TovridaAppDelegate.h"

#include "platform/ui/Application.h"

std::shared_ptr<TovridaAppDelegate> TovridaAppDelegate::shared() {
    return std::dynamic_pointer_cast<TovridaAppDelegate>(ui::Application::shared().delegate());
}

void TovridaAppDelegate::setup() {
    setColorScheme(kMainHue);
    setupStore();
    AbstractAppDelegate::setup();
}

void TovridaAppDelegate::setColorScheme(float hue) {
    setMainHue(hue);
    setMainColor(ui::Color::hsb(hue, kSaturation, kMainBrightness));
    setDarkColor(ui::Color::hsb(hue, kSaturation, kDarkBrightness));
    setLightColor(ui::Color::hsb(hue, kSaturation, kLightBrightness));
}
