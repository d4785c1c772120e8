#include "platform/ui/HeadlessWebEngine.h"

#include "platform/foundation/RunLoop.h"

namespace ui {

void HeadlessWebEngine::showDocument(const WebDocument& document) {
    documents_.push_back(document);
    pending_ = document.serial;
    std::weak_ptr<int> alive = alive_;
    std::uint64_t serial = document.serial;
    fnd::RunLoop::main().post([this, alive, serial] {
        if (alive.expired() || pending_ != serial) return;
        pending_ = 0;
        if (auto c = client()) c->documentDidLoad(serial);
    });
}

std::string HeadlessWebEngine::evaluate(const std::string& script, double) {
    scripts_.push_back(script);
    return {};
}

}  // namespace ui
