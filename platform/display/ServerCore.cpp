#include "platform/display/ServerCore.h"

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

std::uint64_t ServerCore::track(std::weak_ptr<Connection> connection, bool capped) {
    if (shutDown_ || (capped && capped_ >= limits_.connections)) return 0;
    std::uint64_t id = nextId_++;
    connections_[id] = Tracked{std::move(connection), capped};
    if (capped) ++capped_;
    return id;
}

void ServerCore::forget(std::uint64_t id) {
    auto found = connections_.find(id);
    if (found == connections_.end()) return;
    if (found->second.capped) --capped_;
    connections_.erase(found);
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
        if (auto connection = tracked.connection.lock()) open.push_back(std::move(connection));
    connections_.clear();
    capped_ = 0;
    for (auto& connection : open) connection->shutDown();
}

void ServerCore::emit(TabEvent event) {
    if (!shutDown_ && sink_) sink_(std::move(event));
}

}  // namespace display
