#include "Classes/practice/PracticeIEVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/TextBackup.h"
#include "Classes/practice/PracticeBackup.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Pasteboard.h"

namespace {

PracticeBackup::Sets sets() {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep && rep->practiceRep() ? rep->qSets() : PracticeBackup::Sets{};
}

}  // namespace

const ui::ConnectionTable& PracticeIEVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("PracticeIEVC", &SliddenViewController::classConnections())
            .outlet("backupBtn", &PracticeIEVC::backupBtn_)
            .outlet("clipboardBtn", &PracticeIEVC::clipboardBtn_)
            .outlet("importLbl", &PracticeIEVC::importLbl_)
            .action("exportData:", &PracticeIEVC::exportData)
            .action("importData:", &PracticeIEVC::importData)
            .action("doneCancelClick:", &PracticeIEVC::doneCancelClick);
    return table;
}

const ui::ConnectionTable& PracticeIEVC_iPad::classConnections() {
    static const ui::ConnectionTable table("PracticeIEVC_iPad", &PracticeIEVC::classConnections());
    return table;
}

void PracticeIEVC::init() {
    initWithNibName(nibIdentifier());
    animation();
    setup();
}

void PracticeIEVC::setup() {
    for (const auto& button : {backupBtn_, clipboardBtn_})
        if (button) buttonStylizing(*button, kLightButtonStyle, true);
}

void PracticeIEVC::exportData(const Sender&) {
    ui::Application::shared().openURL(fnd::URL(TextBackup::mailURL(PracticeBackup::backupText(sets()))));
}

void PracticeIEVC::importData(const Sender&) {
    if (importLbl_) importLbl_->setText(TextBackup::label({}));
    auto text = ui::Pasteboard::general().string();
    if (!text) return;
    PracticeBackup::Counts counts = PracticeBackup::restore(sets(), *text);
    if (importLbl_) importLbl_->setText(TextBackup::label(counts));
}

void PracticeIEVC::doneCancelClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<fnd::Object>());
}
