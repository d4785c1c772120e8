#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/IOThread.h"
#include "platform/foundation/URLConnection.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/TestEnvironment.h"

namespace {

using fnd::URL;
using fnd::URLError;
using fnd::URLRequest;
using testing_support::HTTPTestServer;
using Code = URLError::Code;

// Writes down what a connection tells its delegate.
struct Recorder : fnd::URLConnectionDelegate {
    std::vector<std::string> events;
    fnd::URLResponse response;
    std::string body;
    std::optional<URLError> error;
    bool ended = false;

    void didReceiveResponse(fnd::URLConnection&, const fnd::URLResponse& r) override {
        events.push_back("response");
        response = r;
    }
    void didReceiveData(fnd::URLConnection&, const std::string& data) override {
        events.push_back("data");
        body += data;
    }
    void didFinishLoading(fnd::URLConnection&) override {
        events.push_back("finished");
        ended = true;
    }
    void didFail(fnd::URLConnection&, const URLError& e) override {
        events.push_back("failed");
        error = e;
        ended = true;
    }
};

const std::vector<std::string> kSucceeded{"response", "data", "finished"};
const std::vector<std::string> kFailed{"failed"};

class URLLoadingTest : public testing_support::TestEnvironment {
  protected:
    // Whatever this machine's network, failures to connect count as the server's.
    URLLoadingTest() {
        session->setNetworkCheck([] { return true; });
    }

    URLRequest get(std::string_view path) { return URLRequest(URL(server.url(path))); }

    std::shared_ptr<Recorder> start(URLRequest request, std::shared_ptr<fnd::URLSession> in = nullptr) {
        auto recorder = std::make_shared<Recorder>();
        fnd::URLConnection::start(std::move(request), recorder, in ? in : session);
        return recorder;
    }

    std::shared_ptr<Recorder> load(URLRequest request, std::shared_ptr<fnd::URLSession> in = nullptr) {
        auto recorder = start(std::move(request), std::move(in));
        EXPECT_TRUE(runUntil([&] { return recorder->ended; }));
        return recorder;
    }

    Code failure(URLRequest request) {
        auto recorder = load(std::move(request));
        EXPECT_EQ(recorder->events, kFailed);
        return recorder->error ? recorder->error->code() : Code::Failed;
    }

