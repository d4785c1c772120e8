#include "Classes/core/CommonConfirmVC.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Device.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace {

// The view the panel is laid over: the home screen's on the tablet, the window on the phone.
std::shared_ptr<ui::View> hostView() {
    if (ui::Device::current().isTablet()) return CommonViewController::homeView();
    return ui::Application::shared().keyWindow();
}

}  // namespace

std::shared_ptr<const ui::Image> CommonConfirmVC::keyImage(const char* name) {
    std::shared_ptr<const ui::Image> image = ui::Image::named(name);
    return image ? image->stretchable(kKeyCap, kKeyCap) : nullptr;
}

const ui::ConnectionTable& CommonConfirmVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CommonConfirmVC", &CommonViewController::classConnections())
            .outlet("confirmBtn", &CommonConfirmVC::confirmBtn_)
            .outlet("cancelBtn", &CommonConfirmVC::cancelBtn_)
            .outlet("textLbl", &CommonConfirmVC::textLbl_)
            .action("keyboardClick:", &CommonConfirmVC::keyboardClick);
    return table;
}

std::string CommonConfirmVC::nibIdentifier() const { return nibNameForDevice("CommonConfirmView"); }

void CommonConfirmVC::init(const std::string& text) {
    initWithNibName(nibIdentifier());
    text_ = text;
    animation();
}

void CommonConfirmVC::viewDidLoad() {
    CommonViewController::viewDidLoad();
    if (cancelBtn_) {
        cancelBtn_->setBackgroundImage(keyImage(kCancelKeyImage), ui::StateNormal);
        cancelBtn_->setBackgroundImage(keyImage(kPressedKeyImage), ui::StateHighlighted);
    }
    if (confirmBtn_) {
        confirmBtn_->setBackgroundImage(keyImage(kConfirmKeyImage), ui::StateNormal);
        confirmBtn_->setBackgroundImage(keyImage(kPressedKeyImage), ui::StateHighlighted);
    }
    if (textLbl_) textLbl_->setText(text_);
}

void CommonConfirmVC::keyboardClick(const Sender& sender) {
    auto key = std::dynamic_pointer_cast<ui::View>(sender);
    if (!key) return;
    const char* name = key->tag() == kCancelTag    ? kCancelNotification
                       : key->tag() == kConfirmTag ? kConfirmNotification
                                                   : nullptr;
    if (name) fnd::NotificationCenter::defaultCenter().post(name, sharedAs<fnd::Object>());
}

ui::Point CommonConfirmVC::startPoint() const {
    std::shared_ptr<ui::View> host = hostView();
    ui::Size size = host ? host->bounds().size : ui::Size{};
    return {size.width / 2, size.height + kHalfHeight};
}

ui::Point CommonConfirmVC::restPoint() const {
    std::shared_ptr<ui::View> host = hostView();
    ui::Size size = host ? host->bounds().size : ui::Size{};
    return {size.width / 2, size.height - kHalfHeight};
}

void CommonConfirmVC::slideTo(ui::Point centre, bool in) {
    ui::Animation::begin();
    ui::Animation::setDuration(animationDuration());
    ui::Animation::setCurve(in ? ui::AnimationCurve::EaseOut : ui::AnimationCurve::EaseIn);
    view()->setCenter(centre);
    ui::Animation::commit();
}

void CommonConfirmVC::animation() {
    std::shared_ptr<ui::View> panel = view();
    if (std::shared_ptr<ui::View> host = hostView()) host->addSubview(panel);
    panel->setCenter(startPoint());
    slideTo(restPoint(), true);
}

void CommonConfirmVC::outAnimation() {
    if (isViewLoaded()) slideTo(startPoint(), false);
}
