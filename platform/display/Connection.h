#pragma once
// One open connection of the display's server, as the server's shared state sees it, so that
// stopping the server can close them all. Used on the I/O thread only.

namespace display {

class Connection {
  public:
    virtual ~Connection() = default;
    // Closes the connection now; its pending operations end with an error.
    virtual void shutDown() = 0;
};

}  // namespace display
