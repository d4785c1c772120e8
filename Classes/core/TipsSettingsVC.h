#pragma once
// The option screen of the tips: whether the home screen shows tips at all. The choice is written
// to the repository only by the done key.

#include <memory>
#include <string>

#include "Classes/core/OptionsViewController.h"
#include "platform/ui/SegmentedControl.h"

class TipsSettingsVC : public OptionsViewController {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "TipsSettingsView"; }

    // "hide" while tips are switched off, else "show".
    static std::string optionStatus();
    static std::string optionTitle() { return "Tips"; }
    static std::shared_ptr<const ui::Image> optionImage();

    void viewDidLoad() override;
    // Segment 0 switches tips off, segment 1 on; then "Done".
    void doneClick(const ui::ConnectionTable::Sender& sender);

    const std::shared_ptr<ui::SegmentedControl>& showTipsSC() const { return showTipsSC_; }

  private:
    // Segment 0 "hide", segment 1 "show".
    std::shared_ptr<ui::SegmentedControl> showTipsSC_;
};

class TipsSettingsVC_iPad : public TipsSettingsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(TipsSettingsVC::nibIdentifier()); }
};
