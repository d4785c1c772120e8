#pragma once
// A browser tab's WebSocket, as the server's shared state sees it. Used on the I/O thread only.

#include <memory>
#include <string>

#include "platform/display/Connection.h"

namespace display {

class Tab : public Connection {
  public:
    // Queues a text message.
    virtual void send(std::shared_ptr<const std::string> text) = 0;
    // Another tab took over: tells the page so, then closes once the queue has gone out.
    virtual void moveAway() = 0;
};

}  // namespace display
