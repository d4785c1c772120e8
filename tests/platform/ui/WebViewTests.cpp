// The web view model: what the delegate is asked and told, loads of every kind, scripts.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/ui/HeadlessWebEngine.h"
#include "platform/ui/Make.h"
#include "platform/ui/WebView.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/ScriptedWebEngine.h"
#include "tests/support/TestEnvironment.h"

using namespace ui;
using Nav = fnd::URLRequest::NavigationType;
using testing_support::HTTPTestServer;
using testing_support::ScriptedWebEngine;

namespace {

// Records every call; refuses addresses that contain `refuse`.
class RecordingDelegate : public WebViewDelegate {
  public:
    std::vector<std::string> calls;
    std::vector<fnd::URLRequest> asked;
    std::string refuse = "\x01";
    bool webViewShouldStartLoad(WebView&, const fnd::URLRequest& r, Nav nav) override {
        asked.push_back(r);
        const char* kinds[] = {"link", "form", "backForward", "reload", "formResubmitted", "other"};
        calls.push_back(std::string("should ") + kinds[int(nav)] + " " + r.url().absoluteString());
        return r.url().absoluteString().find(refuse) == std::string::npos;
    }
    void webViewDidStartLoad(WebView&) override { calls.push_back("start"); }
    void webViewDidFinishLoad(WebView&) override { calls.push_back("finish"); }
    void webViewDidFailLoad(WebView&, const fnd::URLError& e) override {
        calls.push_back("fail " + e.detail());
    }
};

class WebViewTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        ScriptedWebEngine::installForNewWebViews();
        web = make<WebView>(Rect{0, 0, 320, 416});
        engine = ScriptedWebEngine::engines().back();
        delegate = std::make_shared<RecordingDelegate>();
        web->setDelegate(delegate);
    }
    void TearDown() override {
        ScriptedWebEngine::reset();
        TestEnvironment::TearDown();
    }
    std::shared_ptr<WebView> web;
    std::shared_ptr<ScriptedWebEngine> engine;
    std::shared_ptr<RecordingDelegate> delegate;
    using Calls = std::vector<std::string>;
};

}  // namespace

TEST_F(WebViewTest, HtmlWithABaseAddressAndThePagesOwnRequests) {
    fnd::URL base = fnd::URL::fileURL(documents);
    web->loadHTMLString("<a href='page2.html'>next</a>", base);
    EXPECT_TRUE(web->isLoading());
    ASSERT_TRUE(engine->shown());
    EXPECT_EQ(engine->shown()->url, base);
    EXPECT_EQ(engine->shown()->content, "<a href='page2.html'>next</a>");
    EXPECT_EQ(engine->shown()->textEncoding, "utf-8");
    runFor(0.01);
    EXPECT_FALSE(web->isLoading());
    EXPECT_EQ(delegate->calls, (Calls{"should other " + base.absoluteString(), "start", "finish"}));

    // A link tap: the delegate sees the address in the base folder and refuses it: the page stays.
    delegate->calls.clear();
    delegate->refuse = "page2";
    EXPECT_FALSE(engine->tapLink("page2.html"));
    EXPECT_EQ(delegate->calls, (Calls{"should link " + base.absoluteString() + "page2.html"}));
    EXPECT_EQ(engine->documents().size(), 1u);

    // The program's own scheme: allowed, loads nothing, the page stays and nothing starts.
    delegate->calls.clear();
    EXPECT_TRUE(engine->tapLink("events:opencourse"));
    EXPECT_EQ(delegate->calls, (Calls{"should link events:opencourse"}));
    EXPECT_EQ(engine->documents().size(), 1u);
    EXPECT_FALSE(web->isLoading());

    // A form with GET: its navigation kind and its fields in the address.
    delegate->calls.clear();
    delegate->refuse = "answer=";
    EXPECT_FALSE(engine->submitForm("check", "GET", {{"answer", "3"}}));
    EXPECT_EQ(delegate->calls, (Calls{"should form " + base.absoluteString() + "check?answer=3"}));

    // A file the delegate allows is read and shown.
    std::ofstream(documents / "page2.html") << "<p>second</p>";
    delegate->refuse = "\x01";
    EXPECT_TRUE(engine->tapLink("page2.html"));
    EXPECT_EQ(engine->shown()->content, "<p>second</p>");
    runFor(0.01);
    EXPECT_TRUE(web->canGoBack());
    delegate->calls.clear();
    web->goBack();
    EXPECT_EQ(engine->shown()->content, "<a href='page2.html'>next</a>");
    EXPECT_EQ(delegate->calls.front(), "should backForward " + base.absoluteString());
    EXPECT_TRUE(web->canGoForward());

    // A missing file fails the load; the delegate hears it.
    delegate->calls.clear();
    engine->tapLink("missing.html");
    EXPECT_EQ(delegate->calls.back().rfind("fail no such file", 0), 0u) << delegate->calls.back();
}

