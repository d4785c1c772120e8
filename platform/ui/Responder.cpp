#include "platform/ui/Responder.h"

#include "platform/foundation/Log.h"

namespace ui {

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
