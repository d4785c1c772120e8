#pragma once
// A tool screen that shows only its tool's name and a done key: what a home-screen button opens
// while its tool's own screen is not in the program. It follows the tool protocol like any tool.
// The same can stand in for a child screen that is not in the program yet: its done key then
// posts the notification the real child posts.

#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"

namespace ui {
class Label;
}

class PendingToolVC : public ToolViewController {
  public:
    // The outlet "titleLbl" and the action "doneClick:".
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    using ToolViewController::init;
    // The screen for the tool of that class name and that name as the user knows it; it shows
    // itself.
    void init(std::string className, std::string toolName);
    // A stand-in child whose done key posts that notification.
    void init(std::string className, std::string toolName, std::string doneNotification);

    std::string nibIdentifier() const override;
    void viewDidLoad() override;
    // Posts "ToolDoneNotification", or the stand-in child's notification.
    void doneClick(const Sender& sender);

    const std::string& toolClassName() const { return className_; }
    const std::string& toolName() const { return toolName_; }
    const std::string& doneNotification() const { return doneNotification_; }
    const std::shared_ptr<ui::Label>& titleLbl() const { return titleLbl_; }

  private:
    std::string className_;
    std::string toolName_;
    std::string doneNotification_ = kToolDoneNotification;
    std::shared_ptr<ui::Label> titleLbl_;
};
