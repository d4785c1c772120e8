#pragma once
// What the page gives the device besides its screen: the clipboard both ways, the mail composer and
// the screen's wake lock. The
// device session owns it, tells it of the tab's messages and runs endOfTurn() at the end of every run-loop
// turn.
//
// Clipboard. Text the person pastes into the device becomes the general pasteboard's. Back, the
// pasteboard's text at the end of a turn, when it changed, goes to the tab (its clipboard where the
// browser allows, and its clipboard panel); a cleared pasteboard is never mirrored, and neither is
// a text the tab already has (a copy that was undone within the turn, as a look-up does).
//
// Mail. A "mailto:" address opens the page's composer with the decoded recipients, subject and
// body; the address itself goes along only while it is short enough for a mail program's link.
//
// Wake lock. While the application's idle timer is disabled the page holds a screen wake lock,
// where the browser grants one.

#include <cstddef>
#include <functional>
#include <string>

namespace display {

class DeviceServices {
  public:
    // Longer "mailto:" addresses open no mail program: browsers and mail programs cut them.
    static constexpr std::size_t kMailLinkLimit = 2000;

    // `hasTab` says whether a tab listens; `send` sends it one message (JSON text).
    DeviceServices(std::function<bool()> hasTab, std::function<void(const std::string&)> send);

    // A tab took over: a held wake lock is sent to it anew.
    void connected();
    void endOfTurn();

    // Answers false for an address that is no mail address, or when no tab listens.
    bool openMail(const std::string& address);
    void pasted(std::string text);

  private:
    void mirrorClipboard();
    void showWakeLock();

    std::function<bool()> hasTab_;
    std::function<void(const std::string&)> send_;
    long seenChange_;           // the pasteboard's change count when last looked at
    std::string tabText_;       // the text the tab last gave or was given
    bool tabWakeLock_ = false;  // as the tab last heard it; a page starts without
};

}  // namespace display
