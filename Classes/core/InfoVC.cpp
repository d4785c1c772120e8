#include "Classes/core/InfoVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"

const ui::ConnectionTable& InfoVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("InfoVC", &ToolViewController::classConnections())
            .outlet("emailBtn", &InfoVC::emailBtn_)
            .outlet("versionLbl", &InfoVC::versionLbl_)
            .action("goSafari:", &InfoVC::goSafari)
            .action("emailus:", &InfoVC::emailus)
            .action("doneClick:", &InfoVC::doneClick);
    return table;
}

const ui::ConnectionTable& InfoVC_iPad::classConnections() {
    static const ui::ConnectionTable table("InfoVC_iPad", &InfoVC::classConnections());
    return table;
}

void InfoVC::init() {
    ToolViewController::init();
    setup();
}

void InfoVC::setup() {
    if (versionLbl_) versionLbl_->setText("v" + AbstractAppDelegate::version() + "\n" + kMakerLine);
    if (emailBtn_) buttonStylizing(*emailBtn_, kLightButtonStyle, true);
}

void InfoVC::goSafari(const Sender& sender) {
    auto button = std::dynamic_pointer_cast<ui::Button>(sender);
    if (!button) return;
    std::string address = button->titleForState(ui::StateNormal);
    if (address == kSiteAddress) address = kForumAddress;
    ui::Application::shared().openURL(fnd::URL(address));
}

std::string InfoVC::supportMailAddress() {
    std::string subject = std::string(kProductName) + " (v" + AbstractAppDelegate::version() + ")";
    return std::string("mailto:") + kSupportAddress + "?subject=" + fnd::percentEscapeStrict(subject) +
           "&body=" + fnd::percentEscapeStrict(kMailBody);
}

void InfoVC::emailus(const Sender&) { ui::Application::shared().openURL(fnd::URL(supportMailAddress())); }

void InfoVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}
