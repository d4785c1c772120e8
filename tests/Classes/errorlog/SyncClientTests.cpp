// The answer-history sync client against a local back-end: what it sends, when it sends nothing,
// how it merges a reply, and how failures reach the user and the caller.

#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/errorlog/Syncronizer.h"
#include "platform/foundation/Json.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Make.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using testing_support::HTTPTestServer;

class Recorder : public RPCCaller {
  public:
    std::vector<std::string> calls;
    void processResult(const std::optional<fnd::JsonValue>& result, const std::string& method) override {
        calls.push_back("result " + method + (result ? "" : " (none)"));
    }
    void callMethod(const std::string& method, const std::string& message) override {
        calls.push_back("failed " + method + ": " + message);
    }
};

class SyncClientTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        AbstractAppDelegate::registerClasses();
        clock->setWallTime(800000000);
        window = ui::make<ui::View>(ui::Rect{0, 0, 320, 480});
        ui::AlertView::setHost([this] { return window; });
        rep = std::make_shared<MRepository>();
        rep->setTrackerRep(MOGTrackerRepository::initWithData());
        rep->setForumLogin("reader");
        rep->setForumPassword("p&ss word");
        manager = std::make_shared<RequestManager>(server.url("/sync"));
        sync = std::make_shared<Syncronizer>(manager, [this] { return rep; });
    }
    void TearDown() override {
        ui::AlertView::setHost(nullptr);
        TestEnvironment::TearDown();
    }

    MSection& section(std::size_t book, std::size_t index) { return *rep->books()[book]->sections()[index]; }
    void answer(MQuestion& q, int letter, double seconds, bool guess = false) {
        q.addHRecord(MHRecord::initWithDate(fnd::Date::now(), seconds, letter, guess));
        q.section()->syncInfo()->updated();
    }
    // The form fields of the request the back-end got last for `path`.
    std::map<std::string, std::string> fields(const std::string& path) {
        std::map<std::string, std::string> out;
        for (const auto& request : server.requests()) {
            if (request.path != path) continue;
            out.clear();
            std::string body = request.body;
            for (std::size_t start = 0; start <= body.size();) {
                std::size_t end = std::min(body.find('&', start), body.size());
                std::string pair = body.substr(start, end - start);
                std::size_t eq = pair.find('=');
                out[MRepository::urlDecodeValue(pair.substr(0, eq))] =
                    MRepository::urlDecodeValue(pair.substr(eq + 1));
                start = end + 1;
            }
        }
        return out;
    }
    bool waitForRequests(std::size_t count) {
        return runUntil([&] { return server.requestCount() >= count && manager->pendingRequests() == 0; });
    }

    HTTPTestServer server;
    std::shared_ptr<ui::View> window;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<RequestManager> manager;
    std::shared_ptr<Syncronizer> sync;
};

TEST_F(SyncClientTest, FormBodyEscapesValuesAndSendsTheDevice) {
    EXPECT_EQ(RequestManager::formBody({{"objects", "Book_Sections"}}), "objects=Book_Sections");
    EXPECT_EQ(RequestManager::formBody({{"a b", "x&y=z#"}, {"n", 3}}), "a%20b=x%26y%3Dz%23&n=3");

    server.route("/sync/presync.cgi", HTTPTestServer::Reply::text("{\"ok\":false}", "text/json"));
    sync->preSync(Syncronizer::kBookSections);
    ASSERT_TRUE(waitForRequests(1));
    auto sent = fields("/sync/presync.cgi");
    EXPECT_EQ(sent["objects"], "Book_Sections");
    EXPECT_EQ(sent["login"], "reader");
    EXPECT_EQ(sent["password"], "p&ss word");
    EXPECT_FALSE(sent["device_udid"].empty());
    EXPECT_EQ(server.requests().back().method, "POST");
    EXPECT_FALSE(ui::Application::shared().isNetworkActivityIndicatorVisible());
    runFor(1);
    EXPECT_EQ(server.requestCount(), 1u);  // "ok" false: no sync_out
}

