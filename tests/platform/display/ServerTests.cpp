#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/display/Server.h"
#include "tests/support/TestClient.h"
#include "tests/support/TestEnvironment.h"

namespace fs = std::filesystem;
using display_test::Headers;
using display_test::HttpConnection;
using display_test::httpRequest;
using display_test::WebSocketClient;

namespace display {
namespace {

class ServerTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        web = temporary / "web";
        fs::create_directories(web);
        std::ofstream(web / "index.html") << "<p>front end</p>";
        std::ofstream(temporary / "secret.txt") << "secret";
        fs::create_symlink(temporary / "secret.txt", web / "out.txt");

        Server::Options options;
        options.webFolder = web;
        server = std::make_unique<Server>(options);
        server->setOnConnect([this] { ++connects; });
        server->setOnMessage([this](const std::string& text) { messages.push_back(text); });
        server->setOnDisconnect([this] { ++disconnects; });
        ASSERT_TRUE(server->start()) << server->error();
        port = server->port();
    }
    void TearDown() override {
        server.reset();
        TestEnvironment::TearDown();
    }

    std::string host() const { return "127.0.0.1:" + std::to_string(port); }
    std::string withToken(const std::string& path) const { return path + "?token=" + server->token(); }
    Headers pageHeaders() const { return {{"Origin", "http://" + host()}}; }

    // Opens the active tab's socket and waits until the main thread has heard of it.
    void connectTab(WebSocketClient& tab) {
        int before = connects;
        ASSERT_TRUE(tab.connect(port, withToken("/ws"), pageHeaders()));
        ASSERT_TRUE(runUntil([&] { return connects > before; }));
    }

    fs::path web;
    std::unique_ptr<Server> server;
    unsigned short port = 0;
    int connects = 0;
    int disconnects = 0;
    std::vector<std::string> messages;
};

TEST_F(ServerTest, AddressNeedsTheTokenThenTheCookieServes) {
    EXPECT_EQ(server->address(), "http://127.0.0.1:" + std::to_string(port) + "/?token=" + server->token());

    auto refused = httpRequest(port, "/");
    EXPECT_EQ(refused.status, 403);
    EXPECT_EQ(refused.body.find("front end"), std::string::npos);
    // A person who lands here without the token reads, in the browser, where the address is.
    EXPECT_EQ(refused.headers["content-type"], "text/html; charset=utf-8");
    EXPECT_NE(refused.body.find("Open the address the program printed"), std::string::npos);
    EXPECT_EQ(httpRequest(port, "/?token=wrong").status, 403);

    auto first = httpRequest(port, withToken("/"));
    EXPECT_EQ(first.status, 200);
    EXPECT_EQ(first.body, "<p>front end</p>");
    EXPECT_EQ(first.headers["content-type"], "text/html; charset=utf-8");
    std::string cookie = first.headers["set-cookie"];
    ASSERT_FALSE(cookie.empty());
    cookie = cookie.substr(0, cookie.find(';'));

    EXPECT_EQ(httpRequest(port, "/index.html", {{"Cookie", cookie}}).status, 200);
    EXPECT_EQ(
        httpRequest(port, "/index.html", {{"Cookie", cookie}, {"Sec-Fetch-Site", "same-origin"}}).status,
        200);
    // The cookie does not make a request from another site (or from a web view's frame) valid.
    EXPECT_EQ(httpRequest(port, "/index.html", {{"Cookie", cookie}, {"Sec-Fetch-Site", "cross-site"}}).status,
              403);

    auto head = httpRequest(port, withToken("/"), {}, "HEAD");
    EXPECT_EQ(head.status, 200);
    EXPECT_EQ(head.headers["content-length"], "16");
    EXPECT_EQ(httpRequest(port, withToken("/"), {}, "POST").status, 405);
}

TEST_F(ServerTest, ForeignHostIsRefusedEvenWithTheToken) {
    EXPECT_EQ(httpRequest(port, withToken("/"), {{"Host", "localhost:" + std::to_string(port)}}).status, 200);
    EXPECT_EQ(httpRequest(port, withToken("/"), {{"Host", "evil.example:" + std::to_string(port)}}).status,
              403);
    EXPECT_EQ(httpRequest(port, withToken("/"), {{"Host", "127.0.0.1"}}).status, 403);
}

