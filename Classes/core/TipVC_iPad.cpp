#include "Classes/core/TipVC_iPad.h"

#include "platform/ui/ConnectionTable.h"
#include "platform/ui/View.h"

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
    band->setFrame({0, bounds.height() - kBandLift - kBandHeight, bounds.width(), kBandHeight});
    band->setTransform(ui::AffineTransform::scale(1, kFolded));
    animateBand("TipIn", ui::AnimationCurve::EaseOut,
                [&] { band->setTransform(ui::AffineTransform::identity()); });
}

void TipVC_iPad::outAnimation() {
    auto band = view();
    auto home = homeView();
    double bottom = home ? home->bounds().height() : band->center().y;
    animateBand("TipOut", ui::AnimationCurve::EaseIn, [&] {
        band->setCenter({band->center().x, bottom - kBandLift});
        band->setTransform(ui::AffineTransform::scale(1, kFolded));
    });
}

bool TipVC_iPad::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) {
    return orientation == ui::InterfaceOrientation::Portrait;
}
