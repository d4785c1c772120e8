#include "platform/display/HttpSession.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/display/Connection.h"
#include "platform/display/ServerCore.h"
#include "platform/display/WebSocketSession.h"
#include "platform/foundation/IOContext.h"

namespace display {

namespace beast = boost::beast;
namespace http = beast::http;
using tcp = boost::asio::ip::tcp;

namespace {

// A reply that the browser does not take within this time is dropped. (A request must come within
// the server's request timeout.)
constexpr auto kTimeout = std::chrono::seconds(30);

// Beast's string view is Boost's in this version.
std::string_view sv(beast::string_view s) { return {s.data(), s.size()}; }

bool headerHasToken(beast::string_view value, beast::string_view token) {
    // Comma-separated, case-insensitive ("keep-alive, Upgrade").
    for (auto const& part : http::token_list(value))
        if (beast::iequals(part, token)) return true;
    return false;
}

}  // namespace

struct HttpSession::Session : Connection, std::enable_shared_from_this<Session> {
    using Request = http::request<http::string_body>;

    beast::tcp_stream stream;
    beast::flat_buffer buffer;
    std::optional<http::request_parser<http::string_body>> parser;
    std::shared_ptr<ServerCore> core;
    std::uint64_t id = 0;
    // Whether the request being answered showed a credential: the token (in its address, or in
    // the cookie of a request from the display's own page) or the address of a served document or
    // folder. Only then is the connection kept open after the answer.
    bool credentialShown = false;

    Session(tcp::socket socket, std::shared_ptr<ServerCore> c)
        : stream(std::move(socket)), core(std::move(c)) {}

    void run() {
        id = core->track(weak_from_this());
        if (id == 0) return shutDown();
        read();
    }

    void shutDown() override {
        beast::error_code ec;
        stream.socket().close(ec);
    }

    void read() {
        parser.emplace();
        parser->body_limit(kBodyLimit);
        stream.expires_after(core->limits().requestTimeout);
        http::async_read(
            stream, buffer, *parser,
            [self = shared_from_this()](beast::error_code ec, std::size_t) { self->onRead(ec); });
    }

    void onRead(beast::error_code ec) {
        if (ec == http::error::body_limit) {
            return reply(http::status::payload_too_large, "The request is too large.\n", false, true);
        }
        if (ec) return finish();
        handle(parser->get());
    }

    void handle(Request& req) {
        credentialShown = false;
        const AccessPolicy& policy = core->policy();
        if (!policy.hostAllowed(sv(req[http::field::host])))
            return reply(http::status::forbidden, "This server answers only to a loopback address.\n", true);

        bool tokenInTarget = policy.tokenInTarget(sv(req.target()));
        bool tokenInCookie = policy.tokenInCookies(sv(req[http::field::cookie]));

        if (headerHasToken(req[http::field::connection], "upgrade") &&
            beast::iequals(req[http::field::upgrade], "websocket"))
            return upgrade(req, tokenInTarget || tokenInCookie);

        bool cookieCounts =
            tokenInCookie && AccessPolicy::cookieRequestSiteAllowed(sv(req["Sec-Fetch-Site"]));
        if (tokenInTarget || cookieCounts) showCredential();
        if (req.method() != http::verb::get && req.method() != http::verb::head)
            return reply(http::status::method_not_allowed, "Only GET and HEAD are served.\n", true);

        auto found = core->files().resolve(sv(req.target()));
        // A served document's or folder's random address is the credential of the web view's frame.
        if (!found.needsToken) showCredential();
        if (!credentialShown) return replyTokenNeeded();

        switch (found.kind) {
            case ServedFiles::Resolution::Kind::BadPath:
                return reply(http::status::bad_request, "Malformed or escaping path.\n", found.needsToken);
            case ServedFiles::Resolution::Kind::NotFound:
                return reply(http::status::not_found, "Not found.\n", found.needsToken);
            case ServedFiles::Resolution::Kind::Document:
                return sendDocument(req, std::move(found), tokenInTarget);
            case ServedFiles::Resolution::Kind::File:
                return sendFile(req, found, tokenInTarget);
        }
    }

    void showCredential() {
        if (!credentialShown) core->proven(id);
        credentialShown = true;
    }