TEST_F(ServerTest, PathsStayInsideTheServedFolders) {
    for (std::string path : {"/../secret.txt", "/%2e%2e/secret.txt", "/%2E%2E%2Fsecret.txt",
                             "/fonts/../../secret.txt", "/out.txt"}) {
        auto reply = httpRequest(port, withToken(path));
        EXPECT_GE(reply.status, 400) << path;
        EXPECT_EQ(reply.body.find("secret"), std::string::npos) << path;
    }
    EXPECT_EQ(httpRequest(port, withToken("/nothing-here.js")).status, 404);

    auto font = httpRequest(port, withToken("/fonts/DejaVuSans.ttf"));
    if (fs::exists(Server::defaultFontsFolder() / "DejaVuSans.ttf")) {
        EXPECT_EQ(font.status, 200);
        EXPECT_EQ(font.headers["content-type"], "font/ttf");
        EXPECT_EQ(font.body.size(), fs::file_size(Server::defaultFontsFolder() / "DejaVuSans.ttf"));
    }
}

TEST_F(ServerTest, RegisteredFolderAndDocumentNeedNoToken) {
    fs::path book = temporary / "book";
    fs::create_directories(book);
    std::ofstream(book / "style.css") << "p{}";
    std::string prefix = server->serveFolder(book);
    auto css = httpRequest(port, prefix + "style.css");
    EXPECT_EQ(css.status, 200);
    EXPECT_EQ(css.body, "p{}");

    std::string doc = server->serveDocument("<p>page</p>", "text/html; charset=utf-8", prefix);
    auto served = httpRequest(port, doc);
    EXPECT_EQ(served.body, "<p>page</p>");
    EXPECT_EQ(served.headers.count("content-security-policy"), 0u);
    // A document with a policy of its own is served with it.
    std::string inert =
        server->serveDocument("<p>card</p>", "text/html; charset=utf-8", {}, {}, "default-src 'none'");
    EXPECT_EQ(httpRequest(port, inert).headers["content-security-policy"], "default-src 'none'");
    // The Host check still holds for them.
    EXPECT_EQ(
        httpRequest(port, prefix + "style.css", {{"Host", "evil.example:" + std::to_string(port)}}).status,
        403);
}

TEST_F(ServerTest, WebSocketOnlyFromTheDisplaysPageWithTheToken) {
    struct Case {
        const char* what;
        std::string target;
        Headers headers;
        int status;
    };
    std::vector<Case> refused = {
        {"foreign origin", withToken("/ws"), {{"Origin", "http://evil.example"}}, 403},
        {"sandboxed frame", withToken("/ws"), {{"Origin", "null"}}, 403},
        {"no origin", withToken("/ws"), {}, 403},
        {"no token", "/ws", pageHeaders(), 403},
        {"foreign host",
         withToken("/ws"),
         {{"Origin", "http://" + host()}, {"Host", "evil.example:" + std::to_string(port)}},
         403},
        {"other path", withToken("/socket"), pageHeaders(), 404},
    };
    for (auto& c : refused) {
        WebSocketClient client;
        EXPECT_FALSE(client.connect(port, c.target, c.headers)) << c.what;
        EXPECT_EQ(display_test::upgradeStatus(port, c.target, c.headers), c.status) << c.what;
    }
    runFor(0.1);
    EXPECT_EQ(connects, 0);

    auto page = httpRequest(port, withToken("/"));
    std::string cookie = page.headers["set-cookie"].substr(0, page.headers["set-cookie"].find(';'));
    WebSocketClient tab;
    Headers withCookie = pageHeaders();
    withCookie.emplace_back("Cookie", cookie);
    ASSERT_TRUE(tab.connect(port, "/ws", withCookie));
    EXPECT_TRUE(runUntil([&] { return connects == 1; }));
    EXPECT_TRUE(server->hasActiveTab());
}

