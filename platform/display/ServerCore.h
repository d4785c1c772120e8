#pragma once
// The state that the display server's connections share: who may connect, what is served, the
// open connections and the one active tab. Everything but the constructor and the accessors runs
// on the I/O thread.
//
// Tabs are numbered as they connect. Events carry the number, and so do the messages the main
// thread sends, so that neither side mixes up a tab that has just taken over with the one before
// (a patch meant for the old tab must not reach the new one before its whole tree).

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/display/AccessPolicy.h"
#include "platform/display/ServedFiles.h"

namespace fnd {
class IOThread;
}

namespace display {

class Connection;
class Tab;

// Any local process may open connections, token or not. Those that have not shown the token yet
// are capped, and each must send its request within the timeout, so that idle ones cannot use up
// the process's descriptors (and with them the saving of the user's data).
struct ConnectionLimits {
    std::size_t connections = 64;
    std::chrono::milliseconds requestTimeout{5000};
};

class ServerCore {
  public:
    struct TabEvent {
        enum class Kind { Connected, Message, Disconnected };
        Kind kind;
        std::uint64_t tab;
        std::string text;
    };
    // Called on the I/O thread; hands the event over to the main run loop.
    using EventSink = std::function<void(TabEvent)>;

    using Limits = ConnectionLimits;

    ServerCore(fnd::IOThread& io, AccessPolicy policy, std::shared_ptr<ServedFiles> files, EventSink sink,
               Limits limits = {});

    fnd::IOThread& ioThread() const { return io_; }
    const AccessPolicy& policy() const { return policy_; }
    ServedFiles& files() const { return *files_; }
    const Limits& limits() const { return limits_; }

    // Registers an open connection; answers its number, or 0 when the server is shut down or, for
    // a connection that counts against the cap (`capped`), when the cap is reached (the connection
    // then closes itself).
    std::uint64_t track(std::weak_ptr<Connection> connection, bool capped = true);
    void forget(std::uint64_t id);

    // A tab's WebSocket is open: it becomes the active tab, and the one before moves away.
    // Answers the tab's number.
    std::uint64_t attach(std::shared_ptr<Tab> tab);
    // A text message from tab `tab`; only the active tab's reach the main thread.
    void received(std::uint64_t tab, std::string text);
    // Tab `tab` closed; if it was the active one, there is no active tab any more.
    void detached(std::uint64_t tab);
    // A message for tab `tab`: dropped unless that tab is still the active one.
    void deliver(std::uint64_t tab, std::shared_ptr<const std::string> text);

    // Closes every connection; no events follow.
    void shutDown();

  private:
    void emit(TabEvent event);

    fnd::IOThread& io_;
    AccessPolicy policy_;
    std::shared_ptr<ServedFiles> files_;
    EventSink sink_;
    bool shutDown_ = false;
    std::uint64_t nextId_ = 1;
    struct Tracked {
        std::weak_ptr<Connection> connection;
        bool capped = true;
    };

    Limits limits_;
    std::map<std::uint64_t, Tracked> connections_;
    std::size_t capped_ = 0;
    std::shared_ptr<Tab> active_;
    std::uint64_t activeNumber_ = 0;
};

}  // namespace display
