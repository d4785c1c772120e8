// Web views in the device session, with a test client as the tab: what their frames are served,
// the addresses the delegate sees, requests, loads and selections coming back from the frame,
// scripts and their answers, and a tab that takes over.

#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "platform/display/BrowserWebEngine.h"
#include "platform/display/DeviceSession.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/Make.h"
#include "platform/ui/WebView.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/TestClient.h"

namespace fs = std::filesystem;
using json = nlohmann::json;
using display_test::httpRequest;
using display_test::WebSocketClient;
using Nav = fnd::URLRequest::NavigationType;

namespace display {
namespace {

class Recorder : public ui::WebViewDelegate {
  public:
    std::vector<std::string> calls;
    std::vector<fnd::URLRequest> asked;
    bool webViewShouldStartLoad(ui::WebView&, const fnd::URLRequest& r, Nav) override {
        asked.push_back(r);
        calls.push_back("should " + r.url().absoluteString());
        return r.url().absoluteString().find("refuse") == std::string::npos;
    }
    void webViewDidFinishLoad(ui::WebView&) override { calls.push_back("finish"); }
    void webViewDidFailLoad(ui::WebView&, const fnd::URLError& e) override {
        calls.push_back("fail " + e.detail());
    }
};

class BrowserWebEngineTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        resources = temporary / "res";
        fs::create_directories(resources / "sub");
        std::ofstream(resources / "page.css") << "p{}";
        std::ofstream(resources / "answer.html") << "<p>answer</p>";
        std::ofstream(resources / "sub" / "inner.css") << "b{}";
        fnd::Paths::setResources(resources);
        DeviceSession::Options options;
        options.resources = resources;
        session = std::make_unique<DeviceSession>(options);
        ASSERT_TRUE(session->start()) << session->error();
        port = session->server().port();
        web = ui::make<ui::WebView>(ui::Rect{0, 20, 320, 400});
        web->setDelegate(delegate);
        window()->addSubview(web);
    }
    void TearDown() override {
        web.reset();
        session.reset();
        ScreenTestEnvironment::TearDown();
    }

    BrowserWebEngine& engine() { return dynamic_cast<BrowserWebEngine&>(*web->engine()); }
    std::string base() const { return fnd::URL::fileURL(resources).absoluteString(); }
    std::string local(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port) + path;
    }
    // The served document's path, and the folder's address it lies in.
    std::string src() const {
        return web->documentAddress().substr(0, web->documentAddress().find_first_of("?#"));
    }
    std::string prefix() const { return src().substr(0, src().rfind('/') + 1); }
    // The serial the bridge of the served document was given.
    std::uint64_t servedSerial() {
        std::smatch found;
        std::string body = httpRequest(port, src()).body;
        if (!std::regex_search(body, found, std::regex(R"(\((\d+)\);</script>)"))) return 0;
        return std::stoull(found[1]);
    }

    // Opens a tab; answers the tree it gets.
    json connect(WebSocketClient& tab) {
        EXPECT_TRUE(tab.connect(port, "/ws?token=" + session->server().token(),
                                {{"Origin", "http://127.0.0.1:" + std::to_string(port)}}));
        EXPECT_TRUE(runUntil([&] { return session->server().hasActiveTab(); }));
        return next(tab, "tree");
    }
    // The tab's next message, read while the main loop runs (the session answers on it).
    std::optional<std::string> read(WebSocketClient& tab) {
        auto message = std::async(std::launch::async, [&tab] { return tab.read(); });
        runUntil([&] { return message.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10);
        return message.get();
    }
    json next(WebSocketClient& tab, const std::string& type) {
        while (auto text = read(tab)) {
            json message = json::parse(*text);
            if (message["type"] == type) return message;
        }
        ADD_FAILURE() << "no " << type << " message";
        return {};
    }
    json frameEvent(const std::string& event, std::uint64_t serial) const {
        return {{"type", "web"}, {"id", web->elementId()}, {"serial", serial}, {"event", event}};
    }
    json request(const std::string& url, std::uint64_t serial, const std::string& navigation = "link") const {
        json e = frameEvent("request", serial);
        e.update({{"url", url}, {"navigation", navigation}, {"method", "GET"}});
        return e;
    }

    fs::path resources;
    std::unique_ptr<DeviceSession> session;
    unsigned short port = 0;
    std::shared_ptr<Recorder> delegate = std::make_shared<Recorder>();
    std::shared_ptr<ui::WebView> web;
};

