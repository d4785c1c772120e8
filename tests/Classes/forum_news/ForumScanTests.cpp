#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/forum_news/ForumPageReader.h"
#include "Classes/forum_news/MForumScan.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/URLSession.h"
#include "platform/ui/Device.h"
#include "tests/support/FakeForum.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/ScreenTestEnvironment.h"

namespace {

using ostrand::Regex;
using testing_support::HTTPTestServer;
using Strings = std::vector<std::string>;

using testing_support::FakeForum;

class ForumScanTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        delegate = std::make_shared<TovridaAppDelegate>();
        launch(ui::Idiom::Phone, delegate);
        // The launch loads the user's data on its own thread; this test's repository replaces them.
        ASSERT_TRUE(runUntil([this] { return !delegate->isLoading(); }));
        // The home screen's tip band comes a second after it shows; a test below counts the loop's
        // timers, so the home screen's own have run first.
        runFor(2);
        practice = MPracticeRepository::makeWithData();
        rep = std::make_shared<MRepository>();
        rep->setPracticeRep(practice);
        delegate->setRep(rep);
        ui::Device::current().setModel("iPhone3,1");
        ui::Device::current().setBatteryMonitoringEnabled(true);
        ui::Device::current().setBattery(-1, ui::BatteryState::Unknown);
        session->setNetworkCheck([] { return true; });
        scanner = MForumScan::make(server.url("/forum/"), session);
        fnd::NotificationCenter::defaultCenter().addObserver(this, MForumScan::kTipEvent, scanner.get(),
                                                             [this](const fnd::Notification&) { ++tips; });
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(this);
        scanner->stopConnection();
        ScreenTestEnvironment::TearDown();
    }

    // Waits in real time for the pages, without moving the manual clock (the stop rules read it).
    bool waitFor(const std::function<bool()>& done) { return runUntil(done, 0); }
    void runScan() {
        ASSERT_TRUE(waitFor([&] { return !scanner->shouldContinue(); }));
    }

    std::vector<std::shared_ptr<MQSetQuestion>> forumQuestionsOfType(int type) const {
        std::vector<std::shared_ptr<MQSetQuestion>> found;
        for (const auto& q : rep->webQSet()->questions())
            if (q->questionType() == type) found.push_back(q);
        return found;
    }

    Strings requestedTargets() const {
        Strings targets;
        for (const auto& request : server.requests()) targets.push_back(request.target);
        return targets;
    }

    std::shared_ptr<MQSetSimpleQuestion> knownQuestion(int number, const std::string& topic) {
        return MQSetSimpleQuestion::make(nullptr, number, 1, 1, {}, "<p>Known topic " + topic + "</p>",
                                         {"a", "b", "c", "d", "e"}, ForumPageReader::kExplanation,
                                         server.url("/forum/viewtopic.php?t=" + topic));
    }

    HTTPTestServer server;
    FakeForum forum{server};
    std::shared_ptr<fnd::URLSession> session = std::make_shared<fnd::URLSession>();
    std::shared_ptr<TovridaAppDelegate> delegate;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<MPracticeRepository> practice;
    std::shared_ptr<MForumScan> scanner;
    int tips = 0;
};

