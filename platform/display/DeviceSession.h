#pragma once
// The device as a browser tab shows it: owns the display's server and the change log of the
// application's screen view, and stands between them and ui::Application.
//
// A tab that takes over gets the device (idiom, screen size, orientation, where the bundle's
// resources are served), the application's state and the whole tree; after that the patch of
// every run-loop turn. What the person does goes to the application: pointers become its touches,
// the controls around the device turn it, shake it and press home, the page's visibility and the
// tab's closing send it to the background, selections go to its edit menu. The wheel scrolls the
// view under the pointer and typing edits the focused input. Effects (vibration, sounds), links
// and the end of a selection go the other way. The clipboard, the mail composer and the wake lock
// are DeviceServices'; the tab's languages become the preferred ones (fnd::Locale), and its
// location control moves the device (loc::DeviceLocation), whose every change the tab is told.
// Everything runs on the main run loop.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/display/Server.h"
#include "platform/ui/Device.h"

namespace ui {
class ChangeLog;
}  // namespace ui

namespace display {

class DeviceSession {
  public:
    struct Options {
        Server::Options server;
        std::filesystem::path resources;  // served for bundle images; empty: fnd::Paths::resources()
    };

    // Shows ui::Application's screen view, as it is when a tab comes. Start it before launching
    // the application, so that the web views made at launch already show their pages in the tab.
    DeviceSession();
    explicit DeviceSession(Options options);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Starts serving; false (with error()) when the port cannot be had. It also becomes the
    // application's way to open links.
    bool start();
    void stop();
    const std::string& error() const;
    // The address with its token, for the person to open.
    std::string address() const;
    Server& server();
    ui::ChangeLog& changeLog();

    // Hands a link to the browser: http and https open in a new tab, a mail address opens the
    // page's mail composer (see DeviceServices), tel and skype go to the browser's own handlers.
    // Any other scheme is logged and dropped (the browser is the display's window, where a script
    // address would run). Answers whether it was handed on.
    bool openURL(const std::string& url);
    static bool isOpenableURL(std::string_view url);

    // The device's orientation after turning it a quarter to the left (-1) or right (+1).
    static ui::DeviceOrientation turned(ui::DeviceOrientation from, int turn);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace display
