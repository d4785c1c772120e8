#include "platform/foundation/CurlMulti.h"

// clang-format off
#include <utility>  // before Asio, which GCC 12 in C++20 mode otherwise trips over
// clang-format on

#include <curl/curl.h>
#include <poll.h>

#include <boost/asio/posix/stream_descriptor.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <cstdint>
#include <unordered_map>

#include "platform/foundation/IOContext.h"
#include "platform/foundation/Log.h"

namespace fnd {

namespace {
using Clock = std::chrono::steady_clock;
namespace asio = boost::asio;
}  // namespace

struct CurlMulti::Impl {
    // One socket that libcurl asked us to watch.
    struct Watch {
        explicit Watch(asio::io_context& io, curl_socket_t fd) : descriptor(io, fd) {}
        asio::posix::stream_descriptor descriptor;
        int wanted = 0;  // CURL_POLL_IN / OUT / INOUT
        bool reading = false, writing = false;
        bool removed = false;
    };

    struct Transfer {
        Transfer(asio::io_context& io, CURL* easy, double idleTimeout, Done done, std::uint64_t serial)
            : easy(easy), idleTimeout(idleTimeout), done(std::move(done)), idleTimer(io), serial(serial) {}
        CURL* easy;
        double idleTimeout;
        Done done;
        asio::steady_timer idleTimer;
        Clock::time_point lastActivity = Clock::now();
        curl_off_t lastCount = -1;
        std::uint64_t serial;  // tells a transfer from a later one that got the same handle address
    };

    explicit Impl(asio::io_context& io) : io(io), timer(io) {
        multi = curl_multi_init();
        curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &Impl::onSocket);
        curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
        curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &Impl::onTimer);
        curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);
    }

    static int onSocket(CURL*, curl_socket_t fd, int what, void* self, void*) {
        static_cast<Impl*>(self)->socketChanged(fd, what);
        return 0;
    }

    static int onTimer(CURLM*, long timeoutMs, void* self) {
        auto* impl = static_cast<Impl*>(self);
        if (timeoutMs < 0) {
            impl->timer.cancel();
            return 0;
        }
        // Never act from inside libcurl's call: even a zero time-out runs from the loop.
        impl->timer.expires_after(std::chrono::milliseconds(timeoutMs));
        impl->timer.async_wait([impl](const boost::system::error_code& ec) {
            if (ec) return;
            impl->act(CURL_SOCKET_TIMEOUT, 0);
        });
        return 0;
    }

    static int onProgress(void* data, curl_off_t, curl_off_t received, curl_off_t, curl_off_t sent) {
        auto* transfer = static_cast<Transfer*>(data);
        if (received + sent != transfer->lastCount) {
            transfer->lastCount = received + sent;
            transfer->lastActivity = Clock::now();
        }
        return 0;
    }

    void socketChanged(curl_socket_t fd, int what) {
        auto it = watches.find(fd);
        if (what == CURL_POLL_REMOVE) {
            if (it == watches.end()) return;
            it->second->removed = true;
            // Hands the socket back to libcurl, which closes it; pending waits end as aborted.
            it->second->descriptor.release();
            watches.erase(it);
            return;
        }
        if (it == watches.end()) {
            try {
                it = watches.emplace(fd, std::make_shared<Watch>(io, fd)).first;
            } catch (const std::exception& e) {
                Log::error("url loading: cannot watch socket ", fd, ": ", e.what());
                return;
            }
        }
        it->second->wanted = what;
        arm(it->second, fd);
    }

    void arm(const std::shared_ptr<Watch>& watch, curl_socket_t fd) {
        if ((watch->wanted & CURL_POLL_IN) && !watch->reading) {
            watch->reading = true;
            waitFor(watch, fd, CURL_CSELECT_IN);
        }
        if ((watch->wanted & CURL_POLL_OUT) && !watch->writing) {
            watch->writing = true;
            waitFor(watch, fd, CURL_CSELECT_OUT);
        }
    }

    // The loop watches sockets edge-triggered: readiness that came while nobody waited would be
    // missed, so a socket that is ready already is served at once.
    void waitFor(const std::shared_ptr<Watch>& watch, curl_socket_t fd, int direction) {
        auto handler = [this, watch, fd, direction](const boost::system::error_code& ec) {
            (direction == CURL_CSELECT_IN ? watch->reading : watch->writing) = false;
            if (watch->removed || ec == asio::error::operation_aborted) return;
            int wantedFlag = direction == CURL_CSELECT_IN ? CURL_POLL_IN : CURL_POLL_OUT;
            if (!(watch->wanted & wantedFlag)) return;
            act(fd, direction | (ec ? CURL_CSELECT_ERR : 0));
            if (!watch->removed) arm(watch, fd);
        };
        pollfd p{fd, static_cast<short>(direction == CURL_CSELECT_IN ? POLLIN : POLLOUT), 0};
        if (::poll(&p, 1, 0) > 0) {
            asio::post(io, [handler] { handler({}); });
            return;
        }
        watch->descriptor.async_wait(direction == CURL_CSELECT_IN
                                         ? asio::posix::stream_descriptor::wait_read
                                         : asio::posix::stream_descriptor::wait_write,
                                     handler);
    }

    void act(curl_socket_t fd, int events) {
        int running = 0;
        curl_multi_socket_action(multi, fd, events, &running);
        collectFinished();
    }

    void collectFinished() {
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
            if (message->msg != CURLMSG_DONE) continue;
            CURL* easy = message->easy_handle;
            CURLcode result = message->data.result;
            finish(easy, result);
        }
    }

    void finish(CURL* easy, int result) {
        auto node = transfers.extract(easy);
        if (node.empty()) return;
        curl_multi_remove_handle(multi, easy);
        node.mapped()->idleTimer.cancel();
        Done done = std::move(node.mapped()->done);
        node.mapped().reset();
        if (done) done(result);
    }

    void watchIdle(Transfer* transfer) {
        auto left =
            transfer->lastActivity + std::chrono::duration<double>(transfer->idleTimeout) - Clock::now();
        transfer->idleTimer.expires_after(std::chrono::duration_cast<Clock::duration>(left));
        transfer->idleTimer.async_wait(
            [this, easy = transfer->easy, serial = transfer->serial](const boost::system::error_code& ec) {
                auto it = transfers.find(easy);
                if (ec || it == transfers.end() || it->second->serial != serial) return;
                Transfer* current = it->second.get();
                auto idle = std::chrono::duration<double>(Clock::now() - current->lastActivity).count();
                if (idle >= current->idleTimeout)
                    finish(easy, CURLE_OPERATION_TIMEDOUT);
                else
                    watchIdle(current);
            });
    }

    asio::io_context& io;
    CURLM* multi = nullptr;
    asio::steady_timer timer;
    std::unordered_map<curl_socket_t, std::shared_ptr<Watch>> watches;
    std::unordered_map<CURL*, std::unique_ptr<Transfer>> transfers;
    std::uint64_t nextSerial = 1;
};

