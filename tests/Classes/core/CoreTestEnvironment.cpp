#include "tests/Classes/core/CoreTestEnvironment.h"

#include "platform/foundation/ClassRegistry.h"
#include "platform/ui/Device.h"

namespace core_test {

void registerClasses() {
    fnd::ClassRegistry::shared().registerClass<Note>("CoreTestNote");
    fnd::ClassRegistry::shared().registerClass<Other>("CoreTestOther", {"CoreTestNote", "NSObject"});
}

void CoreTestEnvironment::SetUp() {
    ScreenTestEnvironment::SetUp();
    registerClasses();
    relaunch(ui::Idiom::Phone);
}

void CoreTestEnvironment::relaunch(ui::Idiom idiom, const std::string& model) {
    delegate = std::make_shared<TovridaAppDelegate>();
    // The model string is the device's before the delegate hears of the launch.
    ui::Device::current().reset(idiom);
    if (!model.empty()) ui::Device::current().setModel(model);
    ui::Application& app = ui::Application::shared();
    app.reset();
    app.launch(delegate);
}

}  // namespace core_test