TEST_F(ForumScanTest, ProblemSolvingScanHarvestsCleanQuestionsAndMovesThemOnStop) {
    std::size_t before = rep->webQSet()->questions().size();
    scanner->startPSScan();
    EXPECT_TRUE(scanner->shouldContinue());
    EXPECT_TRUE(ui::Application::shared().isNetworkActivityIndicatorVisible());
    runScan();
    EXPECT_FALSE(ui::Application::shared().isNetworkActivityIndicatorVisible());
    EXPECT_EQ(scanner->totalNumberOfScannedThreads(), 0);
    EXPECT_TRUE(scanner->autoScanQSet()->questions().empty());
    EXPECT_EQ(tips, 2);

    // The picture, the disagreeing answers and the statements among choices gave nothing.
    auto harvested = forumQuestionsOfType(1);
    ASSERT_EQ(rep->webQSet()->questions().size(), before + 2);
    ASSERT_EQ(harvested.size(), 2u);
    const MQSetQuestion& roots = *harvested[0];
    EXPECT_EQ(
        roots.body(),
        "<p>If x<sup>2</sup> = 2 and x &gt; 0, what is the value of (1)/(√<span class=\"upperline\">2</span>)"
        " multiplied by x?<br /></p>");
    EXPECT_EQ(roots.answerOptions(), (Strings{"1/2", "1", "√<span class=\"upperline\">2</span>", "2",
                                              "2√<span class=\"upperline\">2</span>"}));
    EXPECT_EQ(roots.rightAnswer()->jsString(), "[2]");
    EXPECT_EQ(roots.tags(), (Strings{"algebra", "roots"}));
    EXPECT_EQ(roots.number(), 1);
    EXPECT_EQ(roots.threadURL(), server.url("/forum/viewtopic.php?t=5105"));
    EXPECT_EQ(roots.explanation(), "<p>For explanation, please, see forum discussion</p>");
    EXPECT_EQ(roots.set(), rep->webQSet());
    EXPECT_EQ(roots.key(), "90000_1_1_5105");

    // Script and handlers of the post never reach the question.
    const MQSetQuestion& pens = *harvested[1];
    EXPECT_EQ(pens.body(),
              "<p>A shop sold <span style=\"color:#000000\">48 pens</span> on Monday and 25% more on Tuesday."
              "<br /><br />How many pens did it sell on the two days together?<br /></p>");
    EXPECT_EQ(pens.answerOptions(), (Strings{"96", "100", "104", "108", "110"}));
    EXPECT_EQ(pens.rightAnswer()->jsString(), "[4]");
    EXPECT_EQ(pens.tags(), (Strings{"arithmetic", "percents"}));

    // Every request names the device and the program.
    auto requests = server.requests();
    ASSERT_EQ(requests.size(), 6u);
    for (const auto& request : requests) {
        EXPECT_EQ(request.headers.value("User-Agent"),
                  "iPhone/iPod iPhone3,1 (autoscan) Tovrida/" + AbstractAppDelegate::version());
        EXPECT_EQ(request.headers.value("My-Agent"),
                  "iPhone Tovrida/" + AbstractAppDelegate::version() + " (autoscan)");
    }
}

TEST_F(ForumScanTest, OtherTypesGiveStatementsUnderlinesAndSeparatedQuestions) {
    scanner->startDSScan();
    runScan();
    auto ds = forumQuestionsOfType(2);
    ASSERT_EQ(ds.size(), 1u);
    EXPECT_EQ(ds[0]->body(),
              "<p>Is k positive?<br /></p><p>(1) k<sup>3</sup> &gt; k</p><p>(2) k<sup>2</sup> &gt; 1</p>");
    EXPECT_TRUE(ds[0]->answerOptions().empty());
    EXPECT_EQ(ds[0]->rightAnswer()->jsString(), "[5]");
    EXPECT_EQ(ds[0]->tags(), (Strings{"inequalities"}));

    scanner->startSCScan();
    runScan();
    auto sc = forumQuestionsOfType(3);
    ASSERT_EQ(sc.size(), 1u);  // the post whose first choice is not in the sentence gave none
    EXPECT_EQ(
        sc[0]->body(),
        "<p>Neither the coach nor the players <u>was ready</u> when the bus arrived at the stadium.</p>");
    EXPECT_EQ(sc[0]->answerOptions(),
              (Strings{"was ready", "were ready", "are ready", "have been ready", "is ready"}));
    EXPECT_EQ(sc[0]->rightAnswer()->jsString(), "[2]");

    scanner->startCRScan();
    runScan();
    auto cr = forumQuestionsOfType(4);
    ASSERT_EQ(cr.size(), 1u);
    EXPECT_EQ(
        cr[0]->body(),
        "<p>Since the town painted cycle lanes on its main road, fewer cyclists were hurt there.<br />The "
        "council concludes that the lanes made cycling safer.<br /><br />Which of the following, if true, "
        "most weakens the conclusion?<br /></p>");
    EXPECT_EQ(cr[0]->answerOptions(),
              (Strings{"Cyclists like the lanes", "The lanes were painted in spring",
                       "Far fewer people cycled on the main road after a new bridge opened",
                       "Other towns painted lanes too", "Paint is cheap"}));
    EXPECT_EQ(cr[0]->rightAnswer()->jsString(), "[3]");
    EXPECT_EQ(tips, 3);
}

