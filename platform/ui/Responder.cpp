#include "platform/ui/Responder.h"

#include "platform/foundation/Log.h"
#include "platform/ui/Keyboard.h"

namespace ui {

namespace {

std::weak_ptr<Responder>& first() {
    static std::weak_ptr<Responder> responder;
    return responder;
}

// While one responder takes over from another the keyboard is not told of the one letting go, so
// that it stays up from one input to the next.
int handingOver = 0;

void keyboardFollows() {
    std::shared_ptr<Responder> now = Responder::firstResponder();
    Keyboard::shared().firstResponderChanged(now && now->takesTypedText());
}

}  // namespace

void Responder::touchesBegan(const Touches& touches) {
    if (auto next = nextResponder()) next->touchesBegan(touches);
}

void Responder::touchesMoved(const Touches& touches) {
    if (auto next = nextResponder()) next->touchesMoved(touches);
}

void Responder::touchesEnded(const Touches& touches) {
    if (auto next = nextResponder()) next->touchesEnded(touches);
}

void Responder::touchesCancelled(const Touches& touches) {
    if (auto next = nextResponder()) next->touchesCancelled(touches);
}

void Responder::motionEnded(Motion motion) {
    if (auto next = nextResponder()) next->motionEnded(motion);
}

std::shared_ptr<Responder> Responder::firstResponder() { return first().lock(); }

bool Responder::isFirstResponder() const { return first().lock().get() == this; }

bool Responder::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    std::shared_ptr<Responder> self = sharedAs<Responder>();
    if (!self || !canBecomeFirstResponder()) return false;
    bool yielded = true;
    ++handingOver;
    // The present one's letting go may make yet another first (a delegate's doing): that one is
    // asked too, a few times at most.
    for (int i = 0; i < 3 && yielded; ++i) {
        std::shared_ptr<Responder> present = firstResponder();
        if (!present) break;
        yielded = present->resignFirstResponder();
    }
    --handingOver;
    if (!yielded || firstResponder()) {
        keyboardFollows();
        return false;
    }
    first() = self;
    didBecomeFirstResponder();
    keyboardFollows();
    return isFirstResponder();
}

bool Responder::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    if (!canResignFirstResponder()) return false;
    relinquishFirstResponder();
    return true;
}

void Responder::relinquishFirstResponder() {
    if (!isFirstResponder()) return;
    std::shared_ptr<Responder> keep = first().lock();
    first().reset();
    didResignFirstResponder();
    if (handingOver == 0) keyboardFollows();
}

const ConnectionTable& Responder::classConnections() {
    static const ConnectionTable table("Responder");
    return table;
}

bool Responder::respondsToAction(const std::string& action) const {
    return connections().actionNamed(action) != nullptr;
}

bool Responder::canPerformAction(const std::string& action, const Sender& sender) {
    if (respondsToAction(action)) return true;
    auto next = nextResponder();
    return next && next->canPerformAction(action, sender);
}

bool Responder::performAction(const std::string& action, const Sender& sender) {
    const ConnectionTable::Action* entry = connections().actionNamed(action);
    if (!entry) {
        fnd::Log::warning("responder: ", connections().className(), " has no action \"", action, "\"");
        return false;
    }
    std::shared_ptr<Responder> keep = sharedAs<Responder>();  // an action may drop the last reference
    entry->perform(*this, sender);
    return true;
}

std::shared_ptr<Responder> Responder::targetForAction(const std::string& action) {
    for (std::shared_ptr<Responder> r = sharedAs<Responder>(); r; r = r->nextResponder())
        if (r->respondsToAction(action)) return r;
    return nullptr;
}

}  // namespace ui
