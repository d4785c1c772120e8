// What a web view's frame is served, the answers to scripts across threads, and the frames' events
// as the display parses them.

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "platform/display/DisplayEvent.h"
#include "platform/display/PageBridge.h"
#include "platform/display/ScriptAnswers.h"

namespace display {
namespace {

ui::WebDocument document(std::string content, std::string url, std::string type = "text/html") {
    ui::WebDocument d;
    d.serial = 7;
    d.content = std::move(content);
    d.url = fnd::URL(url);
    d.mimeType = std::move(type);
    return d;
}

TEST(PageBridgeTest, InertDocumentsLetOnlyTheirBridgeRunByAFreshNonce) {
    auto bridge = PageBridge::withScript("(function (serial) {})");
    ui::WebDocument page = document("<b>card</b><script>alert(1)</script>", "about:blank");
    PageBridge::Served plain = bridge.prepare(page);
    EXPECT_TRUE(plain.contentPolicy.empty());
    EXPECT_NE(plain.body.find("<script>(function"), std::string::npos);

    page.inertContent = true;
    PageBridge::Served first = bridge.prepare(page);
    PageBridge::Served second = bridge.prepare(page);
    ASSERT_TRUE(first.ok);
    std::size_t at = first.body.find("<script nonce=\"");
    ASSERT_EQ(at, 0u);
    std::string nonce = first.body.substr(at + 15, first.body.find('"', at + 15) - at - 15);
    EXPECT_GE(nonce.size(), 16u);
    EXPECT_EQ(first.contentPolicy, PageBridge::inertPolicy(nonce));
    EXPECT_NE(first.contentPolicy, second.contentPolicy);  // a nonce is never used twice
    for (const char* part :
         {"default-src 'none'", "img-src data:", "style-src 'unsafe-inline'", "base-uri 'none'"})
        EXPECT_NE(first.contentPolicy.find(part), std::string::npos) << part;
    EXPECT_EQ(first.contentPolicy.find("unsafe-eval"), std::string::npos);
    // The page's own script stays as it was, without the nonce: the policy refuses it.
    EXPECT_NE(first.body.find("<b>card</b><script>alert(1)</script>"), std::string::npos);
}

TEST(PageBridgeTest, TheBridgeGoesFirstIntoTheHeadWithoutDisturbingTheDocumentType) {
    struct Case {
        const char* html;
        const char* before;  // what stays in front of the bridge
    } cases[] = {
        {"<!DOCTYPE html><html lang=en><head><title>t</title></head>", "<!DOCTYPE html><html lang=en><head>"},
        {"<HTML><HEAD profile=x>", "<HTML><HEAD profile=x>"},
        {"<html><header>no head</header>", "<html>"},
        {"\xef\xbb\xbf<?xml version='1.0'?>\n<!-- c --><!DOCTYPE html><p>x",
         "\xef\xbb\xbf<?xml version='1.0'?>\n<!-- c --><!DOCTYPE html>"},
        {"<p>a fragment</p>", ""},
        {"", ""},
        {"<!DOCTYPE html", ""},  // cut short: nothing to go after
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageBridge::insertionPoint(c.html), std::string(c.before).size()) << c.html;
}

TEST(PageBridgeTest, TheCharacterSetIsNamedForTheBrowser) {
    EXPECT_EQ(PageBridge::declaredCharset("<head><meta charset=\"ISO-8859-1\"><title>"), "iso-8859-1");
    EXPECT_EQ(PageBridge::declaredCharset(
                  "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"),
              "windows-1252");
    EXPECT_EQ(PageBridge::declaredCharset("<meta name=description content=\"charset matters\">"), "");
    EXPECT_EQ(PageBridge::declaredCharset(std::string(1100, ' ') + "<meta charset=latin1>"), "");  // too far
    EXPECT_EQ(PageBridge::declaredCharset("<meta charset=\"utf-8\\\"><script>\">"), "utf-8");

    PageBridge bridge = PageBridge::withScript("(function(serial){})");
    auto served = bridge.prepare(document("<meta charset=latin1><p>caf\xe9", "file:///r/"));
    EXPECT_EQ(served.contentType, "text/html; charset=latin1");
    ui::WebDocument fetched = document("<meta charset=latin1>", "http://forum.example/");
    fetched.textEncoding = "UTF-8";  // the server's word beats the page's
    EXPECT_EQ(bridge.prepare(fetched).contentType, "text/html; charset=utf-8");
    fetched.textEncoding = "x\"; evil=1";
    EXPECT_EQ(bridge.prepare(fetched).contentType, "text/html; charset=latin1");
    EXPECT_EQ(bridge.prepare(document("<p>", "about:blank")).contentType, "text/html; charset=utf-8");
}

TEST(PageBridgeTest, OutsidePagesKeepTheirAddressTextIsShownAndOtherKindsAreRefused) {
    PageBridge bridge = PageBridge::withScript("(function(serial){})");
    auto page =
        bridge.prepare(document("<html><head><title>F</title>", "http://forum.example/a?b=1&c=\"2\""));
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.body,
              "<html><head><base href=\"http://forum.example/a?b=1&amp;c=%222%22\">"
              "<script>(function(serial){})(7);</script><title>F</title>");
    // A page that names its own base keeps it; a page of the program's gets none.
    auto own =
        bridge.prepare(document("<head><BASE href=\"http://cdn.example/\">", "https://forum.example/"));
    EXPECT_EQ(own.body.find("forum.example"), std::string::npos);
    EXPECT_EQ(bridge.prepare(document("<p>", "file:///r/page.html")).body,
              "<script>(function(serial){})(7);</script><p>");

