#pragma once
// Runs libcurl transfers on the I/O thread: the sockets and timers of every transfer are watched by
// that thread's event loop, so any number of loads share the one thread. Used by URLSession; the
// handles are libcurl's, passed as plain pointers so that this header needs none of libcurl.

#include <cstddef>
#include <functional>
#include <memory>

namespace fnd {

class IOThread;

class CurlMulti {
  public:
    // libcurl's result code for the transfer; called on the I/O thread.
    using Done = std::function<void(int result)>;

    // Runs on IOThread::shared() and lives as long as the process.
    static CurlMulti& shared();

    IOThread& thread() const { return thread_; }

    // I/O thread only. Starts an easy handle. When nothing moves for `idleTimeout` seconds, the
    // transfer ends as timed out. `done` is called once, unless the transfer is removed first.
    void add(void* easy, double idleTimeout, Done done);
    // I/O thread only. Stops a transfer without calling its `done`; the caller then frees the handle.
    void remove(void* easy);
    std::size_t activeCount() const;

  private:
    explicit CurlMulti(IOThread& thread);
    ~CurlMulti();

    struct Impl;
    IOThread& thread_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace fnd