TEST_F(BrowserWebEngineTest, ThePageIsServedWithItsBridgeBesideItsFolderAndNothingBeyond) {
    web->loadHTMLString("<!DOCTYPE html><html><head><title>Page</title></head><body>é</body></html>",
                        fnd::URL::fileURL(resources));
    ASSERT_TRUE(src().starts_with("/s/"));
    auto page = httpRequest(port, src());  // no token: its address is its proof
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.headers["content-type"], "text/html; charset=utf-8");
    EXPECT_TRUE(page.body.starts_with("<!DOCTYPE html><html><head><base href=\"" + src() +
                                      "\"><script>(function (serial)"))
        << page.body;
    EXPECT_NE(page.body.find(");</script><title>Page</title>"), std::string::npos);
    EXPECT_EQ(httpRequest(port, src()).status, 200);  // again, for a frame loaded anew
    EXPECT_EQ(httpRequest(port, prefix() + "page.css").body, "p{}");
    EXPECT_NE(httpRequest(port, prefix() + "..%2fres%2fpage.css").status, 200);

    // A page with a file name takes its place in the folder; the page before goes with its folder.
    std::string before = src();
    web->loadHTMLString("<p>inner</p>", fnd::URL::fileURL(resources / "sub" / "inner.html"));
    EXPECT_TRUE(src().ends_with("/inner.html")) << src();
    EXPECT_EQ(httpRequest(port, prefix() + "inner.css").body, "b{}");
    EXPECT_NE(httpRequest(port, before).status, 200);
    EXPECT_NE(httpRequest(port, before.substr(0, before.rfind('/') + 1) + "page.css").status, 200);

    // A book's folder in the documents folder is served; the documents folder itself, or a folder
    // elsewhere, is not: the page alone is.
    fs::create_directories(documents / "eBooks" / "b1");
    std::ofstream(documents / "eBooks" / "b1" / "c.css") << "i{}";
    std::ofstream(documents / "archive.bin") << "private";
    web->loadHTMLString("<p>book</p>", fnd::URL::fileURL(documents / "eBooks" / "b1"));
    EXPECT_EQ(httpRequest(port, prefix() + "c.css").body, "i{}");
    web->loadHTMLString("<p>documents</p>", fnd::URL::fileURL(documents));
    EXPECT_TRUE(src().starts_with("/d/")) << src();
    EXPECT_EQ(httpRequest(port, src()).status, 200);
    web->loadHTMLString("<p>elsewhere</p>", fnd::URL::fileURL(temporary));
    EXPECT_TRUE(src().starts_with("/d/")) << src();

    // The frame's address keeps the page's query and fragment.
    web->loadHTMLString("<p>q</p>", fnd::URL(base() + "answer.html?answer=3#end"));
    EXPECT_TRUE(web->documentAddress().ends_with("/answer.html?answer=3#end")) << web->documentAddress();
}

