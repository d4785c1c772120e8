#pragma once
// A browser tab's WebSocket: text messages both ways, one write at a time from a queue, and the
// close that tells a tab another one has taken over.

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace display {

class ServerCore;

class WebSocketSession {
  public:
    // The upgrade request as the HTTP session read it.
    struct Upgrade {
        std::string target;
        std::vector<std::pair<std::string, std::string>> fields;
    };

    // Completes the handshake on an accepted socket (its descriptor). I/O thread.
    static void start(int socket, Upgrade request, std::shared_ptr<ServerCore> core);

    // A message from the page may carry a web view's document or a script's answer.
    static constexpr std::size_t kMessageLimit = 16 * 1024 * 1024;
    // A tab that reads nothing while the program keeps sending is dropped; on reconnecting, it
    // gets the whole tree again.
    static constexpr std::size_t kQueueLimit = 4 * 1024 * 1024;
    // The close code and the message a tab gets when another tab takes over.
    static constexpr unsigned short kMovedCloseCode = 4001;
    static constexpr const char* kMovedMessage = "{\"type\":\"moved\"}";

  private:
    struct Session;
};

}  // namespace display