TEST_F(WebViewTest, NoBaseAddressGivesABlankPageAndAJumpWithinThePageLoadsNothing) {
    web->loadHTMLString("<style> b {} </style> <b>front</b> ", fnd::URL());
    EXPECT_EQ(web->request().url().absoluteString(), "about:blank");
    runFor(0.01);
    delegate->calls.clear();
    EXPECT_TRUE(engine->tapLink("#answer"));
    EXPECT_EQ(delegate->calls, (Calls{"should link about:blank#answer"}));
    EXPECT_EQ(engine->documents().size(), 1u);
}

TEST_F(WebViewTest, OutsidePagesAreFetchedWithTheirHeadersAndFormBodies) {
    HTTPTestServer server;
    server.route("/forum/index.php",
                 HTTPTestServer::Reply::text("<html><head><title>Forum</title></head></html>",
                                             "text/html; charset=ISO-8859-1"));
    server.route("/forum/login.php", HTTPTestServer::Reply::text("<p>welcome</p>"));
    server.route("/gone", HTTPTestServer::Reply::text("", "text/html", 404));

    fnd::URLRequest request(fnd::URL(server.url("/forum/index.php")));
    request.setHeaderValue("My-Agent", "kit");
    web->loadRequest(request);
    EXPECT_EQ(delegate->calls.at(1), "start");
    ASSERT_TRUE(runUntil([&] { return !web->isLoading(); }, 10));
    EXPECT_EQ(delegate->calls.back(), "finish");
    ASSERT_TRUE(engine->shown());
    EXPECT_EQ(engine->shown()->content, "<html><head><title>Forum</title></head></html>");
    EXPECT_EQ(engine->shown()->url.absoluteString(), server.url("/forum/index.php"));
    EXPECT_EQ(engine->shown()->textEncoding, "iso-8859-1");  // the page's bytes are not UTF-8
    EXPECT_EQ(server.requests().at(0).headers.value("My-Agent"), "kit");

    // The page posts a form: the delegate sees the body, the server gets it.
    EXPECT_TRUE(engine->submitForm("login.php", "POST", {{"username", "ann"}, {"password", "a&b"}}));
    EXPECT_EQ(delegate->asked.back().body(), "username=ann&password=a%26b");
    EXPECT_EQ(delegate->asked.back().navigationType(), Nav::FormSubmitted);
    ASSERT_TRUE(runUntil([&] { return !web->isLoading(); }, 10));
    EXPECT_EQ(engine->shown()->content, "<p>welcome</p>");
    EXPECT_EQ(server.requests().back().body, "username=ann&password=a%26b");
    EXPECT_EQ(server.requests().back().method, "POST");

    // An error page is a page; a server that is not there is a failure.
    web->loadRequest(fnd::URLRequest(fnd::URL(server.url("/gone"))));
    ASSERT_TRUE(runUntil([&] { return !web->isLoading(); }, 10));
    EXPECT_EQ(delegate->calls.back(), "finish");
    server.stop();
    web->loadRequest(
        fnd::URLRequest(fnd::URL("http://127.0.0.1:" + std::to_string(HTTPTestServer::unusedPort()) + "/")));
    ASSERT_TRUE(runUntil([&] { return !web->isLoading(); }, 10));
    EXPECT_EQ(delegate->calls.back().rfind("fail", 0), 0u);
}

