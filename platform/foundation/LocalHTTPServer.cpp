#include "platform/foundation/LocalHTTPServer.h"

// clang-format off
#include <utility>  // before Asio, which GCC 12 in C++20 mode otherwise trips over
// clang-format on

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>
#include <optional>
#include <thread>
#include <vector>

namespace fnd {

namespace asio = boost::asio;
namespace http = boost::beast::http;
using tcp = asio::ip::tcp;

namespace {

// The largest request head taken; a GET needs far less.
constexpr std::uint32_t kHeaderLimit = 16 * 1024;

class Session;

}  // namespace

struct LocalHTTPServer::Impl {
    explicit Impl(Handler h) : handler(std::move(h)) {}
    Handler handler;
    asio::io_context io;
    tcp::acceptor acceptor{io};
    std::thread thread;
    unsigned short port = 0;
    bool running = false;
    std::vector<std::weak_ptr<Session>> sessions;  // the server's thread only

    void accept();
    void closeAll();
};

namespace {

class Session : public std::enable_shared_from_this<Session> {
  public:
    Session(LocalHTTPServer::Impl& server, tcp::socket socket)
        : server_(server), socket_(std::move(socket)) {}

    void read() {
        parser_.emplace();
        parser_->header_limit(kHeaderLimit);
        parser_->body_limit(0);
        http::async_read(socket_, buffer_, *parser_,
                         [self = shared_from_this()](boost::system::error_code ec, std::size_t) {
                             if (ec) return self->close();
                             self->answer(self->parser_->get());
                         });
    }

    void close() {
        boost::system::error_code ignored;
        socket_.shutdown(tcp::socket::shutdown_both, ignored);
        socket_.close(ignored);
    }

  private:
    LocalHTTPServer::Reply replyFor(const http::request<http::empty_body>& message) const {
        if (message.method() != http::verb::get && message.method() != http::verb::head)
            return {405, "text/plain", "Only GET and HEAD are answered."};
        std::string host(message[http::field::host]);
        std::string port = std::to_string(server_.port);
        if (host != "127.0.0.1:" + port && host != "localhost:" + port)
            return {403, "text/plain", "This service answers its loopback address only."};
        std::string target(message.target());
        std::size_t question = target.find('?');
        LocalHTTPServer::Request request{target.substr(0, question), question == std::string::npos
                                                                         ? std::string()
                                                                         : target.substr(question + 1)};
        return server_.handler(request);
    }

    void answer(const http::request<http::empty_body>& message) {
        LocalHTTPServer::Reply reply = replyFor(message);
        auto response = std::make_shared<http::response<http::string_body>>(http::int_to_status(reply.status),
                                                                            message.version());
        response->result(reply.status);
        response->set(http::field::content_type, reply.contentType);
        response->set(http::field::cache_control, "no-store");
        response->body() = std::move(reply.body);
        response->keep_alive(message.keep_alive());
        response->prepare_payload();
        if (message.method() == http::verb::head) response->body().clear();
        http::async_write(socket_, *response,
                          [self = shared_from_this(), response](boost::system::error_code ec, std::size_t) {
                              if (ec || !response->keep_alive()) return self->close();
                              self->read();
                          });
    }

    LocalHTTPServer::Impl& server_;
    tcp::socket socket_;
    boost::beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::empty_body>> parser_;
};

}  // namespace

void LocalHTTPServer::Impl::accept() {
    acceptor.async_accept([this](boost::system::error_code ec, tcp::socket socket) {
        if (ec) return;
        socket.set_option(tcp::no_delay(true), ec);
        auto session = std::make_shared<Session>(*this, std::move(socket));
        std::erase_if(sessions, [](const std::weak_ptr<Session>& s) { return s.expired(); });
        sessions.push_back(session);
        session->read();
        accept();
    });
}

void LocalHTTPServer::Impl::closeAll() {
    boost::system::error_code ignored;
    acceptor.close(ignored);
    for (const std::weak_ptr<Session>& weak : sessions)
        if (auto session = weak.lock()) session->close();
    sessions.clear();
}

LocalHTTPServer::LocalHTTPServer(Handler handler) : impl_(std::make_shared<Impl>(std::move(handler))) {}

LocalHTTPServer::~LocalHTTPServer() { stop(); }

bool LocalHTTPServer::start(std::string* error) {
    if (impl_->running) return true;
    boost::system::error_code ec;
    tcp::endpoint endpoint(asio::ip::make_address("127.0.0.1"), 0);
    impl_->acceptor.open(endpoint.protocol(), ec);
    if (!ec) impl_->acceptor.bind(endpoint, ec);
    if (!ec) impl_->acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
        if (error) *error = ec.message();
        boost::system::error_code ignored;
        impl_->acceptor.close(ignored);
        return false;
    }
    port_ = impl_->port = impl_->acceptor.local_endpoint().port();
    impl_->running = true;
    impl_->accept();
    impl_->thread = std::thread([impl = impl_.get()] { impl->io.run(); });
    return true;
}

void LocalHTTPServer::stop() {
    if (!impl_->running) return;
    impl_->running = false;
    // Once the thread has ended nothing else touches the sockets, so they close from here.
    impl_->io.stop();
    impl_->thread.join();
    impl_->closeAll();
}

std::string LocalHTTPServer::address() const {
    return port_ ? "http://127.0.0.1:" + std::to_string(port_) : std::string();
}

}  // namespace fnd