TEST_F(SyncClientTest, NothingIsSentWithoutLoginOrForOtherObjects) {
    rep->setForumPassword(std::nullopt);
    sync->preSync(Syncronizer::kBookSections);
    sync->syncIn(Syncronizer::kBookSections);
    rep->setForumPassword("pw");
    sync->syncIn("Other");
    answer(*section(0, 1).questions()[0], 1, 10);
    sync->syncOut("Other", fnd::JsonValue());
    runFor(1);
    EXPECT_EQ(server.requestCount(), 0u);
    EXPECT_EQ(manager->pendingRequests(), 0u);
}

TEST_F(SyncClientTest, PresyncLeadsToExportingOnlyWhatChangedSince) {
    MSection& ps = section(0, 1);
    answer(*ps.questions()[2], 2, 75.9, true);
    clock->setWallTime(800000100);
    answer(*ps.questions()[4], 5, 30);
    MSection& ds = section(0, 2);
    answer(*ds.questions()[0], 1, 20);  // the back-end has it already
    MSection& sc = section(2, 2);
    sc.clearHistory();
    std::string reply = "{\"ok\":true,\"sync_info\":{\"OG12\":{\"PS\":\"" +
                        SyncInfo::wireText(fnd::Date(800000050)) + "\",\"DS\":\"" +
                        SyncInfo::wireText(fnd::Date(800000200)) + "\"}}}";
    server.route("/sync/presync.cgi", HTTPTestServer::Reply::text(reply, "text/json; charset=utf-8"));
    server.route("/sync/sync_out.cgi", HTTPTestServer::Reply::text("{\"ok\":true}", "text/json"));
    sync->preSync(Syncronizer::kBookSections);
    ASSERT_TRUE(waitForRequests(2));

    std::optional<fnd::JsonValue> data = fnd::Json::parse(fields("/sync/sync_out.cgi")["data"]);
    ASSERT_TRUE(data && data->isArray());
    ASSERT_EQ(data->asArray().size(), 2u);
    const fnd::JsonValue& og12 = (*data)[0];
    EXPECT_EQ(og12["b"].asString(), "OG12");
    EXPECT_EQ(og12["s"].asString(), "PS");
    ASSERT_EQ(og12["h"].asArray().size(), 1u);  // the attempt before the back-end's date stays home
    std::string row = fnd::Json::write(og12["h"][0]).value_or("");
    EXPECT_EQ(row, "[5,\"PS\",\"\",\"" + SyncInfo::wireText(fnd::Date(800000100)) + "\",30,\"E\",\"N\"]");
    const fnd::JsonValue& cleared = (*data)[1];
    EXPECT_EQ(cleared["b"].asString(), "OG Verbal 2");
    EXPECT_EQ(cleared["s"].asString(), "SC");
    EXPECT_TRUE(cleared["h"].asArray().empty());
    EXPECT_TRUE(cleared["i"].contains("cl"));
}