TEST_F(WebViewTest, ANewLoadSupersedesOneUnderWayAndStopEndsIt) {
    engine->setFinishesLoadsItself(false);
    web->loadHTMLString("<p>one</p>", fnd::URL());
    web->loadHTMLString("<p>two</p>", fnd::URL());
    engine->finishLoad();
    EXPECT_EQ(std::count(delegate->calls.begin(), delegate->calls.end(), "finish"), 1);
    EXPECT_FALSE(web->isLoading());

    web->loadHTMLString("<p>three</p>", fnd::URL());
    web->stopLoading();
    engine->finishLoad();  // the engine's late word changes nothing
    EXPECT_EQ(std::count(delegate->calls.begin(), delegate->calls.end(), "finish"), 1);

    web->loadHTMLString("<p>four</p>", fnd::URL());
    engine->failLoad("the page's frame went away");
    EXPECT_EQ(delegate->calls.back(), "fail the page's frame went away");
    web->reload();
    EXPECT_EQ(delegate->calls.at(delegate->calls.size() - 2), "should reload about:blank");
}

TEST_F(WebViewTest, ScriptsAnswerTextAndSelectionIsKept) {
    EXPECT_EQ(web->stringByEvaluatingJavaScript("document.title"), "");  // nothing shown yet
    EXPECT_TRUE(engine->scripts().empty());
    web->loadHTMLString("<title>Topic</title>", fnd::URL());
    engine->answer("document.title", "Topic");
    engine->answerWith(
        [](const std::string& s) { return s.find("innerHTML") != std::string::npos ? "<meta>" : ""; });
    EXPECT_EQ(web->stringByEvaluatingJavaScript("document.title"), "Topic");  // also before the load ends
    EXPECT_EQ(web->stringByEvaluatingJavaScript("document.getElementsByTagName('head')[0].innerHTML;"),
              "<meta>");
    EXPECT_EQ(web->stringByEvaluatingJavaScript("checked=true"), "");
    EXPECT_EQ(engine->scripts().size(), 3u);  // in the order they were run

    engine->select("mitochondria");
    EXPECT_EQ(web->selectedText(), "mitochondria");
    engine->select("");
    EXPECT_EQ(web->selectedText(), "");
}

TEST_F(WebViewTest, DetectorsAndScalingReachTheEngineAndTheHeadlessEngineAnswersNothing) {
    web->setDataDetectorTypes(DataDetectorNone);
    web->setScalesPageToFit(true);
    web->loadHTMLString("<p>Call 555-0100</p>", fnd::URL());
    EXPECT_EQ(engine->shown()->dataDetectors, unsigned(DataDetectorNone));
    EXPECT_TRUE(engine->shown()->scalesPageToFit);

    ScriptedWebEngine::reset();
    auto plain = make<WebView>(Rect{0, 0, 100, 100});
    auto* headless = dynamic_cast<HeadlessWebEngine*>(plain->engine().get());
    ASSERT_TRUE(headless);
    plain->loadHTMLString("<p>x</p>", fnd::URL());
    EXPECT_EQ(plain->stringByEvaluatingJavaScript("1+1"), "");
    EXPECT_EQ(headless->scripts(), (std::vector<std::string>{"1+1"}));
    runFor(0.01);
    EXPECT_FALSE(plain->isLoading());
    EXPECT_EQ(plain->primitiveKind(), PrimitiveKind::Frame);
}

namespace {

TEST_F(WebViewTest, PageAfterPageKeepsABoundedHistoryEndingAtTheLatest) {
    const fnd::URL base = fnd::URL::fileURL(documents);
    for (std::size_t i = 0; i < WebView::kHistoryLimit + 20; ++i) {
        web->loadHTMLString("<p>page " + std::to_string(i) + "</p>", base);
        runFor(0.01);
    }
    std::size_t back = 0;
    for (; web->canGoBack(); ++back) {
        web->goBack();
        runFor(0.01);
    }
    EXPECT_EQ(back, WebView::kHistoryLimit - 1);
    EXPECT_EQ(engine->shown()->content, "<p>page 20</p>");  // the oldest kept
    web->goForward();
    runFor(0.01);
    EXPECT_EQ(engine->shown()->content, "<p>page 21</p>");
}

}  // namespace
