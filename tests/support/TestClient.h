#pragma once
// A small blocking HTTP and WebSocket client for the display server's tests. Every read gives up
// after a few seconds, so a server that stays silent fails the test instead of hanging it.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace display_test {

using Headers = std::vector<std::pair<std::string, std::string>>;

struct HttpReply {
    int status = 0;
    std::string body;
    std::map<std::string, std::string> headers;  // names in lower case
};

// One request on a fresh connection. The target is sent exactly as given; "Host" defaults to
// 127.0.0.1 with the port.
HttpReply httpRequest(unsigned short port, const std::string& target, const Headers& headers = {},
                      const std::string& method = "GET");

// The status with which the server answers a WebSocket upgrade request (101 when it accepts).
int upgradeStatus(unsigned short port, const std::string& target, Headers headers);

// One connection on which requests go one after another, each asking that it be kept open, as a
// browser's do.
class HttpConnection {
  public:
    explicit HttpConnection(unsigned short port);
    ~HttpConnection();

    // A request on this connection; nothing when the server has closed it instead of answering.
    std::optional<HttpReply> request(const std::string& target, const Headers& headers = {});
    // Whether the server closes the connection (waits a few seconds for that at most).
    bool closedByServer();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    unsigned short port_;
};

class WebSocketClient {
  public:
    WebSocketClient();
    ~WebSocketClient();

    // Opens a WebSocket at the target. False when the server refuses the handshake.
    bool connect(unsigned short port, const std::string& target, const Headers& headers);

    void send(const std::string& text);
    // The next text message; nothing once the connection has closed (closeCode() tells why).
    std::optional<std::string> read();
    int closeCode() const { return closeCode_; }
    void close();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int closeCode_ = 0;
};

}  // namespace display_test
