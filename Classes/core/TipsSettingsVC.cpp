#include "Classes/core/TipsSettingsVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"

const ui::ConnectionTable& TipsSettingsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("TipsSettingsVC", &OptionsViewController::classConnections())
            .outlet("showTipsSC", &TipsSettingsVC::showTipsSC_)
            .action("doneClick:", &TipsSettingsVC::doneClick);
    return table;
}

const ui::ConnectionTable& TipsSettingsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("TipsSettingsVC_iPad", &TipsSettingsVC::classConnections());
    return table;
}

void TipsSettingsVC::registerOwners() {
    ui::ConnectionTable::registerOwner(TipsSettingsVC::classConnections());
    ui::ConnectionTable::registerOwner(TipsSettingsVC_iPad::classConnections());
}

std::string TipsSettingsVC::optionStatus() {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep && rep->doNotShowTips() ? "hide" : "show";
}

std::shared_ptr<const ui::Image> TipsSettingsVC::optionImage() {
    return ui::Image::named("Settings_icon_tips@2x.png");
}

void TipsSettingsVC::viewDidLoad() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (showTipsSC_ && rep) showTipsSC_->setSelectedSegmentIndex(rep->doNotShowTips() ? 0 : 1);
    OptionsViewController::viewDidLoad();
}

void TipsSettingsVC::doneClick(const ui::ConnectionTable::Sender&) {
    if (auto rep = AbstractAppDelegate::sharedRep(); rep && showTipsSC_)
        rep->setDoNotShowTips(showTipsSC_->selectedSegmentIndex() == 0);
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<TipsSettingsVC>());
}