    void upgrade(Request& req, bool tokenGiven) {
        auto segments = ServedFiles::pathSegments(sv(req.target().substr(0, req.target().find('?'))));
        if (!segments || *segments != std::vector<std::string>{"ws"})
            return reply(http::status::not_found, "Not found.\n", true);
        // Only the display's own page may open the socket: a page of another site, or a web view's
        // sandboxed frame (origin "null"), may not, whatever cookie its request carries.
        if (!core->policy().originAllowed(sv(req[http::field::origin])))
            return reply(http::status::forbidden, "Connections are accepted from the display's page only.\n",
                         true);
        if (!tokenGiven) return replyTokenNeeded();

        WebSocketSession::Upgrade handshake;
        handshake.target = std::string(req.target());
        for (auto const& field : req) handshake.fields.emplace_back(field.name_string(), field.value());
        beast::error_code ec;
        stream.expires_never();
        tcp::socket socket = stream.release_socket();
        core->forget(id);
        id = 0;
        int fd = socket.release(ec);
        if (!ec) WebSocketSession::start(fd, std::move(handshake), core);
    }

    void prepare(http::response<http::string_body>& res, bool keepAlive, bool ownPage) {
        res.set(http::field::server, "orvakit");
        res.set(http::field::cache_control, "no-store");
        res.set("X-Content-Type-Options", "nosniff");
        res.set("Referrer-Policy", "no-referrer");
        // The display's own pages are never shown inside another page's frame.
        if (ownPage) res.set("Content-Security-Policy", "frame-ancestors 'none'");
        res.keep_alive(keepAlive);
    }

    void reply(http::status status, const std::string& text, bool ownPage, bool close = false,
               const char* contentType = "text/plain; charset=utf-8") {
        auto res = std::make_shared<http::response<http::string_body>>(status, 11);
        prepare(*res, !close && credentialShown && parser && parser->is_done() && parser->get().keep_alive(),
                ownPage);
        res->set(http::field::content_type, contentType);
        res->body() = text;
        res->prepare_payload();
        write(res);
    }

    // A tab or bookmark of an earlier run, or an address typed without its token, lands here: a
    // page a person can read in the browser, telling them where the right address is.
    void replyTokenNeeded() {
        reply(http::status::forbidden,
              "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
              "<title>Access token needed</title></head>\n<body style=\"font-family:sans-serif;margin:2em\">"
              "<h1>Access token needed</h1>\n<p>This address lacks a valid access token. Open the address "
              "the program printed when it started; it ends in <code>?token=</code> and a long number.</p>"
              "\n</body></html>\n",
              true, false, "text/html; charset=utf-8");
    }

    void sendDocument(const Request& req, ServedFiles::Resolution found, bool setCookie) {
        send(req, std::move(found.body), found, setCookie);
    }

    void sendFile(const Request& req, const ServedFiles::Resolution& found, bool setCookie) {
        // Read whole: the served files are pages, scripts, images and fonts of modest size, and
        // one body type keeps this source quicker to compile.
        std::ifstream in(found.file, std::ios::binary);
        std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) return reply(http::status::not_found, "Not found.\n", found.needsToken);
        send(req, std::move(content), found, setCookie);
    }

    void send(const Request& req, std::string content, const ServedFiles::Resolution& found, bool setCookie) {
        auto res = std::make_shared<http::response<http::string_body>>(http::status::ok, req.version());
        prepare(*res, credentialShown && req.keep_alive(), found.needsToken);
        res->set(http::field::content_type, found.contentType);
        // A web view's document with a policy of its own (inert content) is held to it.
        if (!found.contentPolicy.empty()) res->set("Content-Security-Policy", found.contentPolicy);
        if (setCookie) res->set(http::field::set_cookie, core->policy().setCookieHeader());
        res->content_length(content.size());
        if (req.method() != http::verb::head) res->body() = std::move(content);
        write(res);
    }

    void write(std::shared_ptr<http::response<http::string_body>> res) {
        stream.expires_after(kTimeout);
        http::async_write(stream, *res, [self = shared_from_this(), res](beast::error_code ec, std::size_t) {
            if (ec || !res->keep_alive()) return self->finish();
            self->read();
        });
    }

    void finish() {
        beast::error_code ec;
        stream.socket().shutdown(tcp::socket::shutdown_send, ec);
        stream.socket().close(ec);
        if (id != 0) core->forget(id);
        id = 0;
    }
};

void HttpSession::start(int socket, std::shared_ptr<ServerCore> core) {
    tcp::socket s(fnd::ioContext(core->ioThread()));
    beast::error_code ec;
    s.assign(tcp::v4(), socket, ec);
    if (ec) return;
    std::make_shared<Session>(std::move(s), std::move(core))->run();
}

}  // namespace display
