#include "platform/display/WebSocketSession.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <deque>

#include "platform/display/ServerCore.h"
#include "platform/display/Tab.h"
#include "platform/foundation/IOContext.h"
#include "platform/foundation/Log.h"

namespace display {

namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = boost::asio::ip::tcp;

struct WebSocketSession::Session : Tab, std::enable_shared_from_this<Session> {
    websocket::stream<tcp::socket> ws;
    beast::flat_buffer buffer;
    std::shared_ptr<ServerCore> core;
    std::uint64_t id = 0;      // as a tracked connection
    std::uint64_t number = 0;  // as a tab
    std::deque<std::shared_ptr<const std::string>> queue;
    std::size_t waiting = 0;  // bytes queued behind the message being written
    bool writing = false;
    bool movingAway = false;
    bool closing = false;
    bool finished = false;

    Session(tcp::socket socket, std::shared_ptr<ServerCore> c) : ws(std::move(socket)), core(std::move(c)) {}

    void run(const Upgrade& upgrade) {
        // A tab has shown the token: it does not count against the cap on strangers' connections.
        id = core->track(weak_from_this(), true);
        if (id == 0) return shutDown();
        http::request<http::empty_body> req{http::verb::get, upgrade.target, 11};
        for (auto const& [name, value] : upgrade.fields) req.insert(name, value);

        ws.set_option(websocket::stream_base::timeout::suggested(beast::role_type::server));
        ws.set_option(websocket::stream_base::decorator(
            [](websocket::response_type& res) { res.set(http::field::server, "orvakit"); }));
        ws.read_message_max(kMessageLimit);
        ws.text(true);
        // A message goes out as one frame: a page's text cut into frames of a few kilobytes reached
        // the tab in as many reads, the last of them milliseconds after the first.
        ws.auto_fragment(false);
        ws.async_accept(req, [self = shared_from_this()](beast::error_code ec) {
            if (ec) return self->finish();
            self->number = self->core->attach(self);
            self->read();
        });
    }

    void read() {
        ws.async_read(buffer, [self = shared_from_this()](beast::error_code ec, std::size_t) {
            if (ec) return self->finish();
            if (self->ws.got_text())
                self->core->received(self->number, beast::buffers_to_string(self->buffer.data()));
            self->buffer.consume(self->buffer.size());
            self->read();
        });
    }

    void send(std::shared_ptr<const std::string> text) override {
        if (closing || finished) return;
        // Only what waits behind the message being written counts, so that one large tree still
        // goes out whole; a tab that falls further behind than the limit is cut.
        if (waiting > 0 && waiting + text->size() > kQueueLimit) {
            fnd::Log::warning("display: the tab reads too slowly; closing its connection");
            return cut();
        }
        waiting += text->size();
        queue.push_back(std::move(text));
        if (!writing) writeNext();
    }

    void writeNext() {
        if (queue.empty()) {
            if (movingAway && !closing) closeMoved();
            return;
        }
        writing = true;
        waiting -= queue.front()->size();
        ws.async_write(boost::asio::buffer(*queue.front()),
                       [self = shared_from_this()](beast::error_code ec, std::size_t) {
                           self->writing = false;
                           if (ec || self->finished) return self->finish();
                           self->queue.pop_front();
                           self->writeNext();
                       });
    }

    // Drops what waits at once (the message being written stays until its write ends), then closes.
    void cut() {
        if (writing && !queue.empty()) queue.erase(queue.begin() + 1, queue.end());
        if (!writing) queue.clear();
        queue.shrink_to_fit();
        waiting = 0;
        shutDown();
    }

    void moveAway() override {
        if (closing || finished) return;
        send(std::make_shared<const std::string>(kMovedMessage));
        movingAway = true;
        if (!writing) writeNext();
    }

    void closeMoved() {
        closing = true;
        // The read in progress ends when the page answers the close.
        ws.async_close(websocket::close_reason(static_cast<websocket::close_code>(kMovedCloseCode),
                                               "moved to another tab"),
                       [self = shared_from_this()](beast::error_code) {});
    }

    void shutDown() override {
        closing = true;
        beast::error_code ec;
        ws.next_layer().close(ec);
    }

    void finish() {
        if (finished) return;
        finished = true;
        queue.clear();
        core->detached(number);
        if (id != 0) core->forget(id);
        beast::error_code ec;
        ws.next_layer().close(ec);
    }
};

void WebSocketSession::start(int socket, Upgrade request, std::shared_ptr<ServerCore> core) {
    tcp::socket s(fnd::ioContext(core->ioThread()));
    beast::error_code ec;
    s.assign(tcp::v4(), socket, ec);
    if (ec) return;
    std::make_shared<Session>(std::move(s), std::move(core))->run(request);
}

}  // namespace display
