#pragma once
// The option screen of practice: whether a shake changes the question, whether that shake and a
// wrong answer vibrate, and when a forum scan stops by itself (after twenty minutes or never, and
// on a low battery). The controls hold the choices until the done key writes them to the
// repository. The tablet's screen shows and writes only the two scan options.

#include <memory>
#include <string>

#include "Classes/core/OptionsViewController.h"
#include "platform/ui/Label.h"
#include "platform/ui/SegmentedControl.h"

class SetsSettingsVC : public OptionsViewController {
  public:
    // The scan's time limit that the first segment stands for; the second stands for none (0).
    static constexpr int kAutoscanStopTime = 1200;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "SetsSettingsView"; }

    static std::string optionTitle() { return "Practice"; }
    static std::shared_ptr<const ui::Image> optionImage();

    void viewDidLoad() override;
    // The stored options into the controls; the vibration options are hidden on a device that
    // cannot vibrate.
    virtual void updateViews();
    // The controls' choices into the repository, then "Done".
    virtual void doneClick(const ui::ConnectionTable::Sender& sender);

    std::shared_ptr<ui::Label> vibrateLbl;
    std::shared_ptr<ui::Label> vibrateOnShakeLbl;
    std::shared_ptr<ui::Label> vibrateOnWrongAnswerLbl;
    // Segment 0 no, 1 yes; for the time limit segment 0 twenty minutes, 1 none.
    std::shared_ptr<ui::SegmentedControl> shakeSC;
    std::shared_ptr<ui::SegmentedControl> autoscanStopTimeSC;
    std::shared_ptr<ui::SegmentedControl> vibrateOnShakeSC;
    std::shared_ptr<ui::SegmentedControl> vibrateOnWrongAnswerSC;
    std::shared_ptr<ui::SegmentedControl> autoscanStopOnLowBatterySC;

  protected:
    // The two scan options, shared by both screens.
    void updateScanViews();
    void storeScanOptions();
};

class SetsSettingsVC_iPad : public SetsSettingsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(SetsSettingsVC::nibIdentifier()); }
    void updateViews() override;
    void doneClick(const ui::ConnectionTable::Sender& sender) override;
};
