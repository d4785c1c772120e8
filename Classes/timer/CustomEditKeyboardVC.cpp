#include "Classes/timer/CustomEditKeyboardVC.h"

#include "Classes/core/CommonConfirmVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Device.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Window.h"

namespace {

// The phone's keypad centre, below the screen and at rest.
constexpr ui::Point kPhoneStart{160, 580};
constexpr ui::Point kPhoneRest{160, 380};

struct Presets {
    const char* f1;
    const char* f2;
    const char* f1Caption;
    const char* f2Caption;
};

void face(ui::Button* key, const char* image) {
    if (!key) return;
    key->setBackgroundImage(CommonConfirmVC::keyImage(image), ui::StateNormal);
    key->setBackgroundImage(CommonConfirmVC::keyImage(CommonConfirmVC::kPressedKeyImage),
                            ui::StateHighlighted);
}

bool isTablet() { return ui::Device::current().isTablet(); }

}  // namespace

const ui::ConnectionTable& CustomEditKeyboardVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CustomEditKeyboardVC", &CommonViewController::classConnections())
            .outlet("clearBtn", &CustomEditKeyboardVC::clearBtn_)
            .outlet("doneBtn", &CustomEditKeyboardVC::doneBtn_)
            .outlet("F1Btn", &CustomEditKeyboardVC::F1Btn_)
            .outlet("F2Btn", &CustomEditKeyboardVC::F2Btn_)
            .outlet("F1Lbl", &CustomEditKeyboardVC::F1Lbl_)
            .outlet("F2Lbl", &CustomEditKeyboardVC::F2Lbl_)
            .action("keyboardClick:", &CustomEditKeyboardVC::keyboardClick);
    return table;
}

void CustomEditKeyboardVC::init(int keyboardType) {
    initWithNibName(nibIdentifier());
    keyboardType_ = keyboardType;
    keyboardTap_ = ui::Device::current().createSystemSound(kClickSound);
    animation();
}

CustomEditKeyboardVC::~CustomEditKeyboardVC() {
    if (keyboardTap_) ui::Device::current().disposeSystemSound(keyboardTap_);
}

void CustomEditKeyboardVC::viewDidLoad() {
    CommonViewController::viewDidLoad();
    face(clearBtn_.get(), CommonConfirmVC::kCancelKeyImage);
    face(F1Btn_.get(), CommonConfirmVC::kCancelKeyImage);
    face(F2Btn_.get(), CommonConfirmVC::kCancelKeyImage);
    face(doneBtn_.get(), CommonConfirmVC::kConfirmKeyImage);
    static constexpr Presets kNumbers{"10", "20", "", ""};
    static constexpr Presets kTimes{"2:01", "1:49", "Quant", "Verbal"};
    const Presets* presets = keyboardType_ == kNumbersKind ? &kNumbers
                             : keyboardType_ == kTimesKind ? &kTimes
                                                           : nullptr;
    if (!presets) return;
    if (F1Btn_) F1Btn_->setTitle(presets->f1, ui::StateNormal);
    if (F2Btn_) F2Btn_->setTitle(presets->f2, ui::StateNormal);
    if (F1Lbl_) F1Lbl_->setText(presets->f1Caption);
    if (F2Lbl_) F2Lbl_->setText(presets->f2Caption);
}

void CustomEditKeyboardVC::keyboardClick(const Sender& sender) {
    auto key = std::dynamic_pointer_cast<ui::Button>(sender);
    if (!key) return;
    if (keyboardTap_) ui::Device::current().playSystemSound(keyboardTap_);
    lastString_ = key->titleForState(ui::StateNormal);
    fnd::NotificationCenter::defaultCenter().post(kKeyNotification, sharedAs<fnd::Object>());
}

ui::Point CustomEditKeyboardVC::startPoint() const {
    if (!isTablet()) return kPhoneStart;
    auto home = homeView();
    ui::Size size = home ? home->bounds().size : ui::Size{};
    return {size.width / 2, size.height + kBandHeight / 2};
}

ui::Point CustomEditKeyboardVC::restPoint() const {
    if (!isTablet()) return kPhoneRest;
    auto home = homeView();
    ui::Size size = home ? home->bounds().size : ui::Size{};
    return {size.width / 2, size.height - kBandHeight / 2};
}

void CustomEditKeyboardVC::slideTo(ui::Point centre, bool in) {
    ui::Animation::begin();
    ui::Animation::setDuration(animationDuration());
    ui::Animation::setCurve(in ? ui::AnimationCurve::EaseOut : ui::AnimationCurve::EaseIn);
    view()->setCenter(centre);
    ui::Animation::commit();
}

void CustomEditKeyboardVC::animation() {
    std::shared_ptr<ui::View> keypad = view();
    if (isTablet()) {
        if (auto home = homeView()) {
            home->addSubview(keypad);
            keypad->setFrame({0, 0, home->bounds().size.width, kBandHeight});
        }
    } else if (auto window = ui::Application::shared().keyWindow()) {
        window->addSubview(keypad);
    }
    keypad->setCenter(startPoint());
    slideTo(restPoint(), true);
}

void CustomEditKeyboardVC::outAnimation() {
    if (isViewLoaded()) slideTo(startPoint(), false);
}