TEST_F(ForumScanTest, KnownTopicMakesTheScanResumeFromTheLastHarvestedTopic) {
    rep->webQSet()->questions().push_back(knownQuestion(1, "5104"));
    rep->webQSet()->questions().push_back(knownQuestion(9999, "5103"));
    scanner->startPSScan();
    runScan();
    EXPECT_EQ(requestedTargets(),
              (Strings{"/forum/viewtopic.php?f=140&view=first_normal",
                       "/forum/viewtopic.php?t=5105&view=previous_normal", "/forum/viewtopic.php?t=5103",
                       "/forum/viewtopic.php?t=5103&view=previous_normal",
                       "/forum/viewtopic.php?t=5102&view=previous_normal",
                       "/forum/viewtopic.php?t=5101&view=previous_normal"}));
    auto harvested = forumQuestionsOfType(1);
    ASSERT_EQ(harvested.size(), 4u);
    EXPECT_EQ(harvested[2]->threadURL(), server.url("/forum/viewtopic.php?t=5105"));
    EXPECT_EQ(harvested[2]->number(), 1);  // found before the jump
    EXPECT_EQ(harvested[3]->threadURL(), server.url("/forum/viewtopic.php?t=5102"));
    EXPECT_EQ(harvested[3]->number(), 9999);

    // A second scan finds nothing new and, with no topic of its type to resume from, idles.
    practice->webQSet()->questions().clear();
    rep->webQSet()->questions().push_back(knownQuestion(1, "5105"));
    rep->webQSet()->questions().back()->setQuestionType(2);
    scanner->startPSScan();
    ASSERT_TRUE(waitFor([&] { return !scanner->fScanBegining(); }));
    runFor(30);
    EXPECT_TRUE(scanner->shouldContinue());
    EXPECT_EQ(scanner->totalNumberOfScannedThreads(), 1);
    scanner->stopConnection();
    EXPECT_FALSE(scanner->shouldContinue());
}

TEST_F(ForumScanTest, StopRulesOfTimeAndLowBattery) {
    rep->setSetsAutoscanStopTime(0);
    ui::Device::current().setBattery(0.25f, ui::BatteryState::Unplugged);
    scanner->startPSScan();
    clock->advance(100);
    ASSERT_TRUE(waitFor([&] { return scanner->totalNumberOfScannedThreads() >= 2; }));
    clock->advance(80);  // 180 s since the start: the next page received ends the scan
    runScan();
    EXPECT_EQ(server.requestCount(), 2u);
    EXPECT_EQ(forumQuestionsOfType(1).size(), 1u);

    // While charging only the stop time counts.
    practice->webQSet()->questions().clear();
    ui::Device::current().setBattery(0.25f, ui::BatteryState::Charging);
    rep->setSetsAutoscanStopTime(60);
    std::size_t requests = server.requestCount();
    scanner->startPSScan();
    clock->advance(60);
    runScan();
    EXPECT_EQ(server.requestCount(), requests + 1);
    EXPECT_TRUE(rep->webQSet()->questions().empty());
}

TEST_F(ForumScanTest, EmptyRepliesAreAskedForThreeTimesThenTheScanEnds) {
    server.route("/forum/viewtopic.php", HTTPTestServer::Reply::text(""));
    scanner->startCRScan();
    for (std::size_t asked = 1; asked <= 3; ++asked) {
        ASSERT_TRUE(waitFor([&] { return loop->pendingTimerCount() > 0; }));
        EXPECT_EQ(server.requestCount(), asked);
        runFor(MForumScan::kEmptyPageRetryDelay);
    }
    runScan();
    EXPECT_EQ(server.requestCount(), 4u);
    EXPECT_FALSE(ui::Application::shared().isNetworkActivityIndicatorVisible());
}

TEST_F(ForumScanTest, FailureStopAndRestartLeaveNoStalePages) {
    // A stop while a page is on its way: the late page changes nothing.
    scanner->startPSScan();
    scanner->stopConnection();
    scanner->stopConnection();  // harmless
    runFor(5);
    EXPECT_LE(server.requestCount(), 1u);
    EXPECT_FALSE(scanner->shouldContinue());
    EXPECT_EQ(tips, 0);

    auto unreachable = MForumScan::make(
        "http://127.0.0.1:" + std::to_string(HTTPTestServer::unusedPort()) + "/forum/", session);
    unreachable->startSCScan();
    ASSERT_TRUE(waitFor([&] { return !unreachable->shouldContinue(); }));
    EXPECT_EQ(unreachable->totalNumberOfScannedThreads(), 0);
}