    HTTPTestServer server;
    std::shared_ptr<fnd::URLSession> session = std::make_shared<fnd::URLSession>();
};

TEST_F(URLLoadingTest, GetDeliversTheReplyWithItsStatusHeadersAndBody) {
    auto page = HTTPTestServer::Reply::text("<html>topic</html>");
    page.headers.add("X-Topic", "12");
    server.route("/forum/", page);

    URLRequest request = get("/forum/?t=12");
    request.setHeaderValue("User-Agent", "Phone Tovrida/2.1");
    request.setHeaderValue("My-Agent", "Phone Model Tovrida/2.1");
    request.setHeaderValue("X-Note", "a\r\nInjected: yes");
    auto ok = load(request);
    EXPECT_EQ(ok->events, kSucceeded);
    EXPECT_EQ(ok->response.statusCode(), 200);
    EXPECT_EQ(ok->response.mimeType(), "text/html");
    EXPECT_EQ(ok->response.headers().value("x-topic"), "12");
    EXPECT_EQ(ok->body, "<html>topic</html>");

    auto sent = server.requests().at(0);
    EXPECT_EQ(sent.method, "GET");
    EXPECT_EQ(sent.query, "t=12");
    EXPECT_EQ(sent.headers.value("User-Agent"), "Phone Tovrida/2.1");
    EXPECT_EQ(sent.headers.value("My-Agent"), "Phone Model Tovrida/2.1");
    EXPECT_EQ(sent.headers.value("Injected"), std::nullopt);

    // Error pages are replies like any other; callers look at the status if they care.
    auto missing = load(get("/nowhere"));
    EXPECT_EQ(missing->events, kSucceeded);
    EXPECT_EQ(missing->response.statusCode(), 404);

    HTTPTestServer::Reply empty;
    empty.status = 204;
    server.route("/empty", empty);
    EXPECT_EQ(load(get("/empty"))->events, (std::vector<std::string>{"response", "finished"}));
}

TEST_F(URLLoadingTest, FormPostsSendTheirBodyWithTheRightLength) {
    server.route("/sync/presync.cgi", HTTPTestServer::Reply::text("{\"ok\":true}", "text/json"));
    URLRequest request = get("/sync/presync.cgi");
    const std::string body = "login=a%26b&password=p%3D1%23&objects=Book_Sections";
    request.setFormBody(body);
    request.setHeaderValue("Content-Length", "3");  // a wrong length from the caller must not cut the body

    auto reply = load(request);
    EXPECT_EQ(reply->events, kSucceeded);
    EXPECT_EQ(reply->response.mimeType(), "text/json");
    auto sent = server.requests().at(0);
    EXPECT_EQ(sent.method, "POST");
    EXPECT_EQ(sent.body, body);
    EXPECT_EQ(sent.headers.value("Content-Length"), std::to_string(body.size()));
    EXPECT_EQ(sent.headers.value("Content-Type"), "application/x-www-form-urlencoded");
}

TEST_F(URLLoadingTest, CookiesAreKeptPerSessionAcrossRedirects) {
    auto login = HTTPTestServer::Reply::redirect("/forum/index.php");
    login.headers.add("Set-Cookie", "sid=abc123; Path=/");
    server.route("/forum/ucp.php", login);
    server.route("/forum/index.php", HTTPTestServer::Reply::text("welcome"));
    server.route("/forum/viewtopic.php", HTTPTestServer::Reply::text("topic"));

    URLRequest post = get("/forum/ucp.php?mode=login");
    post.setFormBody("username=u&password=p&login=Login");
    auto signedIn = load(post);
    EXPECT_EQ(signedIn->events, kSucceeded);
    EXPECT_EQ(signedIn->body, "welcome");
    EXPECT_EQ(signedIn->response.url().absoluteString(), server.url("/forum/index.php"));

    load(get("/forum/viewtopic.php?t=1"));
    load(get("/forum/viewtopic.php?t=2"), std::make_shared<fnd::URLSession>());

    auto sent = server.requests();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[1].method, "GET");  // a form's redirect is fetched, not posted again
    EXPECT_EQ(sent[1].headers.value("Cookie"), "sid=abc123");
    EXPECT_EQ(sent[2].headers.value("Cookie"), "sid=abc123");
    EXPECT_EQ(sent[3].headers.value("Cookie"), std::nullopt);
}

TEST_F(URLLoadingTest, RedirectsAreFollowedWithTheirHeadersButOnlyToWebAddresses) {
    server.route("/old", HTTPTestServer::Reply::redirect(server.url("/new"), 301));
    // Another host name for the same server: the custom header must survive the change of host.
    server.route("/elsewhere", HTTPTestServer::Reply::redirect(
                                   "http://localhost:" + std::to_string(server.port()) + "/new"));
    server.route("/new", HTTPTestServer::Reply::text("moved here"));
    server.route("/to-file", HTTPTestServer::Reply::redirect("file:///etc/passwd"));
    server.route("/to-ftp",
                 HTTPTestServer::Reply::redirect("ftp://127.0.0.1:" + std::to_string(server.port()) + "/"));
    server.route("/loop", HTTPTestServer::Reply::redirect("/loop"));

    URLRequest request = get("/elsewhere");
    request.setHeaderValue("My-Agent", "Phone Tovrida/2.1");
    auto moved = load(request);
    EXPECT_EQ(moved->events, kSucceeded);
    EXPECT_EQ(moved->body, "moved here");
    EXPECT_EQ(moved->response.url().host(), "localhost");
    EXPECT_EQ(server.requests().back().headers.value("My-Agent"), "Phone Tovrida/2.1");

    EXPECT_EQ(load(get("/old"))->response.url().absoluteString(), server.url("/new"));
    EXPECT_EQ(failure(get("/to-file")), Code::UnsupportedScheme);
    EXPECT_EQ(failure(get("/to-ftp")), Code::UnsupportedScheme);
    EXPECT_EQ(failure(get("/loop")), Code::TooManyRedirects);
}

