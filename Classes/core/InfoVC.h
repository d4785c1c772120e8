#pragma once
// The about screen: the program's version, the maker's site and a mail key to the maker's
// support. A tool of the home screen without data of its own; its done key posts
// "ToolDoneNotification".

#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"

namespace ui {
class Button;
class Label;
}  // namespace ui

class InfoVC : public ToolViewController {
  public:
    static constexpr const char* kProductName = "Tovrida";
    static constexpr const char* kMakerLine = "Made by the orvakit team";
    static constexpr const char* kMailBody = "Hello!";
    // The maker's addresses come from the bundle's information; a key whose address is not
    // given there is hidden.
    static constexpr const char* kSiteAddressKey = "MakerSiteAddress";
    static constexpr const char* kForumAddressKey = "MakerForumAddress";
    static constexpr const char* kSupportMailKey = "SupportMailAddress";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "InfoView"; }

    // The interface file, the tool's entrance, then setup.
    void init() override;
    using ToolViewController::init;
    // The version line, the site key's address and the mail key's light style.
    void setup();

    // Opens the key's title, a web address, outside the program; the maker's site key opens the
    // maker's forum (the site itself when no forum address is given).
    void goSafari(const Sender& sender);
    // A new mail to the maker's support: subject "Tovrida (vVERSION)", body "Hello!".
    void emailus(const Sender& sender);
    void doneClick(const Sender& sender);

    // The mail link emailus opens; empty when no support address is given.
    static std::string supportMailAddress();

    const std::shared_ptr<ui::Button>& emailBtn() const { return emailBtn_; }
    const std::shared_ptr<ui::Label>& versionLbl() const { return versionLbl_; }
    const std::shared_ptr<ui::Button>& siteBtn() const { return siteBtn_; }

  private:
    std::shared_ptr<ui::Button> emailBtn_;
    std::shared_ptr<ui::Button> siteBtn_;
    std::shared_ptr<ui::Label> versionLbl_;
};

// The tablet's about screen.
class InfoVC_iPad : public InfoVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(InfoVC::nibIdentifier()); }
};