TEST(ForumPageReader, PagesThatEndTheWalk) {
    const std::string base = "http://127.0.0.1/forum/";
    using Kind = ForumPageReader::Page::Kind;
    EXPECT_EQ(ForumPageReader::readPage("", 1, base).kind, Kind::Empty);
    // Pages that are no topic: the end of the sub-forum, a topic list, the login form.
    for (const char* name : {"no-older-topics.html", "topic-list.html", "login.html"})
        EXPECT_EQ(ForumPageReader::readPage(testing_support::forumFixture(name), 1, base).kind, Kind::End)
            << name;
    std::string page = testing_support::forumFixture("cr-8401.html");
    EXPECT_EQ(ForumPageReader::readPage(page, 4, base).kind, Kind::Topic);
    EXPECT_EQ(ForumPageReader::readPage(page, 4, base).otherAddress, base + "t8401.html");
    EXPECT_EQ(ForumPageReader::readPage(page + "\xC3\x28", 4, base).kind, Kind::End);
}

TEST(ForumPageReader, LineStartsFindWhatTheUnanchoredSearchFinds) {
    // Opening lines: a removal that runs on past a line's end and leaves part of a line, lines of
    // every end the engine knows, and a keyword right after a carriage return.
    const std::string pattern = R"(.*(Hi[\s,]|Please|\sme\s)[^<]*<br />)";
    const Strings texts = {
        "Hi all,<br />Please help\nme<br />Please see<br />If x = 2, what is y?",
        "a Please<br />b\r\nme too<br />c\rHi there<br />d",
        "x\u2028Please<br />y\u0085Hi,<br />z\fPlease<br />\vHi <br />",
        "Hi, Hi, Please<br /><br />Please<br />what is x?<br />",
        "no opening line at all<br />what is x?",
    };
    for (const std::string& text : texts)
        EXPECT_EQ(Regex::replaceAll(text, ForumPageReader::kLineOrLastMatchStart + pattern, ""),
                  Regex::replaceAll(text, pattern, ""))
            << text;
}

TEST(ForumPageReader, TagsReadLineEndsAndTabsAsOneSpace) {
    const std::string base = "http://127.0.0.1/forum/";
    const std::string page = testing_support::forumFixture("ps-5105.html");
    const std::string span = "<span id=\"tags\">algebra, roots, source: harbour lane drills</span>";
    ASSERT_NE(page.find(span), std::string::npos);
    const std::vector<std::pair<std::string, Strings>> cases = {
        {"<span\n\tid=\"tags\">number\n\t\tproperties,\nprimes</span>", {"number properties", "primes"}},
        {"<span\r\nid=\"tags\">primes</span>", {}},  // a carriage return is no line end here
        {"<span \nid=\"tags\">primes</span>", {}},   // a space and a run are two spaces
    };
    for (const auto& [tags, expected] : cases) {
        std::string changed = page;
        changed.replace(changed.find(span), span.size(), tags);
        auto read = ForumPageReader::readPage(changed, ForumPageReader::kPS, base);
        ASSERT_TRUE(read.question) << tags;
        EXPECT_EQ(read.question->tags, expected) << tags;
    }
}

TEST(ForumPageReader, MathsPassesUndoNestedFormsInsideOut) {
    std::string text = "\\frac{1}{\\sqrt{2}} and x^{2} and 3^2 ";
    ForumPageReader::convertMaths(text);
    EXPECT_EQ(text, "(1)/(√<span class=\"upperline\">2</span>) and x<sup>2</sup> and 3<sup>2</sup> ");
    std::string deep = "\\frac{\\frac{\\frac{\\frac{\\frac{\\frac{1}{2}}{2}}{2}}{2}}{2}}{2}";
    ForumPageReader::convertMaths(deep);
    EXPECT_EQ(deep, "\\frac{(((((1)/(2))/(2))/(2))/(2))/(2)}{2}");  // five passes and no more
}

}  // namespace
