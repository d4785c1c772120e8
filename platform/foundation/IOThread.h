#pragma once
// The network's own thread: the display's server and URL loading run their event loops here
// and post results into the main run loop. Code that needs the event loop itself includes
// IOContext.h (heavy); everyone else uses this plain interface.

#include <functional>
#include <memory>

namespace fnd {

class IOThread {
  public:
    // The process's I/O thread, started on first use.
    static IOThread& shared();

    IOThread();
    ~IOThread();
    IOThread(const IOThread&) = delete;
    IOThread& operator=(const IOThread&) = delete;

    void post(std::function<void()> task);
    bool isCurrent() const;
    // Stops the event loop and joins the thread; pending work is dropped.
    void stop();

    struct Impl;
    Impl& impl() { return *impl_; }

  private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace fnd