TEST_F(URLLoadingTest, OtherSchemesAreRefusedBeforeAnythingIsSent) {
    EXPECT_EQ(failure(URLRequest(URL("file:///etc/passwd"))), Code::UnsupportedScheme);
    EXPECT_EQ(failure(URLRequest(URL("FTP://127.0.0.1:" + std::to_string(server.port()) + "/"))),
              Code::UnsupportedScheme);
    EXPECT_EQ(failure(URLRequest(URL("events:opencourse"))), Code::UnsupportedScheme);
    EXPECT_EQ(failure(URLRequest(URL(""))), Code::BadURL);
    EXPECT_EQ(failure(URLRequest(URL("http:///no-host"))), Code::BadURL);
    EXPECT_EQ(server.requestCount(), 0u);

    // https is allowed: talking it to a plain server fails in the handshake, not as a refusal.
    EXPECT_EQ(failure(URLRequest(URL("https://127.0.0.1:" + std::to_string(server.port()) + "/"))),
              Code::SecureConnectionFailed);
}

TEST_F(URLLoadingTest, BodiesOverTheLimitFailWhileArriving) {
    const std::size_t limit = fnd::URLSession::kDefaultMaximumBodySize;
    HTTPTestServer::Reply big = HTTPTestServer::Reply::text(std::string(limit + 1, 'x'), "application/zip");
    server.route("/big", big);
    big.chunked = true;  // no length up front: only counting while receiving can stop it
    server.route("/big-chunked", big);
    server.route("/exact", HTTPTestServer::Reply::text(std::string(limit, 'y')));

    EXPECT_EQ(failure(get("/big")), Code::BodyTooLarge);
    EXPECT_EQ(failure(get("/big-chunked")), Code::BodyTooLarge);
    EXPECT_EQ(load(get("/exact"))->body.size(), limit);

    URLRequest archive = get("/big-chunked");
    archive.setMaximumBodySize(4 * limit);
    auto book = load(archive);
    EXPECT_EQ(book->events, kSucceeded);
    EXPECT_EQ(book->body.size(), limit + 1);
}

TEST_F(URLLoadingTest, AServerThatStaysSilentTimesOut) {
    auto silent = HTTPTestServer::Reply::text("too late");
    silent.delay = 10;
    server.route("/silent", silent);
    auto late = HTTPTestServer::Reply::text("in time");
    late.delay = 0.1;
    server.route("/late", late);

    URLRequest request = get("/silent");
    request.setTimeout(0.2);
    EXPECT_EQ(failure(request), Code::TimedOut);

    URLRequest patient = get("/late");
    patient.setTimeout(5);
    EXPECT_EQ(load(patient)->body, "in time");
}

TEST_F(URLLoadingTest, NoNetworkIsReportedAsNoConnectionError) {
    URLRequest request(URL("http://127.0.0.1:" + std::to_string(HTTPTestServer::unusedPort()) + "/"));

    auto refused = load(request);
    ASSERT_TRUE(refused->error);
    EXPECT_EQ(refused->error->code(), Code::CannotConnectToHost);
    EXPECT_NE(refused->error->description(), "No Connection Error");

    session->setNetworkCheck([] { return false; });
    auto offline = load(request);
    EXPECT_EQ(offline->events, kFailed);
    ASSERT_TRUE(offline->error);
    EXPECT_EQ(offline->error->code(), Code::NotConnected);
    EXPECT_EQ(offline->error->description(), "No Connection Error");
}

TEST_F(URLLoadingTest, AReplyCutShortDeliversOnlyTheFailure) {
    auto cut = HTTPTestServer::Reply::text(std::string(200000, 'z'));
    cut.cutAfter = 70000;
    server.route("/cut", cut);
    EXPECT_EQ(failure(get("/cut")), Code::ConnectionLost);

    // A server that went away entirely: its connections are closed, new ones refused.
    server.route("/page", HTTPTestServer::Reply::text("page"));
    EXPECT_EQ(load(get("/page"))->body, "page");
    server.stop();
    EXPECT_EQ(failure(get("/page")), Code::CannotConnectToHost);
}