TEST_F(BrowserWebEngineTest, APageMadeFromATextNamesItsOwnAddressToBeWrittenWithoutANavigation) {
    WebSocketClient tab;
    ASSERT_TRUE(tab.connect(port, "/ws?token=" + session->server().token(),
                            {{"Origin", "http://127.0.0.1:" + std::to_string(port)}}));
    std::string shell = next(tab, "device")["frameShell"];
    ASSERT_FALSE(shell.empty());
    // Made from a text, with nothing of its own in its address: its base names where it is served,
    // so that the frame it is written into need not take that address.
    web->loadHTMLString("<head><title>Q</title></head><p>question</p>", fnd::URL::fileURL(resources));
    json text = next(tab, "document");
    EXPECT_EQ(text["src"], web->documentAddress());
    EXPECT_EQ(text["base"], true);
    EXPECT_NE(text["html"].get<std::string>().find("<head><base href=\"" + src() + "\"><script>"),
              std::string::npos);
    EXPECT_EQ(httpRequest(port, src()).body, text["html"]);  // the same text, should the frame load it
    // Such a page keeps the shell's address, which a reload asks for: the delegate sees the page's.
    EXPECT_EQ(engine().pageAddress(local(shell)).absoluteString(), base());
    // What its scripts resolve against that address, rather than its base, is meant in its folder.
    std::string shellFolder = shell.substr(0, shell.rfind('/') + 1);
    EXPECT_EQ(engine().pageAddress(local(shellFolder + "next.html?a=1")).absoluteString(),
              fnd::URL::fileURL(resources / "next.html").absoluteString() + "?a=1");

    // A page whose address its scripts may read (its own file's name, a query, a fragment) is
    // written at that address, as before: no base of the program's.
    for (fnd::URL url : {fnd::URL::fileURL(resources / "answer.html"), fnd::URL(base() + "?answer=3"),
                         fnd::URL(base() + "#end")}) {
        web->loadHTMLString("<p>own</p>", url);
        json own = next(tab, "document");
        EXPECT_EQ(own["base"], false) << url.absoluteString();
        EXPECT_EQ(own["html"].get<std::string>().find("<base"), std::string::npos) << url.absoluteString();
    }
}

TEST_F(BrowserWebEngineTest, ImagesOfTheBundleAreFoundWhereItsPagesNameThem) {
    fs::create_directories(resources / "images");
    std::ofstream(resources / "images" / "mark.png") << "png";
    std::ofstream(resources / "images" / "page.css") << "shadowed";
    std::ofstream(resources / "sub" / "images") << "not a folder";
    web->loadHTMLString("<img src=\"mark.png\">", fnd::URL::fileURL(resources));
    EXPECT_EQ(httpRequest(port, prefix() + "mark.png").body, "png");
    EXPECT_EQ(httpRequest(port, prefix() + "images/mark.png").body, "png");
    EXPECT_EQ(httpRequest(port, prefix() + "page.css").body, "p{}");  // the top comes first
    EXPECT_NE(httpRequest(port, prefix() + "sub/mark.png").status, 200);
    // Only a page at the bundle's top finds them so: a page of a book or of a subfolder does not.
    web->loadHTMLString("<img src=\"mark.png\">", fnd::URL::fileURL(resources / "sub"));
    EXPECT_NE(httpRequest(port, prefix() + "mark.png").status, 200);
}

TEST_F(BrowserWebEngineTest, TheDelegateSeesTheAddressesThePageExpects) {
    web->loadHTMLString("<p>x</p>", fnd::URL::fileURL(resources));
    std::string localhost = "http://localhost:" + std::to_string(port);
    EXPECT_EQ(engine().pageAddress(local(prefix() + "pictures/a%20b.png?x#y")).absoluteString(),
              base() + "pictures/a%20b.png?x#y");
    EXPECT_EQ(engine().pageAddress(localhost + src() + "#bottom").absoluteString(), base() + "#bottom");
    EXPECT_EQ(engine().pageAddress(local(src() + "?answer=2")).absoluteString(), base() + "?answer=2");
    for (std::string kept : {"http://127.0.0.1:1" + src(), "http://example.com" + src(),
                             std::string("events:opencourse"), local("/screen.js")})
        EXPECT_EQ(engine().pageAddress(kept).absoluteString(), kept);

    web->loadHTMLString("<p>y</p>", fnd::URL());
    EXPECT_EQ(engine().pageAddress(local(src() + "#top")).absoluteString(), "about:blank#top");
}