CurlMulti& CurlMulti::shared() {
    // Never destroyed: transfers may still be running on the I/O thread when the process ends.
    static CurlMulti* multi = new CurlMulti(IOThread::shared());
    return *multi;
}

CurlMulti::CurlMulti(IOThread& thread) : thread_(thread) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    impl_ = std::make_unique<Impl>(ioContext(thread));
}

CurlMulti::~CurlMulti() = default;

void CurlMulti::add(void* handle, double idleTimeout, Done done) {
    auto* easy = static_cast<CURL*>(handle);
    auto transfer =
        std::make_unique<Impl::Transfer>(impl_->io, easy, idleTimeout, std::move(done), impl_->nextSerial++);
    Impl::Transfer* raw = transfer.get();
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Impl::onProgress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, raw);
    impl_->transfers.emplace(easy, std::move(transfer));
    if (CURLMcode code = curl_multi_add_handle(impl_->multi, easy); code != CURLM_OK) {
        Log::error("url loading: cannot start a transfer: ", curl_multi_strerror(code));
        // Reported from the loop like every other end, never from inside add().
        asio::post(impl_->io, [impl = impl_.get(), easy] {
            auto node = impl->transfers.extract(easy);
            if (!node.empty() && node.mapped()->done) node.mapped()->done(CURLE_FAILED_INIT);
        });
        return;
    }
    impl_->watchIdle(raw);
}

void CurlMulti::remove(void* handle) {
    auto* easy = static_cast<CURL*>(handle);
    auto node = impl_->transfers.extract(easy);
    if (node.empty()) return;
    node.mapped()->idleTimer.cancel();
    curl_multi_remove_handle(impl_->multi, easy);
}

std::size_t CurlMulti::activeCount() const { return impl_->transfers.size(); }

}  // namespace fnd
