#include "Classes/core/TipVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/MTip.h"
#include "Classes/core/MTips.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Animation.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace {

// On the phone the band's centre lies here while it shows, and here while it is folded at the
// bottom edge.
constexpr ui::Point kPhoneShown{160, 439};
constexpr ui::Point kPhoneFolded{160, 460};

}  // namespace

const ui::ConnectionTable& TipVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("TipVC", &CommonViewController::classConnections())
            .outlet("textLbl", &TipVC::textLbl_)
            .action("doneClicked:", &TipVC::doneClicked);
    return table;
}

void TipVC::animateBand(const char* name, ui::AnimationCurve curve, const std::function<void()>& changes) {
    ui::Animation::begin(name);
    ui::Animation::setDuration(kTipAnimationDuration);
    ui::Animation::setCurve(curve);
    changes();
    ui::Animation::commit();
}

void TipVC::init(std::shared_ptr<MTip> tip) {
    tip_ = std::move(tip);
    initWithNibName(nibIdentifier());
    placeOnHomeScreen(ui::FlexibleLeftMargin | ui::FlexibleRightMargin | ui::FlexibleTopMargin);
    animation();
    showText();
}

void TipVC::placeOnHomeScreen(unsigned autoresizing) {
    view()->setAutoresizingMask(autoresizing);
    if (auto home = homeView()) home->addSubview(view());
}

void TipVC::showText() {
    if (textLbl_ && tip_) textLbl_->setText(tip_->text());
    if (tip_) tip_->shown();
}

void TipVC::animation() {
    auto band = view();
    band->setCenter(kPhoneFolded);
    band->setTransform(ui::AffineTransform::scale(1, kFolded));
    animateBand("TipIn", ui::AnimationCurve::EaseOut, [&] {
        band->setCenter(kPhoneShown);
        band->setTransform(ui::AffineTransform::identity());
    });
}

void TipVC::outAnimation() {
    auto band = view();
    animateBand("TipOut", ui::AnimationCurve::EaseIn, [&] {
        band->setCenter(kPhoneFolded);
        band->setTransform(ui::AffineTransform::scale(1, kFolded));
    });
}

void TipVC::touchesBegan(const ui::Touches&) {
    auto rep = AbstractAppDelegate::sharedRep();
    std::shared_ptr<MTip> next = rep && rep->tipSet() ? rep->tipSet()->randomTip() : nullptr;
    if (!next) {
        doneClicked(nullptr);
        return;
    }
    tip_ = std::move(next);
    showText();
}

void TipVC::doneClicked(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kTipTouchedNotification, sharedAs<TipVC>());
}
