#pragma once
// The web views of the device session: makes their engines, passes what their frames say to the
// right one, sends their scripts to the tab and waits for the answers of synchronous ones, and
// gives a tab that takes over every page's scripts again. Main thread only, but for answers(),
// which the server's I/O thread feeds.
//
// Messages to the tab (the page's frames.js relays them to each frame's bridge):
//   {"type":"evaluate","id":7,"serial":3,"call":12,"script":"..."}   call 0: no answer wanted
//   {"type":"webGone","id":7}                                        the web view has gone

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/display/PageBridge.h"

namespace ui {
class WebEngine;
class WebView;
}  // namespace ui

namespace display {

class BrowserWebEngine;
class Server;
class ScriptAnswers;
struct DisplayEvent;

class WebViewHost : public std::enable_shared_from_this<WebViewHost> {
  public:
    WebViewHost(Server& server, PageBridge bridge);
    ~WebViewHost();

    std::shared_ptr<ui::WebEngine> makeEngine(ui::WebView& view);
    // An event of kind Web from the tab.
    void handle(const DisplayEvent& event);
    // A tab took over and has the tree: every web view's scripts since its document follow.
    void replay();
    const std::shared_ptr<ScriptAnswers>& answers() const { return answers_; }
    // Where the display serves the frame shell (empty without one); the tab learns it with the device.
    const std::string& shellAddress() const { return shellAddress_; }

    // For the engines.
    Server& server() { return server_; }
    const PageBridge& bridge() const { return bridge_; }
    // Sends the script to the tab for the web view's document; when `wait`, waits for the answer
    // at most `deadline` seconds. "" without a tab, when not waiting, or when no answer came.
    std::string evaluate(std::uint64_t element, std::uint64_t serial, const std::string& script,
                         double deadline, bool wait);
    void forget(std::uint64_t element);

  private:
    Server& server_;
    PageBridge bridge_;
    std::shared_ptr<ScriptAnswers> answers_;
    std::string shellAddress_;
    std::map<std::uint64_t, std::weak_ptr<BrowserWebEngine>> engines_;
};

}  // namespace display
