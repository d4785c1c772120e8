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
    static constexpr const char* kSiteAddress = "https://orvakit.org";
    static constexpr const char* kForumAddress = "https://forum.orvakit.org/forum/";
    static constexpr const char* kSupportAddress = "support@orvakit.org";
    static constexpr const char* kMailBody = "Hello!";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "InfoView"; }

    // The interface file, the tool's entrance, then setup.
    void init() override;
    using ToolViewController::init;
    // The version line and the mail key's light style.
    void setup();

    // Opens the key's title, a web address, outside the program; the maker's site key opens the
    // maker's forum.
    void goSafari(const Sender& sender);
    // A new mail to the maker's support: subject "Tovrida (vVERSION)", body "Hello!".
    void emailus(const Sender& sender);
    void doneClick(const Sender& sender);

    // The mail link emailus opens.
    static std::string supportMailAddress();

    const std::shared_ptr<ui::Button>& emailBtn() const { return emailBtn_; }
    const std::shared_ptr<ui::Label>& versionLbl() const { return versionLbl_; }

  private:
    std::shared_ptr<ui::Button> emailBtn_;
    std::shared_ptr<ui::Label> versionLbl_;
};

// The tablet's about screen.
class InfoVC_iPad : public InfoVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(InfoVC::nibIdentifier()); }
};
