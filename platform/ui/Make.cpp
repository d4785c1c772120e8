#include "platform/ui/Make.h"

#include "platform/foundation/RunLoop.h"

namespace ui::detail {

void destroyOnMainThread(void* object, void (*destroy)(void*)) {
    std::shared_ptr<fnd::RunLoop> main = fnd::RunLoop::mainShared();
    if (main->isCurrent()) {
        destroy(object);
        return;
    }
    main->post([object, destroy] { destroy(object); });
}

}  // namespace ui::detail
