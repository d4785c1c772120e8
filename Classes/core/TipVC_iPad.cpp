#include "Classes/core/TipVC_iPad.h"

#include "platform/ui/ConnectionTable.h"
#include "platform/ui/View.h"

namespace {

// The band's height and how far its bottom edge is above the home screen's bottom.
constexpr double kTabletBandHeight = 25;
constexpr double kTabletBandLift = 262;

}  // namespace

const ui::ConnectionTable& TipVC_iPad::classConnections() {
    static const ui::ConnectionTable table("TipVC_iPad", &TipVC::classConnections());
    return table;
}

void TipVC_iPad::init(std::shared_ptr<MTip> tip) {
    tip_ = std::move(tip);
    initWithNibName(nibIdentifier());
    setAnimationDuration(kTipAnimationDuration);
    placeOnHomeScreen(ui::FlexibleWidth | ui::FlexibleRightMargin | ui::FlexibleTopMargin);
    showText();
    animation();
}

void TipVC_iPad::animation() {
    auto band = view();
    auto home = homeView();
    ui::Rect bounds = home ? home->bounds() : band->bounds();
    band->setTransform(ui::AffineTransform::identity());
    band->setFrame(
        {0, bounds.height() - kTabletBandLift - kTabletBandHeight, bounds.width(), kTabletBandHeight});
    band->setTransform(ui::AffineTransform::scale(1, kFolded));
    animateBand("TipIn", ui::AnimationCurve::EaseOut,
                [&] { band->setTransform(ui::AffineTransform::identity()); });
}

void TipVC_iPad::outAnimation() {
    auto band = view();
    auto home = homeView();
    double bottom = home ? home->bounds().height() : band->center().y;
    animateBand("TipOut", ui::AnimationCurve::EaseIn, [&] {
        band->setCenter({band->center().x, bottom - kTabletBandLift});
        band->setTransform(ui::AffineTransform::scale(1, kFolded));
    });
}

bool TipVC_iPad::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) {
    return orientation == ui::InterfaceOrientation::Portrait;
}
