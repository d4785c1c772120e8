#include "platform/display/WebViewHost.h"

#include <nlohmann/json.hpp>

#include "platform/display/BrowserWebEngine.h"
#include "platform/display/DisplayEvent.h"
#include "platform/display/ScriptAnswers.h"
#include "platform/display/Server.h"
#include "platform/ui/WebView.h"

namespace display {

using json = nlohmann::json;

WebViewHost::WebViewHost(Server& server, PageBridge bridge)
    : server_(server), bridge_(std::move(bridge)), answers_(std::make_shared<ScriptAnswers>()) {
    if (!bridge_.shellPage().empty())
        shellAddress_ = server_.serveDocument(bridge_.shellPage(), "text/html; charset=utf-8", {}, {},
                                              PageBridge::kShellPolicy);
}

WebViewHost::~WebViewHost() {
    if (!shellAddress_.empty()) server_.withdrawDocument(shellAddress_);
}

std::shared_ptr<ui::WebEngine> WebViewHost::makeEngine(ui::WebView& view) {
    auto engine = std::make_shared<BrowserWebEngine>(weak_from_this(), view);
    engines_[view.elementId()] = engine;
    return engine;
}

void WebViewHost::forget(std::uint64_t element) {
    engines_.erase(element);
    server_.send(json{{"type", "webGone"}, {"id", element}}.dump());
}

void WebViewHost::handle(const DisplayEvent& e) {
    auto it = engines_.find(e.element);
    std::shared_ptr<BrowserWebEngine> engine = it == engines_.end() ? nullptr : it->second.lock();
    if (!engine) return;  // a web view that has gone
    using Web = DisplayEvent::WebEvent;
    switch (e.web) {
        case Web::Loaded:
            engine->frameLoaded(e.serial);
            break;
        case Web::Failed:
            engine->frameFailed(e.url, e.text);
            break;
        case Web::Request: {
            fnd::URLRequest request{fnd::URL(e.url)};
            if (e.method == "POST") request.setFormBody(e.body);
            request.setNavigationType(e.navigation);
            request.setUserGesture(e.gesture);
            engine->frameRequests(e.serial, std::move(request));
            break;
        }
        case Web::Selection:
            engine->frameSelected(e.serial, e.text, e.rect);
            break;
    }
}

void WebViewHost::replay() {
    // A script may make or drop web views: go through a copy.
    std::vector<std::shared_ptr<BrowserWebEngine>> live;
    for (auto& [element, weak] : engines_)
        if (auto engine = weak.lock()) live.push_back(std::move(engine));
    for (auto& engine : live) engine->replay();
}

std::string WebViewHost::evaluate(std::uint64_t element, std::uint64_t serial, const std::string& script,
                                  double deadline, bool wait) {
    if (!server_.hasActiveTab()) return {};
    json message = {
        {"type", "evaluate"}, {"id", element}, {"serial", serial}, {"call", 0}, {"script", script}};
    // A script is the program's text; a broken byte in it must not stop the message.
    auto text = [&] { return message.dump(-1, ' ', false, json::error_handler_t::replace); };
    if (!wait) {
        server_.send(text());
        return {};
    }
    ScriptAnswers::Call call = answers_->expect();
    message["call"] = call.number;
    server_.send(text());
    return answers_->wait(call, deadline);
}

}  // namespace display
