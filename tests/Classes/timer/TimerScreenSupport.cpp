#include "tests/Classes/timer/TimerScreenSupport.h"

#include <algorithm>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Device.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/ViewTestSupport.h"

namespace timer_test {
namespace {

// The product's delegate without its loading thread: the test hands it the user's data.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

// The last view in the tree (depth-first) showing the text: the one drawn last, on top.
std::shared_ptr<ui::View> lastWithText(const std::shared_ptr<ui::View>& root, const std::string& text) {
    std::shared_ptr<ui::View> found;
    if (root->isHidden() || root->alpha() == 0) return found;
    if (testing_support::findByText(root, text) == root) found = root;
    for (const auto& child : root->subviews())
        if (auto inner = lastWithText(child, text)) found = inner;
    return found;
}

}  // namespace

void TimerScreenTest::SetUp() {
    ScreenTestEnvironment::SetUp();
    clock->setWallTime(kNoon);
    began_ = clock->now();
    for (const char* name : {TimerV2VC::kTimerStartedTip, TimerV2VC::kXInfoTip})
        fnd::NotificationCenter::defaultCenter().addObserver(
            this, std::string(name), nullptr, [this](const fnd::Notification& n) { tips.push_back(n.name); });
}

void TimerScreenTest::TearDown() {
    fnd::NotificationCenter::defaultCenter().removeObserver(this);
    if (home) home->close();
    home.reset();
    timer.reset();
    ScreenTestEnvironment::TearDown();
}

double TimerScreenTest::elapsed() const { return clock->now() - began_; }

void TimerScreenTest::startHome(ui::Idiom idiom, bool canVibrate) {
    delegate = std::make_shared<StillDelegate>();
    launch(idiom, delegate);
    rep = MRepository::makeWithData();
    rep->setDoNotShowTips(true);
    rep->setFeedbackOpenCounter(1);
    home = testing_support::showHomeScreen(*delegate, rep);
    delegate->setFvibrationAllowed(canVibrate);
    runFor(1);
    vibrations();
}

void TimerScreenTest::openTimer() {
    testing_support::tap(*testing_support::findByOutlet(*home, "timerBtn"));
    ASSERT_TRUE(runUntil([&] { return home->toolVC() != nullptr; }, 5));
    timer = std::dynamic_pointer_cast<TimerV2VC>(home->toolVC());
    ASSERT_TRUE(timer);
    runFor(1);
}

void TimerScreenTest::tap(const std::shared_ptr<ui::View>& view, double settle) {
    ASSERT_TRUE(view);
    testing_support::tap(*view);
    runFor(settle);
}

std::shared_ptr<ui::View> TimerScreenTest::shown(const std::string& text) {
    auto found = lastWithText(ui::Application::shared().screenView(), text);
    EXPECT_TRUE(found) << "nothing shows " << text;
    return found;
}

void TimerScreenTest::answer(const std::string& letter, const std::string& how) {
    tap(testing_support::findByOutlet(*timer, letter + "Btn"), 0.3);
    tapText(how, 0.3);
}

void TimerScreenTest::finish() {
    tapStartFinish();
    tapText("Confirm");
}

int TimerScreenTest::vibrations() {
    auto effects = ui::Device::current().takeEffects();
    return int(std::count(effects.begin(), effects.end(), "vibrate"));
}

}  // namespace timer_test
