#include "tests/Classes/library_store/LibraryHomeTest.h"

#include "Classes/core/MRepository.h"
#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolChooseVC.h"
#include "platform/ui/ModalPanel.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/ScriptedWebEngine.h"

namespace library_test {

void LibraryHomeTest::SetUp() {
    ScreenTestEnvironment::SetUp();
    AbstractAppDelegate::registerClasses();
    testing_support::ScriptedWebEngine::installForNewWebViews();
    start(ui::Idiom::Phone);
}

void LibraryHomeTest::TearDown() {
    ui::ModalPanel::setHost(nullptr);
    if (home) home->close();
    home.reset();
    testing_support::ScriptedWebEngine::reset();
    ScreenTestEnvironment::TearDown();
}

void LibraryHomeTest::start(ui::Idiom idiom) {
    if (home) home->close();
    delegate = std::make_shared<StillDelegate>();
    launch(idiom, delegate);
    application().setOnOpenURL([this](const std::string& address) { opened.push_back(address); });
    ui::ModalPanel::setHost([] { return std::static_pointer_cast<ui::View>(window()); });
    rep = MRepository::makeWithData();
    rep->setDoNotShowTips(true);
    rep->setFeedbackOpenCounter(1);
    home = testing_support::showHomeScreen(*delegate, rep);
}

std::shared_ptr<ToolViewController> LibraryHomeTest::openTool(const std::string& classPrefix) {
    for (const auto& button : home->toolButtons())
        if (button->vcClass().name.starts_with(classPrefix)) home->showToolCommon(button);
    return home->toolVC();
}

}  // namespace library_test
