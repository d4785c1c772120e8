#include "tests/Classes/study_aids/StudyAidsScreenTest.h"

#include <filesystem>
#include <fstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/study_aids/MConcepts.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/Paths.h"
#include "platform/location/DeviceLocation.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Label.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/Window.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/ScriptedWebEngine.h"

namespace study_aids_test {

namespace {

// The product's delegate without its loading thread: the test hands it the user's data.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

}  // namespace

void StudyAidsScreenTest::SetUp() {
    ScreenTestEnvironment::SetUp();
    AbstractAppDelegate::registerClasses();
    testing_support::ScriptedWebEngine::installForNewWebViews();
    loc::DeviceLocation::current().reset();
    fnd::Locale::setCurrent(fnd::Locale("en_US"));
    start(ui::Idiom::Phone);
}

void StudyAidsScreenTest::TearDown() {
    ui::AlertView::setHost(nullptr);
    if (home) home->close();
    home.reset();
    testing_support::ScriptedWebEngine::reset();
    loc::DeviceLocation::current().reset();
    application().setOpenableSchemes(ui::Application::knownSchemes());
    ScreenTestEnvironment::TearDown();
}

void StudyAidsScreenTest::start(ui::Idiom idiom, bool phone) {
    if (home) home->close();
    delegate = std::make_shared<StillDelegate>();
    launch(idiom, delegate);
    ui::AlertView::setHost([] { return std::static_pointer_cast<ui::View>(window()); });
    application().setOnOpenURL([this](const std::string& address) { opened.push_back(address); });
    rep = MRepository::makeWithData();
    rep->setDoNotShowTips(true);
    rep->setFeedbackOpenCounter(1);
    courses = std::make_shared<MCourses>();
    rep->setCourseSet(courses);
    rep->setConceptSet(std::make_shared<MConcepts>());
    home = testing_support::showHomeScreen(*delegate, rep);
    delegate->setIsPhone(phone);
}

namespace {

void collectAlerts(const std::shared_ptr<ui::View>& view, std::vector<std::shared_ptr<ui::AlertView>>& out) {
    if (auto alert = std::dynamic_pointer_cast<ui::AlertView>(view)) out.push_back(alert);
    for (const auto& child : view->subviews()) collectAlerts(child, out);
}

std::vector<std::shared_ptr<ui::AlertView>> alerts() {
    std::vector<std::shared_ptr<ui::AlertView>> out;
    collectAlerts(std::static_pointer_cast<ui::View>(ui::Application::shared().keyWindow()), out);
    return out;
}

}  // namespace

void StudyAidsScreenTest::useInfoValues(const std::string& members) {
    auto bundle = temporary / "bundle";
    std::filesystem::create_directories(bundle / "nibs");
    std::filesystem::copy(
        fnd::Bundle::main().resourcePath() / "nibs", bundle / "nibs",
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing);
    std::ofstream(bundle / "Info.json") << "{" << members << "}";
    fnd::Paths::setResources(bundle);
}

std::shared_ptr<ui::AlertView> StudyAidsScreenTest::shownAlert() {
    auto all = alerts();
    return all.empty() ? nullptr : all.back();
}

void StudyAidsScreenTest::dismissAlerts() {
    for (const auto& alert : alerts()) alert->dismiss(0, false);
}

std::vector<std::string> StudyAidsScreenTest::titles(const ui::Toolbar& bar) {
    std::vector<std::string> out;
    for (const auto& item : bar.items())
        if (!item->isSpace()) out.push_back(item->title());
    return out;
}

std::string StudyAidsScreenTest::text(const std::shared_ptr<ui::View>& view) {
    auto label = std::dynamic_pointer_cast<ui::Label>(view);
    return label ? label->text() : "(no label)";
}

}  // namespace study_aids_test
