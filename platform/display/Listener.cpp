#include "platform/display/Listener.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>

#include "platform/display/HttpSession.h"
#include "platform/display/ServerCore.h"
#include "platform/foundation/IOContext.h"
#include "platform/foundation/Log.h"

namespace display {

using tcp = boost::asio::ip::tcp;

struct Listener::Impl {
    fnd::IOThread& io;
    tcp::acceptor acceptor;
    boost::asio::steady_timer retry;
    std::shared_ptr<ServerCore> core;
};

std::shared_ptr<Listener> Listener::open(fnd::IOThread& io, unsigned short port, std::string& error) {
    // Opened on the calling thread: no operation runs on the acceptor before start() posts one.
    auto impl = std::unique_ptr<Impl>(new Impl{io, tcp::acceptor(fnd::ioContext(io)),
                                               boost::asio::steady_timer(fnd::ioContext(io)), nullptr});
    boost::system::error_code ec;
    tcp::endpoint endpoint(boost::asio::ip::address_v4::loopback(), port);
    impl->acceptor.open(endpoint.protocol(), ec);
    if (!ec) impl->acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
    if (!ec) impl->acceptor.bind(endpoint, ec);
    if (!ec) impl->acceptor.listen(boost::asio::socket_base::max_listen_connections, ec);
    if (ec) {
        error = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + ec.message();
        return nullptr;
    }
    unsigned short bound = impl->acceptor.local_endpoint(ec).port();
    return std::make_shared<Listener>(std::move(impl), bound);
}

Listener::Listener(std::unique_ptr<Impl> impl, unsigned short port) : impl_(std::move(impl)), port_(port) {}

Listener::~Listener() = default;

void Listener::start(std::shared_ptr<ServerCore> core) {
    impl_->io.post([self = shared_from_this(), core = std::move(core)] {
        self->impl_->core = core;
        self->accept();
    });
}

void Listener::close() {
    boost::system::error_code ec;
    impl_->acceptor.close(ec);
    impl_->retry.cancel();
    impl_->core.reset();
}

void Listener::accept() {
    // While the connections without a credential are at their cap and none has had its grace, the
    // new ones wait in the kernel's queue, until one of those shows a credential or closes, or the
    // oldest has had its grace.
    std::weak_ptr<Listener> weak = weak_from_this();
    auto wait = impl_->core->waitForRoom([weak] {
        if (auto self = weak.lock()) self->impl_->retry.cancel();
    });
    if (wait > std::chrono::steady_clock::duration::zero()) {
        impl_->retry.expires_after(wait);
        impl_->retry.async_wait([self = shared_from_this()](boost::system::error_code) {
            if (self->impl_->acceptor.is_open() && self->impl_->core) self->accept();
        });
        return;
    }
    impl_->acceptor.async_accept(
        [self = shared_from_this()](boost::system::error_code ec, tcp::socket socket) {
            if (!self->impl_->acceptor.is_open() || !self->impl_->core) return;
            if (ec) {
                // Out of descriptors, most likely: wait a little instead of failing in a tight loop.
                fnd::Log::warning("display: accept failed: ", ec.message());
                self->impl_->retry.expires_after(std::chrono::milliseconds(100));
                self->impl_->retry.async_wait([self](boost::system::error_code) {
                    if (self->impl_->acceptor.is_open() && self->impl_->core) self->accept();
                });
                return;
            }
            boost::system::error_code optionError;
            socket.set_option(tcp::no_delay(true), optionError);
            int fd = socket.release(optionError);
            if (!optionError) HttpSession::start(fd, self->impl_->core);
            self->accept();
        });
}

}  // namespace display
