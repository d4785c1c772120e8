#include "tests/support/HTTPTestServer.h"

// clang-format off
#include <utility>  // before Asio, which GCC 12 in C++20 mode otherwise trips over
// clang-format on

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <future>
#include <map>
#include <mutex>
#include <thread>

namespace testing_support {

namespace asio = boost::asio;
namespace http = boost::beast::http;
using tcp = asio::ip::tcp;

namespace {
class Connection;
}

struct HTTPTestServer::Impl {
    asio::io_context io;
    tcp::acceptor acceptor{io};
    std::thread thread;
    std::once_flag stopOnce;

    mutable std::mutex mutex;
    std::map<std::string, Handler, std::less<>> routes;
    std::vector<Request> recorded;
    std::vector<std::weak_ptr<Connection>> connections;  // the server's thread only

    void accept();
    void closeAll();
    Reply replyFor(const Request& request) {
        Handler handler;
        {
            std::lock_guard lock(mutex);
            recorded.push_back(request);
            auto it = routes.find(request.path);
            if (it != routes.end()) handler = it->second;
        }
        return handler ? handler(request) : Reply::text("Not Found", "text/plain", 404);
    }
};

namespace {

// One client connection: reads requests one after another and answers each.
class Connection : public std::enable_shared_from_this<Connection> {
  public:
    Connection(HTTPTestServer::Impl& server, tcp::socket socket)
        : server_(server), socket_(std::move(socket)), timer_(socket_.get_executor()) {}

    void read() {
        parser_.emplace();
        parser_->body_limit(256 * 1024 * 1024);
        http::async_read(socket_, buffer_, *parser_,
                         [self = shared_from_this()](boost::system::error_code ec, std::size_t) {
                             if (ec) return self->close();
                             self->handle(self->parser_->release());
                         });
    }

    void close() {
        timer_.cancel();
        boost::system::error_code ignored;
        socket_.shutdown(tcp::socket::shutdown_both, ignored);
        socket_.close(ignored);
    }

  private:
    void handle(http::request<http::string_body> message) {
        HTTPTestServer::Request request;
        request.method = std::string(message.method_string());
        request.target = std::string(message.target());
        auto question = request.target.find('?');
        request.path = request.target.substr(0, question);
        if (question != std::string::npos) request.query = request.target.substr(question + 1);
        for (const auto& field : message)
            request.headers.add(std::string(field.name_string()), std::string(field.value()));
        request.body = std::move(message.body());
        keepAlive_ = message.keep_alive();

        auto reply = std::make_shared<HTTPTestServer::Reply>(server_.replyFor(request));
        if (reply->delay <= 0) return send(reply);
        timer_.expires_after(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(reply->delay)));
        timer_.async_wait([self = shared_from_this(), reply](boost::system::error_code ec) {
            if (!ec) self->send(reply);
        });
    }

    void send(const std::shared_ptr<HTTPTestServer::Reply>& reply) {
        if (reply->cutAfter) return sendCut(*reply);
        auto response =
            std::make_shared<http::response<http::string_body>>(http::int_to_status(reply->status), 11);
        response->result(reply->status);
        for (const auto& [name, value] : reply->headers) response->insert(name, value);
        response->body() = reply->body;
        response->keep_alive(keepAlive_);
        if (reply->chunked)
            response->chunked(true);
        else
            response->prepare_payload();
        http::async_write(socket_, *response,
                          [self = shared_from_this(), response](boost::system::error_code ec, std::size_t) {
                              if (ec || !response->keep_alive()) return self->close();
                              self->read();
                          });
    }

    // The head promises the whole body; the connection closes part way.
    void sendCut(const HTTPTestServer::Reply& reply) {
        auto text = std::make_shared<std::string>();
        *text = "HTTP/1.1 " + std::to_string(reply.status) + " " +
                std::string(http::obsolete_reason(http::int_to_status(reply.status))) + "\r\n";
        for (const auto& [name, value] : reply.headers) *text += name + ": " + value + "\r\n";
        *text += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n\r\n";
        *text += reply.body.substr(0, *reply.cutAfter);
        asio::async_write(
            socket_, asio::buffer(*text),
            [self = shared_from_this(), text](boost::system::error_code, std::size_t) { self->close(); });
    }

    HTTPTestServer::Impl& server_;
    tcp::socket socket_;
    asio::steady_timer timer_;
    boost::beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    bool keepAlive_ = true;
};

}  // namespace

void HTTPTestServer::Impl::closeAll() {
    boost::system::error_code ignored;
    acceptor.close(ignored);
    for (auto& weak : connections)
        if (auto connection = weak.lock()) connection->close();
    connections.clear();
}

void HTTPTestServer::Impl::accept() {
    acceptor.async_accept([this](boost::system::error_code ec, tcp::socket socket) {
        if (ec) return;
        socket.set_option(tcp::no_delay(true), ec);
        auto connection = std::make_shared<Connection>(*this, std::move(socket));
        std::erase_if(connections, [](const auto& c) { return c.expired(); });
        connections.push_back(connection);
        connection->read();
        accept();
    });
}

HTTPTestServer::Reply HTTPTestServer::Reply::text(std::string body, std::string contentType, int status) {
    Reply reply;
    reply.status = status;
    reply.body = std::move(body);
    reply.headers.set("Content-Type", std::move(contentType));
    return reply;
}

HTTPTestServer::Reply HTTPTestServer::Reply::redirect(std::string location, int status) {
    Reply reply;
    reply.status = status;
    reply.headers.set("Location", std::move(location));
    return reply;
}

HTTPTestServer::HTTPTestServer() : impl_(std::make_shared<Impl>()) {
    tcp::endpoint endpoint(asio::ip::make_address("127.0.0.1"), 0);
    impl_->acceptor.open(endpoint.protocol());
    impl_->acceptor.set_option(tcp::acceptor::reuse_address(true));
    impl_->acceptor.bind(endpoint);
    impl_->acceptor.listen();
    port_ = impl_->acceptor.local_endpoint().port();
    impl_->accept();
    impl_->thread = std::thread([impl = impl_.get()] { impl->io.run(); });
}

HTTPTestServer::~HTTPTestServer() { stop(); }

void HTTPTestServer::stop() {
    std::call_once(impl_->stopOnce, [this] {
        std::promise<void> closed;
        asio::post(impl_->io, [this, &closed] {
            impl_->closeAll();
            closed.set_value();
        });
        closed.get_future().wait();
        impl_->io.stop();
        impl_->thread.join();
    });
}

std::string HTTPTestServer::url(std::string_view pathAndQuery) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(pathAndQuery);
}

void HTTPTestServer::route(std::string path, Reply reply) {
    route(std::move(path), [reply = std::move(reply)](const Request&) { return reply; });
}

void HTTPTestServer::route(std::string path, Handler handler) {
    std::lock_guard lock(impl_->mutex);
    impl_->routes[std::move(path)] = std::move(handler);
}

std::vector<HTTPTestServer::Request> HTTPTestServer::requests() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->recorded;
}

std::size_t HTTPTestServer::requestCount() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->recorded.size();
}

std::uint16_t HTTPTestServer::unusedPort() {
    asio::io_context io;
    tcp::acceptor probe(io, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0));
    return probe.local_endpoint().port();
}

}  // namespace testing_support
