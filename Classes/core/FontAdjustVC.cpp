#include "Classes/core/FontAdjustVC.h"

#include <algorithm>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Animation.h"
#include "platform/ui/View.h"

const ui::ConnectionTable& FontAdjustVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("FontAdjustVC", &CommonViewController::classConnections())
            .action("changeFont:", &FontAdjustVC::changeFont);
    return table;
}

std::string FontAdjustVC::nibIdentifier() const { return nibNameForDevice("FontAdjustView"); }

void FontAdjustVC::init(const std::string& position) {
    initWithNibName(nibIdentifier());
    std::shared_ptr<ui::View> popup = view();
    popup->setAlpha(0);
    if (std::shared_ptr<ui::View> home = homeView()) home->addSubview(popup);
    place(position);
    animation();
}

void FontAdjustVC::place(const std::string& position) {
    std::shared_ptr<ui::View> home = homeView();
    if (!home) return;
    std::shared_ptr<ui::View> popup = view();
    const double W = home->bounds().width(), H = home->bounds().height();
    const double w = popup->bounds().width(), h = popup->bounds().height();
    const unsigned sides = ui::FlexibleLeftMargin | ui::FlexibleRightMargin;
    if (position == "Top") {
        popup->setCenter({W / 2, h / 2 + kEdgeDistance});
        popup->setAutoresizingMask(sides | ui::FlexibleBottomMargin);
    } else if (position == "TopRight") {
        popup->setCenter({W - w / 2 - kSideDistance, h / 2 + kEdgeDistance});
        popup->setAutoresizingMask(ui::FlexibleLeftMargin | ui::FlexibleBottomMargin);
    } else if (position == "Center") {
        popup->setCenter({W / 2, H / 2});
        popup->setAutoresizingMask(sides | ui::FlexibleTopMargin | ui::FlexibleBottomMargin);
    } else if (position == "Bottom") {
        popup->setCenter({W / 2, H - h / 2 - kEdgeDistance});
        popup->setAutoresizingMask(sides | ui::FlexibleTopMargin);
    } else if (position == "BottomLeft") {
        popup->setCenter({w / 2 + kSideDistance, H - h / 2 - kEdgeDistance});
        popup->setAutoresizingMask(ui::FlexibleRightMargin | ui::FlexibleTopMargin);
    }
}

void FontAdjustVC::changeFont(const Sender& sender) {
    auto key = std::dynamic_pointer_cast<ui::View>(sender);
    const char* name = key && key->tag() == kLargerTag ? kLargerNotification : kSmallerNotification;
    fnd::NotificationCenter::defaultCenter().post(name, sharedAs<fnd::Object>());
}

void FontAdjustVC::fadeTo(double alpha, bool in) {
    ui::Animation::begin();
    ui::Animation::setDuration(animationDuration());
    ui::Animation::setCurve(in ? ui::AnimationCurve::EaseOut : ui::AnimationCurve::EaseIn);
    view()->setAlpha(alpha);
    ui::Animation::commit();
}

void FontAdjustVC::animation() { fadeTo(1, true); }

void FontAdjustVC::outAnimation() {
    if (isViewLoaded()) fadeTo(0, false);
}

int FontAdjustVC::steppedFontSize(int size, const fnd::Notification& notification) {
    int step = notification.name == kLargerNotification    ? 1
               : notification.name == kSmallerNotification ? -1
                                                           : 0;
    return std::clamp(size + step, kMinimumFontSize, kMaximumFontSize);
}
