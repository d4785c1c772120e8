#pragma once
// A small HTTP server on 127.0.0.1 for a service the program runs itself (a stand-in for an outside
// service whose address is not configured). It answers GET and HEAD on a thread of its own, one
// request at a time, through a handler that runs on that thread; other methods get 405, request
// bodies are not taken, and a Host other than the loopback address at its port gets 403 (a page
// elsewhere cannot reach it by renaming its host).

#include <functional>
#include <memory>
#include <string>

namespace fnd {

class LocalHTTPServer {
  public:
    struct Request {
        std::string path;   // as sent, still escaped
        std::string query;  // after "?", still escaped; empty without one
    };
    struct Reply {
        int status = 200;
        std::string contentType = "text/html; charset=utf-8";
        std::string body;
    };
    using Handler = std::function<Reply(const Request&)>;

    explicit LocalHTTPServer(Handler handler);
    ~LocalHTTPServer();
    LocalHTTPServer(const LocalHTTPServer&) = delete;
    LocalHTTPServer& operator=(const LocalHTTPServer&) = delete;

    // Listens on a free port; false, with the reason in `error`, when it cannot.
    bool start(std::string* error = nullptr);
    // Closes the listener and every connection and ends the thread.
    void stop();

    unsigned short port() const { return port_; }
    // "http://127.0.0.1:PORT"; empty before start.
    std::string address() const;

    struct Impl;

  private:
    std::shared_ptr<Impl> impl_;
    unsigned short port_ = 0;
};

}  // namespace fnd
