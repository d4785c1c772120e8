#pragma once
// The display server's listening socket on 127.0.0.1. Each accepted connection gets TCP_NODELAY
// (small messages back to back would otherwise wait for acknowledgements) and is handed to an
// HTTP session.

#include <memory>
#include <string>

namespace fnd {
class IOThread;
}

namespace display {

class ServerCore;

class Listener : public std::enable_shared_from_this<Listener> {
  public:
    // Binds 127.0.0.1 at `port` (0: a free port). Null, with `error` set, when that fails.
    static std::shared_ptr<Listener> open(fnd::IOThread& io, unsigned short port, std::string& error);
    ~Listener();

    unsigned short port() const { return port_; }
    // Starts accepting on the I/O thread. Any thread.
    void start(std::shared_ptr<ServerCore> core);
    // Stops accepting. I/O thread.
    void close();

    struct Impl;
    explicit Listener(std::unique_ptr<Impl> impl, unsigned short port);

  private:
    void accept();

    std::unique_ptr<Impl> impl_;
    unsigned short port_;
};

}  // namespace display