TEST_F(BrowserWebEngineTest, RequestsOfTheFrameLoadOnlyWhatTheDelegateAllows) {
    WebSocketClient tab;
    connect(tab);
    web->loadHTMLString("<p>start</p>", fnd::URL::fileURL(resources));
    std::uint64_t serial = servedSerial();
    ASSERT_NE(serial, 0u);
    tab.send(frameEvent("loaded", serial).dump());
    ASSERT_TRUE(runUntil([&] { return delegate->calls.back() == "finish"; }));
    tab.send(frameEvent("loaded", serial).dump());  // a frame that loads it again tells nothing new
    std::string shown = src();
    delegate->calls.clear();
    delegate->asked.clear();

    // A refused form (the browser tests show the rest of the delegate's say): the page stays.
    tab.send(request(local(prefix() + "refuse.html?answer=2"), serial, "form").dump());
    ASSERT_TRUE(runUntil([&] { return !delegate->asked.empty(); }));
    EXPECT_EQ(delegate->asked.back().url().absoluteString(), base() + "refuse.html?answer=2");
    EXPECT_EQ(delegate->asked.back().navigationType(), Nav::FormSubmitted);
    EXPECT_EQ(src(), shown);

    // A jump within the page, allowed: the frame is told to go there.
    tab.send(request(local(src() + "#bottom"), serial).dump());
    ASSERT_TRUE(runUntil([&] { return delegate->asked.size() == 2; }));
    json jump = next(tab, "evaluate");
    EXPECT_EQ(jump["script"], "location.hash = \"#bottom\"");
    EXPECT_EQ(jump["call"], 0);
    EXPECT_EQ(jump["serial"], serial);

    // A page that is no longer shown asks nothing; an allowed file loads, and finishes once.
    tab.send(request(local(prefix() + "old.html"), serial + 1000).dump());
    tab.send(request(local(prefix() + "answer.html"), serial).dump());
    ASSERT_TRUE(runUntil([&] { return web->isLoading(); }));
    EXPECT_EQ(delegate->asked.back().url().absoluteString(), base() + "answer.html");
    EXPECT_EQ(delegate->asked.size(), 3u);
    EXPECT_EQ(httpRequest(port, src()).body.substr(httpRequest(port, src()).body.find("</script>") + 9),
              "<p>answer</p>");
    std::uint64_t second = servedSerial();
    EXPECT_GT(second, serial);
    tab.send(frameEvent("loaded", serial).dump());  // the old page, late
    tab.send(frameEvent("loaded", second).dump());
    ASSERT_TRUE(runUntil([&] { return !web->isLoading(); }));
    EXPECT_EQ(std::count(delegate->calls.begin(), delegate->calls.end(), "finish"), 1);

    // A frame whose page never spoke: a failure, for its own document only.
    web->loadHTMLString("<p>third</p>", fnd::URL::fileURL(resources));
    json failed = {{"type", "web"}, {"id", web->elementId()}, {"event", "failed"}, {"src", "/d/other"}};
    tab.send(failed.dump());
    failed["src"] = web->documentAddress();
    failed["reason"] = "the page in the frame did not answer";
    tab.send(failed.dump());
    ASSERT_TRUE(runUntil([&] { return !web->isLoading(); }));
    EXPECT_EQ(delegate->calls.back(), "fail the page in the frame did not answer");
}

TEST_F(BrowserWebEngineTest, ASynchronousEvaluationSendsTheTurnsChangesFirstAndWaitsForTheAnswer) {
    web->loadHTMLString("<title>T</title>", fnd::URL::fileURL(resources));
    EXPECT_EQ(web->stringByEvaluatingJavaScript("document.title"), "");  // no tab: nothing to ask

    WebSocketClient tab;
    connect(tab);
    // Answers every evaluation it is asked to answer; notes what came in what order.
    std::vector<std::string> seen;
    std::thread page([&] {
        for (int answered = 0; answered < 2;) {
            auto text = tab.read();
            if (!text) return;
            json m = json::parse(*text);
            bool asked = m["type"] == "evaluate" && m["call"] != 0;
            seen.push_back(asked ? "asked " + m["script"].get<std::string>() : m["type"].get<std::string>());
            if (!asked) continue;
            ++answered;
            json answer = {{"type", "answer"},
                           {"call", m["call"]},
                           {"result", "answer to " + m["script"].get<std::string>()}};
            tab.send(answer.dump());
        }
    });
    web->setAlpha(0.5);  // a change of this turn
    EXPECT_EQ(web->stringByEvaluatingJavaScript("document.title"), "answer to document.title");
    EXPECT_EQ(web->stringByEvaluatingJavaScript("1 + 1"), "answer to 1 + 1");
    page.join();
    // The script run without a tab came first, as the page's past; then the change of this turn,
    // then the question.
    EXPECT_EQ(seen, (std::vector<std::string>{"evaluate", "patch", "asked document.title", "asked 1 + 1"}));

    // A web view off the screen has no frame to ask: its scripts are passed on for later.
    auto offScreen = ui::make<ui::WebView>(ui::Rect{0, 0, 100, 100});
    offScreen->loadHTMLString("<p>later</p>", fnd::URL());
    EXPECT_EQ(offScreen->stringByEvaluatingJavaScript("window.x = 1"), "");
    json later = next(tab, "evaluate");
    EXPECT_EQ(later["id"], offScreen->elementId());
    EXPECT_EQ(later["call"], 0);
}