TEST_F(URLLoadingTest, ACancelledConnectionTellsNothingAndLetsItsDelegateGo) {
    auto slow = HTTPTestServer::Reply::text("slow");
    slow.delay = 0.2;
    server.route("/slow", slow);
    auto slower = slow;
    slower.delay = 0.4;
    server.route("/slower", slower);

    auto recorder = std::make_shared<Recorder>();
    std::weak_ptr<Recorder> watch = recorder;
    auto connection = fnd::URLConnection::start(get("/slow"), recorder, session);
    recorder.reset();
    EXPECT_TRUE(connection->isLoading());
    connection->cancel();
    EXPECT_FALSE(connection->isLoading());
    EXPECT_TRUE(watch.expired());

    // A later load that outlasts the cancelled one's reply: by its end the first would have come.
    EXPECT_EQ(load(get("/slower"))->events, kSucceeded);
}

TEST_F(URLLoadingTest, ManyConnectionsRunAtOnce) {
    server.route("/echo", [](const HTTPTestServer::Request& r) {
        auto reply = HTTPTestServer::Reply::text("echo " + r.query, "text/plain");
        reply.delay = (r.query.size() % 3) * 0.03;
        return reply;
    });
    std::vector<std::shared_ptr<Recorder>> recorders;
    for (int i = 0; i < 30; ++i) recorders.push_back(start(get("/echo?n=" + std::to_string(i * 7))));
    EXPECT_TRUE(runUntil([&] {
        return std::all_of(recorders.begin(), recorders.end(), [](const auto& r) { return r->ended; });
    }));
    for (int i = 0; i < 30; ++i) EXPECT_EQ(recorders[i]->body, "echo n=" + std::to_string(i * 7));
}

TEST_F(URLLoadingTest, SynchronousLoadsServeWorkerThreads) {
    server.route("/image.jpg", HTTPTestServer::Reply::text("JPEG", "image/jpeg"));
    fnd::URLSession::Result image, refused;
    std::thread worker([&] {
        image = fnd::URLConnection::sendSynchronousRequest(get("/image.jpg"), session);
        refused = fnd::URLConnection::sendSynchronousRequest(URLRequest(URL("file:///etc/passwd")), session);
    });
    worker.join();
    EXPECT_TRUE(image.succeeded());
    EXPECT_EQ(image.body, "JPEG");
    EXPECT_EQ(image.response.mimeType(), "image/jpeg");
    ASSERT_FALSE(refused.succeeded());
    EXPECT_EQ(refused.error->code(), Code::UnsupportedScheme);
    EXPECT_TRUE(refused.body.empty());

    // On the I/O thread a synchronous load would wait for itself: it fails at once instead.
    std::promise<fnd::URLSession::Result> onIO;
    fnd::IOThread::shared().post([&] { onIO.set_value(session->loadSynchronously(get("/image.jpg"))); });
    EXPECT_FALSE(onIO.get_future().get().succeeded());
}

}  // namespace

TEST(URLResponseTest, TheContentTypeGivesTheMimeTypeAndTheCharacterSet) {
    auto response = [](std::string type) {
        fnd::HTTPHeaders headers;
        headers.set("Content-Type", std::move(type));
        return fnd::URLResponse(URL("http://h/"), 200, headers);
    };
    EXPECT_EQ(response("text/html; charset=ISO-8859-1").textEncodingName(), "iso-8859-1");
    EXPECT_EQ(response("Text/HTML;Charset=\"UTF-8\"; format=flowed").textEncodingName(), "utf-8");
    EXPECT_EQ(response("text/plain; format=flowed; charset = 'latin1' ").textEncodingName(), "latin1");
    EXPECT_EQ(response("text/html").textEncodingName(), "");
    EXPECT_EQ(response("text/html; notcharset=x").textEncodingName(), "");
    EXPECT_EQ(response("Text/HTML;Charset=\"UTF-8\"").mimeType(), "text/html");
    EXPECT_EQ(fnd::URLResponse().textEncodingName(), "");
}
