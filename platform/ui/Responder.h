#pragma once
// An object that touches can reach. What a responder does not handle it passes to its next
// responder: a view's is its controller when it has one, else its superview.

#include <memory>
#include <vector>

#include "platform/foundation/Object.h"

namespace ui {

class Touch;
using Touches = std::vector<std::shared_ptr<Touch>>;

class Responder : public fnd::Object {
  public:
    virtual std::shared_ptr<Responder> nextResponder() const { return nullptr; }

    // By default each passes the touches on to the next responder.
    virtual void touchesBegan(const Touches& touches);
    virtual void touchesMoved(const Touches& touches);
    virtual void touchesEnded(const Touches& touches);
    virtual void touchesCancelled(const Touches& touches);
};

}  // namespace ui
