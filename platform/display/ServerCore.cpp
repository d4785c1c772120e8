#include "platform/display/ServerCore.h"

#include <utility>
#include <vector>

#include "platform/display/Connection.h"
#include "platform/display/Tab.h"

namespace display {

ServerCore::ServerCore(fnd::IOThread& io, AccessPolicy policy, std::shared_ptr<ServedFiles> files,
                       EventSink sink, Limits limits)
    : io_(io),
      policy_(std::move(policy)),
      files_(std::move(files)),
      sink_(std::move(sink)),
      limits_(limits) {}

std::chrono::steady_clock::duration ServerCore::waitForRoom(std::function<void()> onRoom) {
    onRoom_ = nullptr;
    if (shutDown_ || unproven_.size() < limits_.connections || limits_.connections == 0) return {};
    auto graceEnds = unproven_.begin()->second + limits_.grace;
    auto now = std::chrono::steady_clock::now();
    if (graceEnds <= now) return {};
    onRoom_ = std::move(onRoom);
    return graceEnds - now;
}

std::uint64_t ServerCore::track(std::weak_ptr<Connection> connection, bool proven) {
    if (shutDown_ || (!proven && limits_.connections == 0)) return 0;
    if (!proven && unproven_.size() >= limits_.connections) {
        std::uint64_t oldest = unproven_.begin()->first;
        std::shared_ptr<Connection> evicted = connections_.at(oldest).lock();
        forget(oldest);
        // Its pending read ends with an error on a later turn; forgetting it again does nothing.
        if (evicted) evicted->shutDown();
    }
    std::uint64_t id = nextId_++;
    connections_[id] = std::move(connection);
    if (!proven) unproven_.emplace(id, std::chrono::steady_clock::now());
    return id;
}

void ServerCore::proven(std::uint64_t id) {
    if (unproven_.erase(id) > 0) roomMade();
}

void ServerCore::forget(std::uint64_t id) {
    connections_.erase(id);
    if (unproven_.erase(id) > 0) roomMade();
}

void ServerCore::roomMade() {
    if (auto call = std::exchange(onRoom_, nullptr)) call();
}

std::uint64_t ServerCore::attach(std::shared_ptr<Tab> tab) {
    if (active_) active_->moveAway();
    active_ = std::move(tab);
    activeNumber_ = nextId_++;
    emit({TabEvent::Kind::Connected, activeNumber_, {}});
    return activeNumber_;
}

void ServerCore::received(std::uint64_t tab, std::string text) {
    if (tab == activeNumber_ && tab != 0) emit({TabEvent::Kind::Message, tab, std::move(text)});
}

void ServerCore::detached(std::uint64_t tab) {
    if (tab != activeNumber_ || tab == 0) return;
    active_.reset();
    activeNumber_ = 0;
    emit({TabEvent::Kind::Disconnected, tab, {}});
}

void ServerCore::deliver(std::uint64_t tab, std::shared_ptr<const std::string> text) {
    if (active_ && tab == activeNumber_) active_->send(std::move(text));
}

void ServerCore::shutDown() {
    shutDown_ = true;
    active_.reset();
    activeNumber_ = 0;
    // Closing may end a connection at once, which then forgets itself: close from a copy.
    std::vector<std::shared_ptr<Connection>> open;
    for (auto& [id, tracked] : connections_)
        if (auto connection = tracked.lock()) open.push_back(std::move(connection));
    connections_.clear();
    unproven_.clear();
    onRoom_ = nullptr;
    for (auto& connection : open) connection->shutDown();
}

void ServerCore::emit(TabEvent event) {
    if (!shutDown_ && sink_) sink_(std::move(event));
}

}  // namespace display
