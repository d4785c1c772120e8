#include "platform/ui/Make.h"

#include "platform/foundation/RunLoop.h"

namespace ui::detail {

void destroyOnMainThread(void* object, void (*destroy)(void*)) {
    // Without a main loop (the program has ended) there is nothing to hand it to.
    std::shared_ptr<fnd::RunLoop> main = fnd::RunLoop::installedMain();
    if (!main || main->isCurrent()) {
        destroy(object);
        return;
    }
    main->post([object, destroy] { destroy(object); });
}

}  // namespace ui::detail