TEST_F(SyncClientTest, SyncInMergesValidRowsAndClearsUpToTheRemoteClearTime) {
    MSection& ps = section(1, 0);
    answer(*ps.questions()[0], 1, 10);
    clock->setWallTime(800000300);
    answer(*ps.questions()[0], 2, 11);
    answer(*ps.questions()[1], 3, 12);
    MSection& cr = section(2, 1);
    answer(*cr.questions()[0], 4, 13);
    MSection& rc = section(2, 0);
    clock->setWallTime(800000400);
    rc.clearHistory();
    answer(*rc.questions()[0], 4, 14);

    auto t = [](double s) { return SyncInfo::wireText(fnd::Date(s)); };
    std::string reply = R"({"ok":true,"update_data":{"OG Quant 2":{"PS":{"c":false,
        "h":{"PS_1":[[")" +
                        t(800000200) + R"(",75.5,"C","N"],[")" + t(800000250) + R"(",5,"Z","N"],
                     ["garbage",5,"A","N"],[")" +
                        t(800000260) + R"(","5","A","N"],[")" + t(800000270) + R"("],
                     [")" +
                        t(800000280) + R"(",40,"B","Y"]]},
        "i":{"s":{"*":")" +
                        t(800000500) + R"("},"u":{"*":")" + t(800000450) + R"("},"cl":")" + t(800000100) +
                        R"("}}},
      "OG Verbal 2":{"CR":{"c":true,"h":{"CR_1":[[")" +
                        t(800000200) + R"(",1,"A","N"]]},"i":{"cl":")" + t(800000600) + R"("}},
                     "RC":{"h":{},"i":{"cl":")" +
                        t(800000350) + R"("}}}}})";
    server.route("/sync/sync_in.cgi", HTTPTestServer::Reply::text(reply, "text/json"));
    sync->syncIn(Syncronizer::kBookSections);
    ASSERT_TRUE(waitForRequests(1));
    std::optional<fnd::JsonValue> data = fnd::Json::parse(fields("/sync/sync_in.cgi")["data"]);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->asArray().size(), 22u);

    // Cleared up to the remote time (the first attempt went), then the two valid rows in date order.
    const auto& history = *ps.questions()[0]->history();
    std::vector<std::string> attempts;
    for (const auto& a : history)
        attempts.push_back(*a->stringWithAnswer() + " " + a->stringWithTime() + (a->fguess() ? "?" : ""));
    EXPECT_EQ(attempts, (std::vector<std::string>{"C 01:16", "B 00:40?", "B 00:11"}));
    EXPECT_EQ(ps.questions()[1]->history()->size(), 1u);
    EXPECT_EQ(ps.syncInfo()->syncVector().at("*"), fnd::Date(800000500));
    EXPECT_EQ(ps.syncInfo()->updateTime(), fnd::Date(800000450));
    EXPECT_EQ(ps.syncInfo()->clearTime(), fnd::Date(800000100));
    // A conflict leaves the section alone; an older remote clear time removes nothing.
    EXPECT_EQ(cr.questions()[0]->history()->size(), 1u);
    EXPECT_FALSE(cr.questions()[1]->history());
    EXPECT_EQ(rc.questions()[0]->history()->size(), 1u);
    EXPECT_EQ(rc.syncInfo()->clearTime(), fnd::Date(800000350));
}

TEST_F(SyncClientTest, FailuresAreShownAndToldToTheCaller) {
    auto recorder = std::make_shared<Recorder>();
    server.route("/sync/plain.cgi", HTTPTestServer::Reply::text("{\"ok\":true}", "text/html"));
    server.route("/sync/broken.cgi", HTTPTestServer::Reply::text("{not json", "text/json"));
    manager->sendRequest("plain", {}, recorder);
    manager->sendRequest("broken", {}, recorder);
    EXPECT_TRUE(ui::Application::shared().isNetworkActivityIndicatorVisible());
    ASSERT_TRUE(waitForRequests(2));
    EXPECT_FALSE(ui::Application::shared().isNetworkActivityIndicatorVisible());
    std::sort(recorder->calls.begin(), recorder->calls.end());
    EXPECT_EQ(recorder->calls,
              (std::vector<std::string>{"failed plain: The response is unsuported", "result broken (none)"}));
    EXPECT_TRUE(testing_support::findByText(window, "Server response is unsuported"));

    auto closed =
        std::make_shared<RequestManager>("http://127.0.0.1:" + std::to_string(HTTPTestServer::unusedPort()));
    recorder->calls.clear();
    closed->sendRequest("presync", {}, recorder);
    ASSERT_TRUE(runUntil([&] { return closed->pendingRequests() == 0; }));
    ASSERT_EQ(recorder->calls.size(), 1u);
    EXPECT_EQ(recorder->calls[0].rfind("failed presync: ", 0), 0u);
    EXPECT_TRUE(testing_support::findByText(window, "Communication with server failed"));

    // Without a configured back-end nothing is sent and the caller hears so at once.
    auto unconfigured = std::make_shared<RequestManager>("");
    auto unconfiguredSync = std::make_shared<Syncronizer>(unconfigured, [this] { return rep; });
    auto asked = server.requestCount();
    unconfigured->sendRequest("presync", {}, recorder);
    unconfiguredSync->preSync(Syncronizer::kBookSections);
    EXPECT_EQ(unconfigured->pendingRequests(), 0u);
    EXPECT_EQ(server.requestCount(), asked);
    EXPECT_EQ(recorder->calls.back(), std::string("failed presync: ") + RequestManager::kNotConfigured);
    EXPECT_TRUE(testing_support::findByText(window, RequestManager::kNotConfigured));
}

}  // namespace
