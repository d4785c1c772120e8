#pragma once
// The state that the display server's connections share: who may connect, what is served, the
// open connections and the one active tab. Everything but the constructor and the accessors runs
// on the I/O thread.
//
// Tabs are numbered as they connect. Events carry the number, and so do the messages the main
// thread sends, so that neither side mixes up a tab that has just taken over with the one before
// (a patch meant for the old tab must not reach the new one before its whole tree).

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

    ServerCore(fnd::IOThread& io, AccessPolicy policy, std::shared_ptr<ServedFiles> files, EventSink sink);

    fnd::IOThread& ioThread() const { return io_; }
    const AccessPolicy& policy() const { return policy_; }
    ServedFiles& files() const { return *files_; }

    // Registers an open connection; answers its number, or 0 when the server is shut down (the
    // connection then closes itself).
    std::uint64_t track(std::weak_ptr<Connection> connection);
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
    std::map<std::uint64_t, std::weak_ptr<Connection>> connections_;
    std::shared_ptr<Tab> active_;
    std::uint64_t activeNumber_ = 0;
};

}  // namespace display
