#include "tests/support/BenchPhone.h"

#include <memory>

#include "Classes/core/AbstractAppDelegate.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Device.h"
#include "platform/ui/Window.h"

namespace testing_support {

void setUpBenchPhone() {
    static bool done = false;
    if (done) return;
    done = true;
    fnd::Paths::setResources(ORVA_SOURCE_RESOURCES);
    fnd::RunLoop::setMain(std::make_shared<fnd::RunLoop>(std::make_shared<fnd::ManualClock>()));
    ui::Device::current().reset(ui::Idiom::Phone);
    AbstractAppDelegate::registerClasses();
    ui::Application& application = ui::Application::shared();
    application.launch(std::make_shared<ui::ApplicationDelegate>());
    application.windows().front()->makeKeyAndVisible();
}

}  // namespace testing_support