TEST_F(BrowserWebEngineTest, ATabThatTakesOverGetsEveryPagesScriptsSinceItsDocument) {
    web->loadHTMLString("<p id=m>as loaded</p>", fnd::URL::fileURL(resources));
    auto marker = ui::make<ui::WebView>(ui::Rect{0, 0, 10, 10});  // off the screen: never waits
    marker->loadHTMLString("<p>marker</p>", fnd::URL());
    // No tab: the scripts answer nothing but are kept.
    web->stringByEvaluatingJavaScript("document.getElementById('m').textContent = 'one'");
    web->stringByEvaluatingJavaScript("document.getElementById('m').textContent += ' two'");
    std::string address = web->documentAddress();

    WebSocketClient first;
    connect(first);
    json one = next(first, "evaluate");
    EXPECT_EQ(one["script"], "document.getElementById('m').textContent = 'one'");
    EXPECT_EQ(one["id"], web->elementId());
    EXPECT_EQ(one["call"], 0);
    EXPECT_EQ(next(first, "evaluate")["script"], "document.getElementById('m').textContent += ' two'");
    // The document stays where it was, for the new tab's frame.
    EXPECT_EQ(web->documentAddress(), address);
    EXPECT_EQ(httpRequest(port, src()).status, 200);

    // A new document starts with no scripts: the next tab gets none of the old page's.
    web->loadHTMLString("<p>fresh</p>", fnd::URL::fileURL(resources));
    WebSocketClient second;
    connect(second);
    marker->stringByEvaluatingJavaScript("'marker'");
    EXPECT_EQ(next(second, "evaluate")["script"], "'marker'");
}

TEST_F(BrowserWebEngineTest, WebViewsMadeAtLaunchShowInTheTabWhenTheSessionCameFirst) {
    struct Launcher : ui::ApplicationDelegate {
        std::shared_ptr<ui::WebView> made;
        void applicationDidFinishLaunching(ui::Application&) override {
            made = ui::make<ui::WebView>(ui::Rect{0, 20, 320, 200});
            window()->addSubview(made);
            window()->makeKeyAndVisible();
            made->loadHTMLString("<p>at launch</p>", fnd::URL());
        }
    };
    auto launcher = std::make_shared<Launcher>();
    launch(ui::Idiom::Phone, launcher);  // with the session already serving
    ASSERT_TRUE(dynamic_cast<BrowserWebEngine*>(launcher->made->engine().get()));
    WebSocketClient tab;
    json tree = connect(tab);
    bool shown = false;
    for (const json& element : tree["elements"])
        shown |= element["id"] == launcher->made->elementId() &&
                 element["props"]["src"] == launcher->made->documentAddress() && element["kind"] == "frame";
    EXPECT_TRUE(shown) << tree.dump();
}

TEST_F(BrowserWebEngineTest, AWebViewThatGoesAwayIsForgottenByTheTabAndTheServer) {
    WebSocketClient tab;
    connect(tab);
    web->loadHTMLString("<p>Café crème</p>", fnd::URL::fileURL(resources));
    std::string gone = src();
    std::uint64_t id = web->elementId();
    web->removeFromSuperview();
    web.reset();
    json message = next(tab, "webGone");
    EXPECT_EQ(message["id"], id);
    EXPECT_NE(httpRequest(port, gone).status, 200);
}

}  // namespace
}  // namespace display
