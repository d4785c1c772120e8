#include "Classes/timer/TimerIEVC.h"

#include "Classes/timer/TimerBackup.h"
#include "Classes/timer/TimerResultsVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Pasteboard.h"

const ui::ConnectionTable& TimerIEVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("TimerIEVC", &SliddenViewController::classConnections())
            .outlet("backupBtn", &TimerIEVC::backupBtn_)
            .outlet("clipboardBtn", &TimerIEVC::clipboardBtn_)
            .outlet("importLbl", &TimerIEVC::importLbl_)
            .action("exportData:", &TimerIEVC::exportData)
            .action("importData:", &TimerIEVC::importData)
            .action("doneCancelClick:", &TimerIEVC::doneCancelClick);
    return table;
}

const ui::ConnectionTable& TimerIEVC_iPad::classConnections() {
    static const ui::ConnectionTable table("TimerIEVC_iPad", &TimerIEVC::classConnections());
    return table;
}

void TimerIEVC::init(const std::shared_ptr<MTimerRecordSet>& recordSet) {
    initWithNibName(nibIdentifier());
    animation();
    setupWithTimerRecordSet(recordSet);
}

void TimerIEVC::setupWithTimerRecordSet(const std::shared_ptr<MTimerRecordSet>& recordSet) {
    if (backupBtn_) buttonStylizing(*backupBtn_, kLightButtonStyle, true);
    if (clipboardBtn_) buttonStylizing(*clipboardBtn_, kLightButtonStyle, true);
    recordSet_ = recordSet;
}

void TimerIEVC::exportData(const Sender&) {
    if (!recordSet_) return;
    ui::Application::shared().openURL(
        fnd::URL(TimerResultsVC::mailAddress(TimerBackup::exportText(*recordSet_))));
}

void TimerIEVC::importData(const Sender&) {
    if (importLbl_) importLbl_->setText("0/0");
    if (!recordSet_) return;
    const std::optional<std::string> text = ui::Pasteboard::general().string();
    const TimerBackup::ImportCount count = TimerBackup::importText(text.value_or(""), *recordSet_);
    if (importLbl_) importLbl_->setText(std::to_string(count.imported) + "/" + std::to_string(count.matched));
}

void TimerIEVC::doneCancelClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<fnd::Object>());
}
