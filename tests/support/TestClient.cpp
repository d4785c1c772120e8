#include "tests/support/TestClient.h"

#include <sys/socket.h>
#include <sys/time.h>

#include <algorithm>
#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <cctype>
#include <cerrno>

namespace display_test {

namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
namespace asio = boost::asio;
using tcp = asio::ip::tcp;

namespace {

asio::io_context& context() {
    static asio::io_context ctx;
    return ctx;
}

void connectWithTimeout(tcp::socket& socket, unsigned short port) {
    socket.connect(tcp::endpoint(asio::ip::address_v4::loopback(), port));
    socket.set_option(tcp::no_delay(true));  // as browsers do: small messages go out at once
    timeval limit{5, 0};
    ::setsockopt(socket.native_handle(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(socket.native_handle(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
}

template <class Request>
void addHeaders(Request& req, unsigned short port, const Headers& headers) {
    bool hostGiven = false;
    for (auto const& [name, value] : headers) {
        if (beast::iequals(name, "host")) hostGiven = true;
        req.set(name, value);
    }
    if (!hostGiven) req.set(http::field::host, "127.0.0.1:" + std::to_string(port));
}

}  // namespace

namespace {

HttpReply readReply(tcp::socket& socket, beast::flat_buffer& buffer, bool head) {
    http::response_parser<http::string_body> parser;
    parser.skip(head);
    http::read(socket, buffer, parser);
    auto& res = parser.get();
    HttpReply reply;
    reply.status = static_cast<int>(res.result_int());
    reply.body = res.body();
    for (auto const& field : res) {
        std::string name(field.name_string());
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        reply.headers[name] = std::string(field.value());
    }
    return reply;
}

}  // namespace

HttpReply httpRequest(unsigned short port, const std::string& target, const Headers& headers,
                      const std::string& method) {
    tcp::socket socket(context());
    connectWithTimeout(socket, port);
    http::request<http::string_body> req{http::string_to_verb(method), target, 11};
    addHeaders(req, port, headers);
    req.keep_alive(false);
    http::write(socket, req);

    beast::flat_buffer buffer;
    HttpReply reply = readReply(socket, buffer, method == "HEAD");
    beast::error_code ec;
    socket.shutdown(tcp::socket::shutdown_both, ec);
    return reply;
}

struct HttpConnection::Impl {
    tcp::socket socket{context()};
    beast::flat_buffer buffer;
};

HttpConnection::HttpConnection(unsigned short port) : impl_(std::make_unique<Impl>()), port_(port) {
    connectWithTimeout(impl_->socket, port);
}

HttpConnection::~HttpConnection() {
    beast::error_code ec;
    impl_->socket.close(ec);
}

std::optional<HttpReply> HttpConnection::request(const std::string& target, const Headers& headers) {
    http::request<http::string_body> req{http::verb::get, target, 11};
    addHeaders(req, port_, headers);
    req.keep_alive(true);
    beast::error_code ec;
    http::write(impl_->socket, req, ec);
    if (ec) return std::nullopt;
    try {
        return readReply(impl_->socket, impl_->buffer, false);
    } catch (const boost::system::system_error&) {
        return std::nullopt;
    }
}

bool HttpConnection::closedByServer() {
    // The socket's time limit on reads ends the wait when the server keeps the connection open.
    char byte;
    ssize_t n = ::recv(impl_->socket.native_handle(), &byte, 1, 0);
    return n == 0 || (n < 0 && errno == ECONNRESET);
}

int upgradeStatus(unsigned short port, const std::string& target, Headers headers) {
    headers.emplace_back("Connection", "Upgrade");
    headers.emplace_back("Upgrade", "websocket");
    headers.emplace_back("Sec-WebSocket-Version", "13");
    headers.emplace_back("Sec-WebSocket-Key", "dGhlIHNhbXBsZSBub25jZQ==");
    return httpRequest(port, target, headers).status;
}

struct WebSocketClient::Impl {
    websocket::stream<tcp::socket> ws{context()};
};

WebSocketClient::WebSocketClient() : impl_(std::make_unique<Impl>()) {}

WebSocketClient::~WebSocketClient() {
    beast::error_code ec;
    impl_->ws.next_layer().close(ec);
}

bool WebSocketClient::connect(unsigned short port, const std::string& target, const Headers& headers) {
    connectWithTimeout(impl_->ws.next_layer(), port);
    impl_->ws.set_option(websocket::stream_base::decorator(
        [port, headers](websocket::request_type& req) { addHeaders(req, port, headers); }));
    beast::error_code ec;
    impl_->ws.handshake("127.0.0.1:" + std::to_string(port), target, ec);
    return !ec;
}

void WebSocketClient::send(const std::string& text) {
    impl_->ws.text(true);
    impl_->ws.write(asio::buffer(text));
}

std::optional<std::string> WebSocketClient::read() {
    beast::flat_buffer buffer;
    beast::error_code ec;
    impl_->ws.read(buffer, ec);
    if (ec) {
        closeCode_ = impl_->ws.reason().code;
        return std::nullopt;
    }
    return beast::buffers_to_string(buffer.data());
}

void WebSocketClient::close() {
    beast::error_code ec;
    impl_->ws.close(websocket::close_code::normal, ec);
}

}  // namespace display_test
