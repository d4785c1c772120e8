#include "Classes/core/PendingToolVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"

const ui::ConnectionTable& PendingToolVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("PendingToolVC", &ToolViewController::classConnections())
            .outlet("titleLbl", &PendingToolVC::titleLbl_)
            .action("doneClick:", &PendingToolVC::doneClick);
    return table;
}

void PendingToolVC::init(std::string className, std::string toolName, std::string doneNotification) {
    doneNotification_ = std::move(doneNotification);
    init(std::move(className), std::move(toolName));
}

void PendingToolVC::init(std::string className, std::string toolName) {
    className_ = std::move(className);
    toolName_ = std::move(toolName);
    initWithNibName(nibIdentifier());
    animation();
}

std::string PendingToolVC::nibIdentifier() const {
    return AbstractAppDelegate::isiPad() ? tabletName("PendingToolView") : "PendingToolView";
}

void PendingToolVC::viewDidLoad() {
    ToolViewController::viewDidLoad();
    if (titleLbl_) titleLbl_->setText(toolName_);
}

void PendingToolVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(doneNotification_, sharedAs<PendingToolVC>());
}
