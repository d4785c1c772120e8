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

namespace {

// The product's delegate without its loading thread.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

}  // namespace

void CoreTestEnvironment::launchAndLoad(ui::Idiom idiom) {
    relaunch(idiom, {}, true);
    ASSERT_TRUE(runUntil([this] { return delegate->homeScreen() != nullptr; }));
}

void CoreTestEnvironment::relaunch(ui::Idiom idiom, const std::string& model, bool loading) {
    delegate = loading ? std::make_shared<TovridaAppDelegate>() : std::make_shared<StillDelegate>();
    // The model string is the device's before the delegate hears of the launch.
    ui::Device::current().reset(idiom);
    if (!model.empty()) ui::Device::current().setModel(model);
    ui::Application& app = ui::Application::shared();
    app.reset();
    app.launch(delegate);
}

}  // namespace core_test
