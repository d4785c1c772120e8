#pragma once
// The device as a browser tab shows it: owns the display's server and the change log of the view
// tree, and stands between them and the application.
//
// A tab that takes over gets the device (idiom, screen size, orientation, where the bundle's
// resources are served), the application's state and the whole tree; after that the patch of
// every run-loop turn. What the person does comes back as events: pointers become touches of the
// root view, the wheel scrolls the view under the pointer, typing edits the focused input, the
// controls around the device turn it, shake it and press home, and the page's visibility and the
// tab's closing send the application to the background. Effects (vibration, sounds) and links go
// the other way. Everything runs on the main run loop.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/display/Server.h"
#include "platform/ui/Device.h"
#include "platform/ui/Rect.h"

namespace ui {
class ChangeLog;
class View;
}  // namespace ui

namespace display {

struct DisplayEvent;

class DeviceSession {
  public:
    struct Options {
        Server::Options server;
        std::filesystem::path resources;  // served for bundle images; empty: fnd::Paths::resources()
    };

    enum class AppState { Active, Background };

    // The person selected text in an input; the place is in the root's coordinates.
    struct TextSelection {
        std::shared_ptr<ui::View> view;
        std::string text;
        std::size_t start = 0;
        std::size_t length = 0;
        ui::Rect rect;
    };

    explicit DeviceSession(std::shared_ptr<ui::View> root);
    DeviceSession(std::shared_ptr<ui::View> root, Options options);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Starts serving; false (with error()) when the port cannot be had.
    bool start();
    void stop();
    const std::string& error() const;
    // The address with its token, for the person to open.
    std::string address() const;
    Server& server();

    const std::shared_ptr<ui::View>& root() const;
    // A new root view (the window changed): the tab gets the whole tree again.
    void setRoot(std::shared_ptr<ui::View> root);
    ui::ChangeLog& changeLog();

    // The application's state as the display sees it: active while a tab shows it, in the
    // background after home, a hidden page or a closed tab. The callback runs on every change.
    AppState state() const;
    void setOnStateChange(std::function<void(AppState)> callback);
    void setOnTextSelection(std::function<void(const TextSelection&)> callback);

    // Hands a link to the browser: http and https open in a new tab, mailto, tel and skype go to
    // the browser's own handlers. Any other scheme is logged and dropped (the browser is the
    // display's window, where a script address would run). Answers whether it was handed on.
    bool openURL(const std::string& url);
    static bool isOpenableURL(std::string_view url);

    // The device's orientation after turning it a quarter to the left (-1) or right (+1).
    static ui::DeviceOrientation turned(ui::DeviceOrientation from, int turn);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace display
