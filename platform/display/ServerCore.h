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

// Any local process may open connections, token or not. Those that have not shown a credential
// yet (the token, or the address of a served document or folder) are capped, each must send its
// request within the timeout, and each is closed after its answer, so that strangers' connections
// cannot use up the process's descriptors (and with them the saving of the user's data).
//
// A connection cannot be told from a stranger's before its request, and the tab's send theirs at
// once. So at the cap a new connection is never refused: once the oldest one without a credential
// has had the grace to send its request, it is closed to make room; until then the new ones wait
// in the kernel's queue, in the order they came. Strangers thus wait, and the tab's connections,
// in that queue behind them, come in each with its grace.
struct ConnectionLimits {
    std::size_t connections = 64;
    std::chrono::milliseconds requestTimeout{5000};
    std::chrono::milliseconds grace{250};
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

    // How long to wait before accepting another connection: zero when one without a credential
    // has room (at the cap, once the oldest has had its grace), else the time until it has. While
    // waiting, `onRoom` is called (once) when a connection without a credential shows one or closes.
    std::chrono::steady_clock::duration waitForRoom(std::function<void()> onRoom);
    // Registers an open connection; answers its number, or 0 when the server is shut down (the
    // connection then closes itself). One that has not shown a credential yet (not `proven`)
    // counts against the cap; at the cap, the oldest of those is closed to make room.
    std::uint64_t track(std::weak_ptr<Connection> connection, bool proven = false);
    // Connection `id` has shown a credential: it no longer counts against the cap.
    void proven(std::uint64_t id);
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
    void roomMade();

    fnd::IOThread& io_;
    AccessPolicy policy_;
    std::shared_ptr<ServedFiles> files_;
    EventSink sink_;
    bool shutDown_ = false;
    std::uint64_t nextId_ = 1;
    Limits limits_;
    std::map<std::uint64_t, std::weak_ptr<Connection>> connections_;
    // The connections that have not shown a credential yet, oldest (lowest number) first, with
    // the time each was opened.
    std::map<std::uint64_t, std::chrono::steady_clock::time_point> unproven_;
    std::function<void()> onRoom_;
    std::shared_ptr<Tab> active_;
    std::uint64_t activeNumber_ = 0;
};

}  // namespace display
