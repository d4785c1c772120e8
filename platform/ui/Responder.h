#pragma once
// An object that touches, actions and motions can reach. What a responder does not handle it passes
// to its next responder: a view's is its controller when it has one, else its superview; a
// controller's is its view's superview.
//
// One responder at a time is the first responder: the one that takes typed text (an input being
// edited) and the device's motions. A responder that takes typed text shows the keyboard while it is
// first responder (see Keyboard).
//
// Actions go by name. A responder's class declares the actions it performs in its connection table
// (see ConnectionTable); controls call them on their targets, the edit menu on the responder chain.

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/ui/ConnectionTable.h"

namespace ui {

class Touch;
using Touches = std::vector<std::shared_ptr<Touch>>;

enum class Motion { Shake };

class Responder : public fnd::Object {
  public:
    using Sender = ConnectionTable::Sender;

    virtual std::shared_ptr<Responder> nextResponder() const { return nullptr; }

    // By default each passes the touches on to the next responder.
    virtual void touchesBegan(const Touches& touches);
    virtual void touchesMoved(const Touches& touches);
    virtual void touchesEnded(const Touches& touches);
    virtual void touchesCancelled(const Touches& touches);
    // A motion of the device (a shake) after it ended; passed on by default.
    virtual void motionEnded(Motion motion);

    // The first responder, or null.
    static std::shared_ptr<Responder> firstResponder();
    bool isFirstResponder() const;
    // By default a responder cannot become first responder, and lets go whenever asked.
    virtual bool canBecomeFirstResponder() { return false; }
    virtual bool canResignFirstResponder() { return true; }
    // Becomes first responder when it can and the present one lets go. Answers whether it is now.
    virtual bool becomeFirstResponder();
    // Lets go when it may. Answers false only when it is first responder and stays.
    virtual bool resignFirstResponder();
    // Lets go without asking (its view left the screen, the application started again).
    void relinquishFirstResponder();
    // Whether typed text goes to it: the keyboard shows while such a responder is first.
    virtual bool takesTypedText() const { return false; }

    // The outlets and actions of the responder's class; a class with its own overrides both.
    static const ConnectionTable& classConnections();
    virtual const ConnectionTable& connections() const { return classConnections(); }

    // Whether the responder's class declares the action.
    bool respondsToAction(const std::string& action) const;
    // Whether the responder can perform the action now, as the edit menu asks before offering an
    // item. By default: when its class declares the action, else as its next responder answers.
    // An override that answers without asking further ends the question there.
    virtual bool canPerformAction(const std::string& action, const Sender& sender);
    // Performs a declared action; answers false (and logs) when the class declares none of that name.
    bool performAction(const std::string& action, const Sender& sender);
    // This responder or the first one after it whose class declares the action; null when none does.
    std::shared_ptr<Responder> targetForAction(const std::string& action);

  protected:
    // Told after it became or stopped being first responder.
    virtual void didBecomeFirstResponder() {}
    virtual void didResignFirstResponder() {}
};

}  // namespace ui
