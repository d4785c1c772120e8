#pragma once
// The option screen of the forum login: the user name and password with which the forum browser
// signs in by itself. The fields are written to the repository only by the done key, an empty
// field as no value; the cancel key leaves the stored login as it was.

#include <memory>
#include <string>

#include "Classes/core/OptionsViewController.h"
#include "platform/ui/TextField.h"

class ForumSettingsVC : public OptionsViewController, public ui::TextFieldDelegate {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "ForumSettingsView"; }

    static std::string optionTitle() { return "Authorization"; }
    // The stored login; empty when there is none.
    static std::string optionStatus();
    static std::shared_ptr<const ui::Image> optionImage();

    // The fields show the stored login and password.
    void viewDidLoad() override;
    // The fields into the repository, then "MNotificationInfoDone".
    void doneClick(const ui::ConnectionTable::Sender& sender);
    // "MNotificationInfoDone" without storing.
    void cancelClick(const ui::ConnectionTable::Sender& sender);
    // Whether the forum login has just been switched on: no login was stored when the screen
    // opened and one is now; else, when a password was stored then, no; else whether one is now.
    bool isTurnedOn() const;

    // The return key puts the keyboard away.
    bool textFieldShouldReturn(ui::TextField& field) override;

    const std::shared_ptr<ui::TextField>& loginTF() const { return loginTF_; }
    const std::shared_ptr<ui::TextField>& passwordTF() const { return passwordTF_; }

  private:
    void finish();

    std::shared_ptr<ui::TextField> loginTF_;
    std::shared_ptr<ui::TextField> passwordTF_;

    bool hadForumLogin_ = false;
    bool hadForumPassword_ = false;
};

class ForumSettingsVC_iPad : public ForumSettingsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(ForumSettingsVC::nibIdentifier()); }
};