TEST_F(ServerTest, MessagesBothWaysInOrder) {
    WebSocketClient tab;
    connectTab(tab);
    tab.send(R"({"type":"down","x":1})");
    tab.send(R"({"type":"up","x":2})");
    ASSERT_TRUE(runUntil([&] { return messages.size() == 2; }));
    EXPECT_EQ(messages[0], R"({"type":"down","x":1})");
    EXPECT_EQ(messages[1], R"({"type":"up","x":2})");

    std::string big(200000, 'x');
    server->send("first");
    server->send(big);
    EXPECT_EQ(tab.read(), "first");
    EXPECT_EQ(tab.read(), big);

    tab.close();
    EXPECT_TRUE(runUntil([&] { return disconnects == 1; }));
    EXPECT_FALSE(server->hasActiveTab());
    server->send("nobody listens");  // dropped quietly
}

TEST_F(ServerTest, NewTabTakesOverAndTheOldOneIsToldAndClosed) {
    WebSocketClient first, second;
    connectTab(first);
    connectTab(second);
    EXPECT_EQ(connects, 2);

    EXPECT_EQ(first.read(), R"({"type":"moved"})");
    EXPECT_EQ(first.read(), std::nullopt);
    EXPECT_EQ(first.closeCode(), 4001);

    server->send("to the new tab");
    EXPECT_EQ(second.read(), "to the new tab");
    second.send("from the new tab");
    ASSERT_TRUE(runUntil([&] { return messages.size() == 1; }));
    EXPECT_EQ(messages[0], "from the new tab");

    // The old tab's close was no disconnection of the device.
    runFor(0.1);
    EXPECT_EQ(disconnects, 0);
    second.close();
    EXPECT_TRUE(runUntil([&] { return disconnects == 1; }));
}

TEST_F(ServerTest, PatchMeantForTheOldTabNeverReachesTheNewOne) {
    WebSocketClient first, second;
    server->setOnConnect([this] {
        ++connects;
        server->send("whole tree");
    });
    connectTab(first);
    EXPECT_EQ(first.read(), "whole tree");

    // The new tab is open, but the main thread has not heard of it yet: what it sends now was
    // meant for the old tab.
    ASSERT_TRUE(second.connect(port, withToken("/ws"), pageHeaders()));
    server->send("patch for the old tab");
    ASSERT_TRUE(runUntil([&] { return connects == 2; }));
    EXPECT_EQ(second.read(), "whole tree");
}

// A connection to the server that sends nothing; -1 when it cannot be opened.
int openIdle(unsigned short port) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// Whether the server closes the connection within the time.
bool closedWithin(int fd, int milliseconds) {
    pollfd p{fd, POLLIN, 0};
    char byte;
    return ::poll(&p, 1, milliseconds) == 1 && ::recv(fd, &byte, 1, 0) <= 0;
}

TEST_F(ServerTest, IdleConnectionsAreCappedAndClosedWhileTheTabStaysServed) {
    Server::Options options;
    options.webFolder = web;
    options.connectionLimit = 4;
    options.requestTimeout = 1;
    Server capped(options);
    ASSERT_TRUE(capped.start());
    int received = 0;
    capped.setOnConnect([&] { ++received; });
    WebSocketClient tab;
    ASSERT_TRUE(tab.connect(capped.port(), "/ws?token=" + capped.token(),
                            {{"Origin", "http://127.0.0.1:" + std::to_string(capped.port())}}));
    ASSERT_TRUE(runUntil([&] { return received == 1; }));

    std::vector<int> idle;
    for (int i = 0; i < 10; ++i) idle.push_back(openIdle(capped.port()));
    // The first four come in; the others wait until those have had their grace, then each closes
    // the oldest; the last ones close when their time for a request has run out. The tab, which
    // showed the token, does not count.
    for (int fd : idle) EXPECT_TRUE(closedWithin(fd, 3000));
    for (int fd : idle) ::close(fd);
    EXPECT_EQ(httpRequest(capped.port(), "/?token=" + capped.token()).status, 200);
    capped.send("still here");
    EXPECT_EQ(tab.read(), "still here");
}

