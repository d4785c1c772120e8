#include "tests/support/ScreenTestEnvironment.h"

#include "platform/ui/Accelerometer.h"

namespace testing_support {

void ScreenTestEnvironment::SetUp() {
    TestEnvironment::SetUp();
    launch(ui::Idiom::Phone);
}

void ScreenTestEnvironment::TearDown() {
    ui::Application::shared().reset();
    ui::Accelerometer::shared().setDelegate({});
    ui::Device::current().reset();
    TestEnvironment::TearDown();
}

void ScreenTestEnvironment::launch(ui::Idiom idiom, std::shared_ptr<ui::ApplicationDelegate> delegate) {
    ui::Application& app = ui::Application::shared();
    app.reset();
    ui::Device::current().reset(idiom);
    ui::Accelerometer::shared().setDelegate({});
    app.launch(delegate ? std::move(delegate) : std::make_shared<ui::ApplicationDelegate>());
    app.windows().front()->makeKeyAndVisible();
}

}  // namespace testing_support
