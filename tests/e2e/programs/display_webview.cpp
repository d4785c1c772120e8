// A test program for the browser tests of web views: the device session with two web views, the
// first in a holder that offers the edit menu's "Look up" item for text selected in it, the second
// inside a pad that notes the touches that reach the program. Pages come from the resource
// folder (--resources), loaded as HTML with that folder as their base. At the start, before any tab
// is there, the first web view loads "start.html".
//
// It prints its address, then one line for each thing the web views' delegate hears:
//   should TAG NAVIGATION METHOD URL [BODY]   (refused when the address contains "refuse")
//   finish TAG URL | fail TAG REASON
// and takes commands on its standard input, one a line, answering each:
//   page TAG NAME                  load the page NAME of the resource folder
//   request TAG URL [NAME:VALUE]   load an address, with a header field
//   eval TAG SCRIPT                a synchronous evaluation: "result TEXT" ("" as nothing)
//   time TAG COUNT SCRIPT          COUNT evaluations: "median MS" of their round trips
//   interactive TAG 0|1            switch the web view's user interaction
//   fit TAG 0|1                    switch the web view's scaling of pages to fit
//   selection TAG                  "selection TEXT": the text selected in the web view
//   wrap TAG                       move the web view into a new view in its place: "wrapped TAG"
// The pad says "tap X,Y" for a touch that ends in it.
// Usage: display_webview --resources DIR

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/Paths.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"
#include "platform/ui/WebView.h"
#include "platform/ui/Window.h"
#include "tests/support/DisplayTestProgram.h"

namespace {

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

const char* navigationName(fnd::URLRequest::NavigationType type) {
    using Nav = fnd::URLRequest::NavigationType;
    switch (type) {
        case Nav::LinkClicked:
            return "link";
        case Nav::FormSubmitted:
            return "form";
        case Nav::BackForward:
            return "backForward";
        case Nav::Reload:
            return "reload";
        case Nav::FormResubmitted:
            return "formResubmitted";
        case Nav::Other:
            break;
    }
    return "other";
}

class Delegate : public ui::WebViewDelegate {
  public:
    bool webViewShouldStartLoad(ui::WebView& view, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType navigation) override {
        std::string line = "should " + std::to_string(view.tag()) + " " + navigationName(navigation) + " " +
                           request.method() + " " + request.url().absoluteString();
        if (!request.body().empty()) line += " " + request.body();
        if (request.isUserGesture()) line += " (person)";
        say(line);
        return request.url().absoluteString().find("refuse") == std::string::npos;
    }
    void webViewDidFinishLoad(ui::WebView& view) override {
        say("finish " + std::to_string(view.tag()) + " " + view.request().url().absoluteString());
    }
    void webViewDidFailLoad(ui::WebView& view, const fnd::URLError& error) override {
        say("fail " + std::to_string(view.tag()) + " " + error.detail());
    }
};

// Notes the touches that reach it.
class Pad : public ui::View {
  public:
    void touchesEnded(const ui::Touches& touches) override {
        ui::Point p = touches.front()->locationIn(this);
        say("tap " + std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y)));
    }
};

// Offers "Look up" for what is selected in the views it holds.
class Holder : public ui::View {
  public:
    bool canPerformAction(const std::string& action, const Sender&) override { return action == "lookUp:"; }
};

std::string readPage(const std::string& name) {
    std::ifstream in(fnd::Paths::resources() / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class Commands {
  public:
    std::map<int, std::shared_ptr<ui::WebView>> views;

    void run(const std::string& line) {
        std::istringstream in(line);
        std::string command;
        int tag = 0;
        in >> command >> tag;
        auto found = views.find(tag);
        if (found == views.end()) return say("no web view " + std::to_string(tag));
        ui::WebView& view = *found->second;
        std::string rest;
        std::getline(in >> std::ws, rest);
        if (command == "page") {
            view.loadHTMLString(readPage(rest), fnd::URL::fileURL(fnd::Paths::resources()));
        } else if (command == "request") {
            std::istringstream words(rest);
            std::string url, header;
            words >> url >> header;
            fnd::URLRequest request{fnd::URL(url)};
            if (auto colon = header.find(':'); colon != std::string::npos)
                request.setHeaderValue(header.substr(0, colon), header.substr(colon + 1));
            view.loadRequest(request);
        } else if (command == "eval") {
            say("result " + view.stringByEvaluatingJavaScript(rest));
        } else if (command == "time") {
            std::istringstream words(rest);
            int count = 0;
            words >> count;
            std::string script;
            std::getline(words >> std::ws, script);
            std::vector<double> times;
            for (int i = 0; i < count; ++i) {
                auto start = std::chrono::steady_clock::now();
                std::string result = view.stringByEvaluatingJavaScript(script);
                std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
                if (result.empty()) return say("no answer to evaluation " + std::to_string(i + 1));
                times.push_back(took.count());
            }
            if (times.empty()) return say("median none");
            std::sort(times.begin(), times.end());
            char text[64];
            std::snprintf(text, sizeof text, "median %.3f max %.3f", times[times.size() / 2], times.back());
            say(text);
        } else if (command == "interactive") {
            view.setUserInteractionEnabled(rest == "1");
            say("interactive " + rest);
        } else if (command == "fit") {
            view.setScalesPageToFit(rest == "1");
            say("fit " + rest);
        } else if (command == "selection") {
            say("selection " + view.selectedText());
        } else if (command == "wrap") {
            // One turn: the new view and the move reach the page in one patch, where the web
            // view's node goes into a parent that is not yet in the page.
            auto parent = view.superview();
            auto wrapper = ui::make<ui::View>(view.frame());
            view.setFrame(ui::Rect{0, 0, view.frame().size.width, view.frame().size.height});
            parent->addSubview(wrapper);
            wrapper->addSubview(found->second);
            say("wrapped " + std::to_string(tag));
        } else {
            say("unknown command " + command);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--resources") fnd::Paths::setResources(argv[i + 1]);
    testing_support::DisplayTestProgram program("display_webview", ui::Idiom::Phone);
    if (!program.serve()) return 1;
    auto window = program.window();
    window->setBackgroundColor(ui::Color::whiteColor());

    auto delegate = std::make_shared<Delegate>();
    Commands commands;
    ui::EditMenu::shared().setMenuItems({{"Look up", "lookUp:"}});
    auto holder = ui::make<Holder>(ui::Rect{0, 20, 320, 280});
    window->addSubview(holder);
    auto first = ui::make<ui::WebView>(ui::Rect{0, 0, 320, 280});
    first->setTag(1);
    first->setDelegate(delegate);
    holder->addSubview(first);
    auto pad = ui::make<Pad>(ui::Rect{0, 310, 320, 170});
    pad->setBackgroundColor(ui::Color::rgb(0.85, 0.9, 1.0));
    window->addSubview(pad);
    auto second = ui::make<ui::WebView>(ui::Rect{10, 10, 300, 150});
    second->setTag(2);
    second->setDelegate(delegate);
    pad->addSubview(second);
    commands.views = {{1, first}, {2, second}};
    first->loadHTMLString(readPage("start.html"), fnd::URL::fileURL(fnd::Paths::resources()));

    // The commands come on a thread of their own and run on the main loop.
    std::thread([loop = program.loop(), &commands] {
        std::string line;
        while (std::getline(std::cin, line)) loop->post([&commands, line] { commands.run(line); });
    }).detach();

    return program.run();
}
