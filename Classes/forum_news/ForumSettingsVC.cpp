#include "Classes/forum_news/ForumSettingsVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/ConnectionTable.h"

namespace {

std::optional<std::string> valueOf(const std::shared_ptr<ui::TextField>& field) {
    if (!field || field->text().empty()) return std::nullopt;
    return field->text();
}

}  // namespace

const ui::ConnectionTable& ForumSettingsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ForumSettingsVC", &OptionsViewController::classConnections())
            .outlet("loginTF", &ForumSettingsVC::loginTF_)
            .outlet("passwordTF", &ForumSettingsVC::passwordTF_)
            .action("doneClick:", &ForumSettingsVC::doneClick)
            .action("cancelClick:", &ForumSettingsVC::cancelClick);
    return table;
}

const ui::ConnectionTable& ForumSettingsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("ForumSettingsVC_iPad", &ForumSettingsVC::classConnections());
    return table;
}

void ForumSettingsVC::registerOwners() {
    ui::ConnectionTable::registerOwner(ForumSettingsVC::classConnections());
    ui::ConnectionTable::registerOwner(ForumSettingsVC_iPad::classConnections());
}

std::string ForumSettingsVC::optionStatus() {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep && rep->forumLogin() ? *rep->forumLogin() : OptionsViewController::optionStatus();
}

std::shared_ptr<const ui::Image> ForumSettingsVC::optionImage() {
    return ui::Image::named("Settings_icon_forum@2x.png");
}

void ForumSettingsVC::viewDidLoad() {
    if (auto rep = AbstractAppDelegate::sharedRep()) {
        hadForumLogin_ = rep->forumLogin().has_value();
        hadForumPassword_ = rep->forumPassword().has_value();
        if (loginTF_) loginTF_->setText(rep->forumLogin().value_or(""));
        if (passwordTF_) passwordTF_->setText(rep->forumPassword().value_or(""));
    }
    for (const auto& field : {loginTF_, passwordTF_}) {
        if (!field) continue;
        field->setDelegate(sharedAs<ForumSettingsVC>());
        field->setAutocapitalizationType(ui::TextAutocapitalization::None);
        field->setAutocorrectionType(ui::TextAutocorrection::No);
    }
    OptionsViewController::viewDidLoad();
}

void ForumSettingsVC::doneClick(const ui::ConnectionTable::Sender&) {
    if (auto rep = AbstractAppDelegate::sharedRep()) {
        rep->setForumPassword(valueOf(passwordTF_));
        rep->setForumLogin(valueOf(loginTF_));
    }
    finish();
}

void ForumSettingsVC::cancelClick(const ui::ConnectionTable::Sender&) { finish(); }

void ForumSettingsVC::finish() {
    for (const auto& field : {loginTF_, passwordTF_})
        if (field) field->resignFirstResponder();
    ui::Application::shared().setIdleTimerDisabled(false);
    fnd::NotificationCenter::defaultCenter().post("MNotificationInfoDone", sharedAs<ForumSettingsVC>());
}

bool ForumSettingsVC::isTurnedOn() const {
    auto rep = AbstractAppDelegate::sharedRep();
    bool hasLogin = rep && rep->forumLogin();
    bool hasPassword = rep && rep->forumPassword();
    if (!hadForumLogin_ && hasLogin) return true;
    if (hadForumPassword_) return false;
    return hasPassword;
}

bool ForumSettingsVC::textFieldShouldReturn(ui::TextField& field) {
    field.resignFirstResponder();
    return true;
}
