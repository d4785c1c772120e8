#pragma once
// The change log: what became different in a view tree during a run-loop turn, as one message at
// the end of the turn. A listener (the display) gets the whole tree once and then the patches;
// the message format is described in CHANGELOG_SCHEMA.md beside this file.
//
// One log is active at a time: the latest made. Views note their changes with it; it passes on
// only what is in its root's tree when the turn ends.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/PrimitiveKind.h"
#include "platform/ui/PrimitiveValue.h"

namespace ui {

class View;

class ChangeLog {
  public:
    using Listener = std::function<void(const std::string& message)>;

    // Logs the tree under `root`, sending at the end of every turn of the main run loop.
    explicit ChangeLog(std::shared_ptr<View> root);
    ~ChangeLog();
    ChangeLog(const ChangeLog&) = delete;
    ChangeLog& operator=(const ChangeLog&) = delete;

    static ChangeLog* active();

    const std::shared_ptr<View>& root() const { return root_; }
    // A new root: the next message is the whole tree.
    void setRoot(std::shared_ptr<View> root);

    int addListener(Listener listener);
    void removeListener(int id);

    // Sends the changes since the last message now, as the end of the turn does. Answers whether
    // there were any.
    bool flush();
    // The whole tree as one message, for a listener that starts now. The changes before it are
    // sent to the present listeners first, so that the snapshot and the patches after it fit.
    std::string snapshot();

    // Number of messages made so far (their "seq" runs from 1).
    std::uint64_t messageCount() const { return seq_; }

    // A view's change; views call it themselves.
    static void noteChange(View& view);

  private:
    struct Sent {
        std::weak_ptr<View> view;
        PrimitiveKind kind = PrimitiveKind::Box;
        PrimitiveProperties properties;
        std::vector<std::uint64_t> children;
    };
    struct Patch;

    bool inTree(const View& view) const;
    void deliver(const std::string& message);
    std::string treeMessage();
    void create(View& view, Patch& patch);
    void update(View& view, Sent& sent, Patch& patch);
    void remove(std::uint64_t id, Patch& patch);
    void settle(View& view);

    std::shared_ptr<View> root_;
    bool rootChanged_ = true;
    std::uint64_t generation_;
    std::uint64_t seq_ = 0;
    std::vector<std::weak_ptr<View>> dirty_;
    std::unordered_map<std::uint64_t, Sent> sent_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 1;
    std::weak_ptr<fnd::RunLoop> loop_;
    fnd::RunLoop::ObserverId observer_ = 0;
};

}  // namespace ui