TEST_F(ServerTest, AConnectionHasItsGraceAndNewOnesWaitForRoom) {
    Server::Options options;
    options.webFolder = web;
    options.connectionLimit = 4;
    options.requestTimeout = 60;
    options.connectionGrace = 30;
    Server capped(options);
    ASSERT_TRUE(capped.start());
    const std::string page = "/?token=" + capped.token();
    const std::string wrong = "/?token=" + std::string(32, '0');

    // The tab's connection comes first but is slow to send its request; two idle ones come after
    // it, then strangers, more than the cap, who ask with a wrong token. Each stranger is answered:
    // they come in one after another as each is let go, and none closes the tab's connection while
    // its grace lasts.
    HttpConnection tab(capped.port());
    std::vector<int> idle;
    for (int i = 0; i < 2; ++i) idle.push_back(openIdle(capped.port()));
    std::vector<std::unique_ptr<HttpConnection>> strangers;
    for (int i = 0; i < 10; ++i) strangers.push_back(std::make_unique<HttpConnection>(capped.port()));
    for (auto& stranger : strangers) {
        auto refused = stranger->request(wrong);
        EXPECT_EQ(refused ? refused->status : 0, 403);
    }
    auto served = tab.request(page);
    ASSERT_TRUE(served);
    EXPECT_EQ(served->status, 200);

    // The tab's connection no longer counts: two more idle ones fill the cap. A newcomer waits
    // behind them, and comes in as soon as they go, long before their grace ends.
    for (int i = 0; i < 2; ++i) idle.push_back(openIdle(capped.port()));
    HttpConnection late(capped.port());
    for (int fd : idle) ::close(fd);
    auto answer = late.request(page);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 200);
}

TEST_F(ServerTest, OnlyAnAnswerToACredentialKeepsTheConnectionOpen) {
    fs::path book = temporary / "book";
    fs::create_directories(book);
    std::ofstream(book / "style.css") << "p{}";
    std::string folder = server->serveFolder(book);
    std::string document = server->serveDocument("<p>page</p>", "text/html; charset=utf-8");
    std::string withdrawn = server->serveDocument("<p>gone</p>", "text/html; charset=utf-8");
    server->withdrawDocument(withdrawn);
    std::string setCookie = httpRequest(port, withToken("/")).headers["set-cookie"];
    std::string cookie = setCookie.substr(0, setCookie.find(';'));
    std::string wrongCookie = cookie.substr(0, cookie.find('=') + 1) + std::string(32, '0');

    struct Case {
        const char* what;
        std::string target;
        Headers headers;
        int status;
        bool keptOpen;
    };
    std::vector<Case> cases = {
        {"token in the address", withToken("/"), {}, 200, true},
        {"cookie of the page",
         "/index.html",
         {{"Cookie", cookie}, {"Sec-Fetch-Site", "same-origin"}},
         200,
         true},
        {"token, file missing", withToken("/missing.js"), {}, 404, true},
        {"served document", document, {}, 200, true},
        {"served folder's file", folder + "style.css", {}, 200, true},
        {"served folder, file missing", folder + "missing.css", {}, 404, true},
        {"no token", "/", {}, 403, false},
        {"wrong token", "/?token=" + std::string(32, '0'), {}, 403, false},
        {"wrong cookie", "/", {{"Cookie", wrongCookie}}, 403, false},
        {"cookie from another site", "/", {{"Cookie", cookie}, {"Sec-Fetch-Site", "cross-site"}}, 403, false},
        {"foreign host", withToken("/"), {{"Host", "evil.example:" + std::to_string(port)}}, 403, false},
        {"unknown folder", "/s/" + std::string(32, '0') + "/style.css", {}, 403, false},
        {"withdrawn document", withdrawn, {}, 403, false},
    };
    for (auto& c : cases) {
        HttpConnection connection(port);
        auto first = connection.request(c.target, c.headers);
        ASSERT_TRUE(first) << c.what;
        EXPECT_EQ(first->status, c.status) << c.what;
        if (c.keptOpen) {
            auto second = connection.request(c.target, c.headers);
            ASSERT_TRUE(second) << c.what;
            EXPECT_EQ(second->status, c.status) << c.what;
        } else {
            EXPECT_EQ(first->headers["connection"], "close") << c.what;
            EXPECT_TRUE(connection.closedByServer()) << c.what;
        }
    }
}