    auto text = bridge.prepare(document("a < b & \"c\"", "http://x.example/t.txt", "text/plain"));
    ASSERT_TRUE(text.ok);
    EXPECT_NE(text.body.find("<pre style=\"white-space: pre-wrap\">a &lt; b &amp; &quot;c&quot;</pre>"),
              std::string::npos);
    EXPECT_NE(text.body.find("(7);</script>"), std::string::npos);
    EXPECT_TRUE(bridge.prepare(document("<x/>", "file:///r/b.xhtml", "application/xhtml+xml")).ok);
    auto binary = bridge.prepare(document("%PDF", "http://x.example/a.pdf", "application/pdf"));
    EXPECT_FALSE(binary.ok);
    EXPECT_EQ(binary.error, "a document of type application/pdf cannot be shown");
}

TEST(PageBridgeTest, APageWrittenElsewhereLearnsItsAddressFromABaseAheadOfItsBridge) {
    PageBridge bridge = PageBridge::withScript("(function(serial){})");
    struct Case {
        const char* html;
        const char* expected;  // empty: the page keeps its own base, and the text stays
    } cases[] = {
        {"<!DOCTYPE html><html><head><title>Q</title>",
         "<!DOCTYPE html><html><head><base href=\"/s/f/d?a=1&amp;b=&quot;\"><script>(function(serial){})(7);"
         "</script><title>Q</title>"},
        {"<p>no head</p>",
         "<base href=\"/s/f/d?a=1&amp;b=&quot;\"><script>(function(serial){})(7);</script><p>no head</p>"},
        {"<head><BASE HREF=\"pictures/\"><p>own</p>", ""},
    };
    for (const Case& c : cases) {
        std::string html = bridge.prepare(document(c.html, "file:///r/")).body;
        std::string before = html;
        bool based = PageBridge::addBase(html, "/s/f/d?a=1&b=\"");
        EXPECT_EQ(based, *c.expected != '\0') << c.html;
        EXPECT_EQ(html, based ? std::string(c.expected) : before) << c.html;
    }
}

TEST(ScriptAnswersTest, AnAnswerReachesItsWaiterFromAnotherThreadAndALateOneIsDropped) {
    ScriptAnswers answers;
    // Answered before the wait begins, from the I/O thread's side.
    auto first = answers.expect();
    std::thread([&] {
        EXPECT_TRUE(answers.take(R"({"type":"answer","call":)" + std::to_string(first.number) +
                                 R"(,"result":"Topic"})"));
    }).join();
    EXPECT_EQ(answers.wait(first, 1.0), "Topic");

    // Nobody answers in time: "", and the late answer is taken but goes nowhere.
    auto late = answers.expect();
    EXPECT_EQ(answers.wait(late, 0.01), "");
    EXPECT_TRUE(answers.take(R"({"result":"too late","call":)" + std::to_string(late.number) +
                             R"(,"type":"answer"})"));
    auto next = answers.expect();
    auto waiting = std::async(std::launch::async, [&] { return answers.wait(next, 5.0); });
    EXPECT_TRUE(
        answers.take(R"({"type":"answer","call":)" + std::to_string(next.number) + R"(,"result":"mine"})"));
    EXPECT_EQ(waiting.get(), "mine");

    // Other messages go on; malformed answers are dropped here.
    EXPECT_FALSE(answers.take(R"({"type":"pointer","phase":"down","id":1,"x":0,"y":0})"));
    EXPECT_FALSE(answers.take(R"({"type":"text","id":3,"value":"\"answer\"","start":0,"length":0})"));
    EXPECT_TRUE(answers.take(R"({"type":"answer","call":"x","result":1})"));
    EXPECT_TRUE(answers.take(R"({"type":"answer","call":-1,"result":"r"})"));
}

TEST(DisplayEventTest, FramesEventsParseOnlyWhenWhole) {
    auto request = DisplayEvent::parse(
        R"({"type":"web","id":6,"serial":2,"event":"request","navigation":"form","url":"http://h/x","method":"POST","body":"a=1"})");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->kind, DisplayEvent::Kind::Web);
    EXPECT_EQ(request->web, DisplayEvent::WebEvent::Request);
    EXPECT_EQ(request->element, 6u);
    EXPECT_EQ(request->serial, 2u);
    EXPECT_EQ(request->navigation, fnd::URLRequest::NavigationType::FormSubmitted);
    EXPECT_EQ(request->body, "a=1");
    EXPECT_FALSE(request->gesture);
    // The person's own press counts only when said plainly.
    for (auto [gesture, counts] :
         {std::pair{"true", true}, {"false", false}, {"\"true\"", false}, {"1", false}}) {
        auto said = DisplayEvent::parse(
            std::string(
                R"({"type":"web","id":6,"serial":2,"event":"request","navigation":"form","url":"x","method":"GET","gesture":)") +
            gesture + "}");
        ASSERT_TRUE(said) << gesture;
        EXPECT_EQ(said->gesture, counts) << gesture;
    }
    auto failed = DisplayEvent::parse(R"({"type":"web","id":6,"event":"failed","src":"/d/x"})");
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->url, "/d/x");
    auto selection = DisplayEvent::parse(
        R"({"type":"web","id":6,"serial":2,"event":"selection","text":"é","rect":[1,2,3,4]})");
    ASSERT_TRUE(selection);
    EXPECT_EQ(selection->rect.size.width, 3);

    for (
        const char* bad : {
            R"({"type":"web","id":6,"serial":0,"event":"loaded"})",
            R"({"type":"web","id":6,"event":"loaded"})",
            R"({"type":"web","serial":1,"event":"loaded"})",
            R"({"type":"web","id":6,"serial":1,"event":"unknown"})",
            R"({"type":"web","id":6,"serial":1,"event":"request","navigation":"link","url":"","method":"GET"})",
            R"({"type":"web","id":6,"serial":1,"event":"request","navigation":"teleport","url":"x","method":"GET"})",
            R"({"type":"web","id":6,"serial":1,"event":"request","navigation":"link","url":"x","method":"PUT"})",
            R"({"type":"web","id":6,"event":"failed"})",
        })
        EXPECT_FALSE(DisplayEvent::parse(bad)) << bad;
}

}  // namespace
}  // namespace display
