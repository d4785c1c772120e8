#include "Classes/errorlog/BooksIEVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/errorlog/BooksBackup.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Pasteboard.h"

namespace {

BooksBackup::Books books() {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->books() : BooksBackup::Books{};
}

}  // namespace

const ui::ConnectionTable& BooksIEVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("BooksIEVC", &SliddenViewController::classConnections())
            .outlet("txtBtn", &BooksIEVC::txtBtn_)
            .outlet("backupBtn", &BooksIEVC::backupBtn_)
            .outlet("clipboardBtn", &BooksIEVC::clipboardBtn_)
            .outlet("importLbl", &BooksIEVC::importLbl_)
            .action("exportData:", &BooksIEVC::exportData)
            .action("importData:", &BooksIEVC::importData)
            .action("doneCancelClick:", &BooksIEVC::doneCancelClick);
    return table;
}

const ui::ConnectionTable& BooksIEVC_iPad::classConnections() {
    static const ui::ConnectionTable table("BooksIEVC_iPad", &BooksIEVC::classConnections());
    return table;
}

void BooksIEVC::init() {
    initWithNibName(nibIdentifier());
    animation();
    for (const auto& button : {txtBtn_, backupBtn_, clipboardBtn_})
        if (button) buttonStylizing(*button, "light", true);
}

void BooksIEVC::exportData(const Sender& sender) {
    auto view = std::dynamic_pointer_cast<ui::View>(sender);
    int tag = view ? view->tag() : 0;
    std::string text = tag == kReportTag   ? BooksBackup::reportText(books())
                       : tag == kBackupTag ? BooksBackup::backupText(books())
                                           : std::string();
    ui::Application::shared().openURL(fnd::URL(BooksBackup::mailURL(text)));
}

void BooksIEVC::importData(const Sender&) {
    importLbl_->setText("0/0");
    auto text = ui::Pasteboard::general().string();
    if (!text) return;
    importLbl_->setText(BooksBackup::label(BooksBackup::restore(books(), *text)));
}

void BooksIEVC::doneCancelClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<BooksIEVC>());
}
