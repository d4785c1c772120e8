#include "Classes/core/InfoVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "platform/foundation/Bundle.h"
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
            .outlet("siteBtn", &InfoVC::siteBtn_)
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

namespace {

std::string infoValue(const char* key) { return fnd::Bundle::main().infoValue(key); }

}  // namespace

void InfoVC::setup() {
    if (versionLbl_) versionLbl_->setText("v" + AbstractAppDelegate::version() + "\n" + kMakerLine);
    if (siteBtn_) {
        std::string site = infoValue(kSiteAddressKey);
        siteBtn_->setTitle(site, ui::StateNormal);
        siteBtn_->setHidden(site.empty());
    }
    if (emailBtn_) {
        buttonStylizing(*emailBtn_, kLightButtonStyle, true);
        emailBtn_->setHidden(infoValue(kSupportMailKey).empty());
    }
}

void InfoVC::goSafari(const Sender& sender) {
    auto button = std::dynamic_pointer_cast<ui::Button>(sender);
    if (!button) return;
    std::string address = button->titleForState(ui::StateNormal);
    std::string forum = infoValue(kForumAddressKey);
    if (!address.empty() && address == infoValue(kSiteAddressKey) && !forum.empty()) address = forum;
    if (!address.empty()) ui::Application::shared().openURL(fnd::URL(address));
}

std::string InfoVC::supportMailAddress() {
    std::string support = infoValue(kSupportMailKey);
    if (support.empty()) return {};
    std::string subject = std::string(kProductName) + " (v" + AbstractAppDelegate::version() + ")";
    return "mailto:" + support + "?subject=" + fnd::percentEscapeStrict(subject) +
           "&body=" + fnd::percentEscapeStrict(kMailBody);
}

void InfoVC::emailus(const Sender&) {
    std::string link = supportMailAddress();
    if (!link.empty()) ui::Application::shared().openURL(fnd::URL(link));
}

void InfoVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}
