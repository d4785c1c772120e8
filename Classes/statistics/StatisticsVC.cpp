#include "Classes/statistics/StatisticsVC.h"

#include "Classes/statistics/StatisticsView.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ScrollView.h"

const ui::ConnectionTable& StatisticsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("StatisticsVC", &ToolViewController::classConnections())
            .outlet("statSV", &StatisticsVC::statSV_)
            .outlet("statPaneV", &StatisticsVC::statPaneV_)
            .action("doneClick:", &StatisticsVC::doneClick);
    return table;
}

void StatisticsVC::viewDidLoad() {
    if (statSV_ && statPaneV_) {
        statSV_->setContentSize(statPaneV_->sizeThatFits({0, 0}));
        statPaneV_->showStatisticsInThread();
        statSV_->addSubview(statPaneV_);
    }
    ToolViewController::viewDidLoad();
}

void StatisticsVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}

void StatisticsVC::back() {
    if (statPaneV_) statPaneV_->stop();
    ToolViewController::back();
}
