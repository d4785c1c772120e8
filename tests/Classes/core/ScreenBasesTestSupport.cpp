#include "tests/Classes/core/ScreenBasesTestSupport.h"

#include "Classes/core/SplashVC.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/Thread.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Device.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/Window.h"

namespace core_test {

void TestHome::toolDone(const fnd::Notification& notification) {
    proceedDoneNotification(&notification, notification.objectAs<CommonViewController>());
}

std::filesystem::path HeldRepository::dataFilePath() { return fnd::Paths::documents() / "HeldRepository"; }

void HeldRepository::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    // Only a save on its own thread is held; the main thread's encoding goes on.
    if (!fnd::Thread::isMainThread()) {
        std::unique_lock lock(mutex_);
        waiting_ = held_;
        released_.wait(lock, [this] { return !held_; });
        waiting_ = false;
    }
    coder.encodeString("knote", note);
}

void HeldRepository::hold() {
    std::lock_guard lock(mutex_);
    held_ = true;
}

void HeldRepository::release() {
    {
        std::lock_guard lock(mutex_);
        held_ = false;
    }
    released_.notify_all();
}

void addSampleSubviews(ui::View& view) {
    auto button = ui::make<ui::Button>(ui::Rect(10, 60, 100, 100));
    button->setTag(1);
    auto label = ui::make<ui::Label>(ui::Rect(10, 170, 300, 30));
    label->setTag(2);
    auto bar = ui::make<ui::View>(ui::Rect(10, 210, 200, 20));
    bar->setTag(3);
    auto container = ui::make<ui::View>(ui::Rect(10, 240, 100, 50));
    container->setTag(CommonViewController::kContainerTag);
    for (int i = 0; i < 2; ++i) {
        auto inner = ui::make<ui::View>(ui::Rect(i * 50, 0, 40, 40));
        inner->setTag(11 + i);
        container->addSubview(inner);
    }
    auto still = ui::make<ui::View>(ui::Rect(10, 300, 40, 40));
    still->setTag(CommonViewController::kStillTag);
    for (const auto& v :
         {std::shared_ptr<ui::View>(button), std::shared_ptr<ui::View>(label), bar, container, still})
        view.addSubview(v);
}

void SampleScreen::loadView() {
    setView(ui::make<ui::View>(ui::Rect(0, 0, 320, 460)));
    addSampleSubviews(*view());
}

void SampleScreen::animation() {
    if (auto homeView = CommonViewController::homeView()) homeView->addSubview(view());
    viewAppear(*view(), true);
}

void SampleScreen::outAnimation() { viewDisappear(*view(), true); }

void SampleTool::init(std::shared_ptr<MSubRepository> repository) {
    initWithNibName({});
    setRep(std::move(repository));
    animation();
}

void SampleTool::loadView() {
    setView(ui::make<ui::View>(ui::Rect(0, 0, 320, 460)));
    auto toolbar = ui::make<ui::Toolbar>(ui::Rect(0, 0, 320, 44));
    toolbar->setTag(4);
    view()->addSubview(toolbar);
    setToolB(toolbar);
    addSampleSubviews(*view());
}

namespace {

// The product's delegate without its loading thread, whose home screen the test supplies.
class HostDelegate : public TovridaAppDelegate {
  public:
    void setHome(std::shared_ptr<ui::ViewController> screen) { homeScreen_ = std::move(screen); }

  protected:
    void startLoading() override {}
};

}  // namespace

void ScreenBasesTest::SetUp() {
    CoreTestEnvironment::SetUp();
    fnd::ClassRegistry::shared().registerClass<HeldRepository>("CoreTestHeldRepository");
    fnd::NotificationCenter::defaultCenter().addObserver(this, std::nullopt, nullptr,
                                                         [this](const fnd::Notification& n) {
                                                             if (fnd::Thread::isMainThread())
                                                                 posted.emplace_back(n.name, n.objectId);
                                                         });
    installHome(ui::Idiom::Phone);
}

void ScreenBasesTest::TearDown() {
    fnd::NotificationCenter::defaultCenter().removeObserver(this);
    ui::EditMenu::shared().reset();
    ui::Pasteboard::general().setString(std::nullopt);
    home.reset();
    CoreTestEnvironment::TearDown();
}

void ScreenBasesTest::installHome(ui::Idiom idiom) {
    auto hostDelegate = std::make_shared<HostDelegate>();
    delegate = hostDelegate;
    ui::Device::current().reset(idiom);
    ui::Application& app = ui::Application::shared();
    app.reset();
    app.launch(hostDelegate);
    if (hostDelegate->splashVC()) hostDelegate->splashVC()->view()->removeFromSuperview();
    hostDelegate->setColorScheme(TovridaAppDelegate::kMainHue);
    hostDelegate->setLaunchDate(fnd::Date::now());

    home = ui::make<TestHome>();
    hostDelegate->setHome(home);
    delegate->window()->setRootViewController(home);
}

void ScreenBasesTest::openTool(const std::shared_ptr<ToolViewController>& tool) {
    home->registerMainChildDoneHandler(&TestHome::toolDone,
                                       std::string(ToolViewController::kToolDoneNotification), tool);
}

std::vector<std::string> ScreenBasesTest::postedBy(const void* object) const {
    std::vector<std::string> names;
    for (const auto& [name, id] : posted)
        if (id == object) names.push_back(name);
    return names;
}

}  // namespace core_test
