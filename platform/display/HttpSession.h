#pragma once
// Serves the HTTP requests of one connection: checks the Host header and the token, answers with
// the served files, and hands a WebSocket upgrade from the display's own page to a WebSocket
// session. The connection is kept open after an answer only when its request showed a credential.

#include <memory>

namespace display {

class ServerCore;

class HttpSession {
  public:
    // Takes over an accepted socket (its descriptor). I/O thread.
    static void start(int socket, std::shared_ptr<ServerCore> core);

    // Requests carry no bodies of any size here; anything bigger is refused.
    static constexpr unsigned long kBodyLimit = 1024 * 1024;

  private:
    struct Session;
};

}  // namespace display
