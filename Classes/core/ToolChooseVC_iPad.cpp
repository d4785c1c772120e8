#include "Classes/core/ToolChooseVC_iPad.h"

#include <cmath>

#include "Classes/core/TabletPaneLayout.h"
#include "Classes/core/TipVC_iPad.h"
#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolScreens.h"
#include "Classes/statistics/StatisticsAndDateView.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"
#include "platform/ui/ScrollView.h"

const ui::ConnectionTable& ToolChooseVC_iPad::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ToolChooseVC_iPad", &ToolChooseVC::classConnections())
            .outlet("statSV", &ToolChooseVC_iPad::statSV_)
            .outlet("statPaneV", &ToolChooseVC_iPad::statPaneV_);
    return table;
}

std::shared_ptr<TipVC> ToolChooseVC_iPad::makeTipVC(const std::shared_ptr<MTip>& tip) {
    return ui::make<TipVC_iPad>(tip);
}

bool ToolChooseVC_iPad::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation) { return true; }

void ToolChooseVC_iPad::willAnimateRotationToInterfaceOrientation(ui::InterfaceOrientation orientation,
                                                                  double duration) {
    ToolChooseVC::willAnimateRotationToInterfaceOrientation(orientation, duration);
    placePane();
    fnd::NotificationCenter::defaultCenter().post(kOrientationChangedNotification, sharedAs<ToolChooseVC>());
}

void ToolChooseVC_iPad::viewDidLoad() {
    ToolChooseVC::viewDidLoad();
    if (!statSV_ || !statPaneV_) return;
    statPaneV_->setAutoresizingMask(ui::FlexibleLeftMargin | ui::FlexibleRightMargin);
    placePane();
    statPaneV_->showStatistics();
    statSV_->addSubview(statPaneV_);
    statPaneV_->showTestDateInfo();
}

void ToolChooseVC_iPad::placePane() {
    if (!statSV_ || !statPaneV_) return;
    using Arrangement = StatisticsAndDateView::Arrangement;
    const auto place = TabletPaneLayout::place(view()->bounds().size, tipVC() != nullptr,
                                               StatisticsAndDateView::sizeFor(Arrangement::TwoRows).height,
                                               StatisticsAndDateView::sizeFor(Arrangement::OneRow).height);
    statPaneV_->setArrangement(place.oneRow ? Arrangement::OneRow : Arrangement::TwoRows);
    statSV_->setFrame(place.frame);
    // Centred across the scroll view; what does not fit the room scrolls.
    const ui::Size pane = statPaneV_->frame().size;
    statSV_->setContentSize(pane);
    statPaneV_->setFrame({{std::floor((place.frame.width() - pane.width) / 2), 0}, pane});
}

void ToolChooseVC_iPad::closeAnimationOfButton(const std::shared_ptr<ToolButton>& button) {
    if (statPaneV_) statPaneV_->showTestDateInfo();
    ToolChooseVC::closeAnimationOfButton(button);
}

void ToolChooseVC_iPad::updateStatistcs(bool canUpdate) {
    // Called on a tool's saving thread; the pane is the main thread's.
    fnd::RunLoop::main().post([refresh = fnd::whileAlive(*this, &ToolChooseVC_iPad::refreshStatistics),
                               canUpdate] { refresh(canUpdate); });
}

void ToolChooseVC_iPad::refreshStatistics(bool canUpdate) {
    if (!statPaneV_) return;
    if (canUpdate)
        statPaneV_->showStatistics();
    else
        statPaneV_->renderStatistics();
    if (mainChild()) statPaneV_->cancelPendingRequests();
}
