#pragma once
// A local HTTP server for tests of everything that talks to an outside service: it listens on
// 127.0.0.1 on a free port, on a thread of its own, answers each path with a canned reply or a
// handler's reply (optionally late, cut short or without a length), answers 404 elsewhere, and
// records every request with its header fields and body.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/HTTPHeaders.h"

namespace testing_support {

class HTTPTestServer {
  public:
    struct Request {
        std::string method;
        std::string target;  // path and query, as sent
        std::string path;
        std::string query;
        fnd::HTTPHeaders headers;
        std::string body;
    };

    struct Reply {
        int status = 200;
        fnd::HTTPHeaders headers;
        std::string body;
        double delay = 0;                     // real seconds before the reply starts
        bool chunked = false;                 // sent without a length
        std::optional<std::size_t> cutAfter;  // connection closed after this many body bytes

        static Reply text(std::string body, std::string contentType = "text/html; charset=utf-8",
                          int status = 200);
        static Reply redirect(std::string location, int status = 302);
    };
    // Runs on the server's thread.
    using Handler = std::function<Reply(const Request&)>;

    HTTPTestServer();
    ~HTTPTestServer();
    HTTPTestServer(const HTTPTestServer&) = delete;
    HTTPTestServer& operator=(const HTTPTestServer&) = delete;

    std::uint16_t port() const { return port_; }
    // "http://127.0.0.1:<port>" followed by `pathAndQuery`.
    std::string url(std::string_view pathAndQuery = "/") const;

    // Answers requests for `path` (without the query), any method. A later route replaces one.
    void route(std::string path, Reply reply);
    void route(std::string path, Handler handler);

    std::vector<Request> requests() const;
    std::size_t requestCount() const;

    // Closes the listener and every connection; later requests are refused.
    void stop();

    // A port on 127.0.0.1 where nothing listens.
    static std::uint16_t unusedPort();

    struct Impl;

  private:
    std::shared_ptr<Impl> impl_;
    std::uint16_t port_ = 0;
};

}  // namespace testing_support