TEST_F(ServerTest, StrangersConnectionsNeverLockOutTheTab) {
    // Two hundred connections of other local processes, over three times the cap on connections
    // without a credential: some ask with a wrong token and would keep their connection, the rest
    // send nothing or half a request.
    const std::string wrong = "/?token=" + std::string(32, '0');
    std::vector<std::unique_ptr<HttpConnection>> asking;
    for (int i = 0; i < 100; ++i) {
        asking.push_back(std::make_unique<HttpConnection>(port));
        auto answer = asking.back()->request(wrong);
        EXPECT_EQ(answer ? answer->status : 0, 403);
    }
    std::vector<int> silent;
    for (int i = 0; i < 100; ++i) {
        silent.push_back(openIdle(port));
        ASSERT_GE(silent.back(), 0);
        if (i % 10 == 0) ::send(silent.back(), "GET /?tok", 9, MSG_NOSIGNAL);
    }

    // The tab loads its page on a connection it keeps, then its scripts with the cookie, opens its
    // socket, and its web view loads a document and the pictures of its folder.
    HttpConnection page(port);
    auto index = page.request(withToken("/"));
    ASSERT_TRUE(index);
    EXPECT_EQ(index->status, 200);
    std::string cookie = index->headers["set-cookie"].substr(0, index->headers["set-cookie"].find(';'));
    auto again = page.request("/index.html", {{"Cookie", cookie}, {"Sec-Fetch-Site", "same-origin"}});
    ASSERT_TRUE(again);
    EXPECT_EQ(again->status, 200);

    WebSocketClient tab;
    connectTab(tab);
    server->send("the whole tree");
    EXPECT_EQ(tab.read(), "the whole tree");

    fs::path book = temporary / "book";
    fs::create_directories(book);
    std::ofstream(book / "logo.png") << "picture";
    std::string folder = server->serveFolder(book);
    std::string document =
        server->serveDocument("<img src=\"logo.png\">", "text/html; charset=utf-8", folder);
    HttpConnection frame(port);
    for (const std::string& target : {document, folder + "logo.png"}) {
        auto answer = frame.request(target);
        ASSERT_TRUE(answer) << target;
        EXPECT_EQ(answer->status, 200) << target;
    }

    // Each stranger was answered and let go.
    for (auto& connection : asking) EXPECT_TRUE(connection->closedByServer());
    for (int fd : silent) ::close(fd);
}

TEST_F(ServerTest, ALargeMessageGoesOutWholeButATabThatFallsFarBehindIsCut) {
    WebSocketClient reader, sleeper;
    connectTab(reader);
    std::string tree(6 * 1024 * 1024, 't');  // larger than what may wait for a tab
    server->send(tree);
    EXPECT_EQ(reader.read(), tree);

    connectTab(sleeper);
    std::string patch(1024 * 1024, 'p');
    for (int i = 0; i < 48 && disconnects == 0; ++i) {
        server->send(patch);
        runFor(0.01);
    }
    EXPECT_TRUE(runUntil([&] { return disconnects == 1; }));
}

TEST_F(ServerTest, StopClosesEverythingAndSilencesCallbacks) {
    WebSocketClient tab;
    connectTab(tab);
    tab.send("late");
    server->stop();
    EXPECT_EQ(tab.read(), std::nullopt);
    runFor(0.1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(disconnects, 0);
    EXPECT_FALSE(server->hasActiveTab());
    EXPECT_THROW(httpRequest(port, withToken("/")), std::exception);
}

TEST_F(ServerTest, BusyPortIsReported) {
    Server::Options options;
    options.port = port;
    Server other(options);
    EXPECT_FALSE(other.start());
    EXPECT_NE(other.error().find(std::to_string(port)), std::string::npos);
}

}  // namespace
}  // namespace display
