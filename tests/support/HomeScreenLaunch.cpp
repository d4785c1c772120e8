#include "tests/support/HomeScreenLaunch.h"

#include "Classes/core/MRepository.h"
#include "Classes/core/SplashVC.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"

namespace testing_support {

std::shared_ptr<ToolChooseVC> showHomeScreen(TovridaAppDelegate& delegate, std::shared_ptr<MRepository> rep) {
    if (delegate.splashVC()) delegate.splashVC()->view()->removeFromSuperview();
    delegate.setRep(std::move(rep));
    delegate.setColorScheme(TovridaAppDelegate::kMainHue);
    delegate.setLaunchDate(fnd::Date::now());
    delegate.setupTools();
    std::shared_ptr<ToolChooseVC> home = delegate.toolChooseVC();
    std::shared_ptr<ui::Window> window = ui::Application::shared().keyWindow();
    window->addSubview(home->view());
    window->setRootViewController(home);
    return home;
}

std::shared_ptr<MRepository> quietRepository() {
    std::shared_ptr<MRepository> rep = MRepository::makeWithData();
    rep->setDoNotShowTips(true);
    rep->setFeedbackOpenCounter(1);
    return rep;
}

}  // namespace testing_support
