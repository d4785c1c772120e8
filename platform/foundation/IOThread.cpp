#include "platform/foundation/IOThread.h"

#include <pthread.h>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/post.hpp>
#include <future>
#include <mutex>
#include <thread>

#include "platform/foundation/IOContext.h"
#include "platform/foundation/Log.h"

namespace fnd {

struct IOThread::Impl {
    boost::asio::io_context context;
    boost::asio::executor_work_guard<boost::asio::io_context::executor_type> guard{context.get_executor()};
    std::thread thread;
    std::thread::id id;
    std::once_flag stopOnce;
};

IOThread& IOThread::shared() {
    static IOThread thread;
    return thread;
}

IOThread::IOThread() : impl_(std::make_unique<Impl>()) {
    std::promise<void> started;
    auto ready = started.get_future();
    impl_->thread = std::thread([this, &started] {
        pthread_setname_np(pthread_self(), "io");
        impl_->id = std::this_thread::get_id();
        started.set_value();
        for (;;) {
            try {
                impl_->context.run();
                break;
            } catch (const std::exception& e) {
                Log::error("io thread: ", e.what());
            }
        }
    });
    ready.wait();
}

IOThread::~IOThread() { stop(); }

void IOThread::post(std::function<void()> task) { boost::asio::post(impl_->context, std::move(task)); }

bool IOThread::isCurrent() const { return std::this_thread::get_id() == impl_->id; }

void IOThread::stop() {
    std::call_once(impl_->stopOnce, [this] {
        impl_->guard.reset();
        impl_->context.stop();
        if (impl_->thread.joinable()) {
            if (isCurrent())
                impl_->thread.detach();
            else
                impl_->thread.join();
        }
    });
}

boost::asio::io_context& ioContext(IOThread& thread) { return thread.impl().context; }

}  // namespace fnd
