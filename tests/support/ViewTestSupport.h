#pragma once
// Helpers for tests of views and screens: find views, touch them as a finger would (through
// hit-testing and the responder chain), and print a tree as text for readable assertions.

#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/ui/Point.h"
#include "platform/ui/TouchRouter.h"
#include "platform/ui/View.h"

namespace testing_support {

// The view itself or its first descendant (depth-first) with the tag; null when none.
std::shared_ptr<ui::View> findByTag(const std::shared_ptr<ui::View>& root, int tag);
// The first view (depth-first) whose "text" or "value" property is the text; null when none.
std::shared_ptr<ui::View> findByText(const std::shared_ptr<ui::View>& root, const std::string& text);

// An owner's outlet by name, read through the owner's connection table. A test may install a
// resolver of its own instead. An owner without such an outlet fails the test and answers null.
using OutletResolver =
    std::function<std::shared_ptr<ui::View>(const fnd::Object& owner, const std::string& name)>;
void setOutletResolver(OutletResolver resolver);
std::shared_ptr<ui::View> findByOutlet(const fnd::Object& owner, const std::string& name);

// The root of the view's tree, owned.
std::shared_ptr<ui::View> rootOf(const ui::View& view);
// The view's centre in its root's coordinates, through every transform on the way.
ui::Point centreInRoot(const ui::View& view);

// One finger on a tree, in the root's coordinates.
class Finger {
  public:
    explicit Finger(std::shared_ptr<ui::View> root, int identifier = 1)
        : root_(std::move(root)), router_(root_), id_(identifier) {}
    // Answers the view that took the touch; null when nothing was hit.
    std::shared_ptr<ui::View> down(ui::Point location);
    void moveTo(ui::Point location);
    // Moves from the present location to `location` in `steps` equal moves.
    void moveBy(ui::Point delta, int steps = 1);
    void up();
    void cancel();
    // The wheel or trackpad scrolls by `delta` points with the pointer at `location`.
    void wheel(ui::Point location, ui::Point delta);
    ui::Point location() const { return at_; }

  private:
    std::shared_ptr<ui::View> root_;
    ui::TouchRouter router_;
    int id_;
    ui::Point at_;
};

// A touch down and up at the view's centre; answers the view that took it (an overlay may).
std::shared_ptr<ui::View> tap(const ui::View& view);
// A touch down at the view's centre, moved by `delta` (root coordinates) in `steps` moves, then up.
std::shared_ptr<ui::View> drag(const ui::View& view, ui::Point delta, int steps = 4);

// The tree as indented lines: class, tag, frame, and alpha, hidden, transform and text where they
// are not the defaults. Numbers are printed with up to 4 significant decimals.
std::string dumpTree(const ui::View& view);

}  // namespace testing_support
