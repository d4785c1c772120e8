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
    // The tag of the box that groups the vibration options in the phone's interface file.
    static constexpr int kVibrationBoxTag = 2;

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

    const std::shared_ptr<ui::Label>& vibrateLbl() const { return vibrateLbl_; }
    const std::shared_ptr<ui::Label>& vibrateOnShakeLbl() const { return vibrateOnShakeLbl_; }
    const std::shared_ptr<ui::Label>& vibrateOnWrongAnswerLbl() const { return vibrateOnWrongAnswerLbl_; }
    // Segment 0 no, 1 yes; for the time limit segment 0 twenty minutes, 1 none.
    const std::shared_ptr<ui::SegmentedControl>& shakeSC() const { return shakeSC_; }
    const std::shared_ptr<ui::SegmentedControl>& autoscanStopTimeSC() const { return autoscanStopTimeSC_; }
    const std::shared_ptr<ui::SegmentedControl>& vibrateOnShakeSC() const { return vibrateOnShakeSC_; }
    const std::shared_ptr<ui::SegmentedControl>& vibrateOnWrongAnswerSC() const {
        return vibrateOnWrongAnswerSC_;
    }
    const std::shared_ptr<ui::SegmentedControl>& autoscanStopOnLowBatterySC() const {
        return autoscanStopOnLowBatterySC_;
    }

  protected:
    // The two scan options, shared by both screens.
    void updateScanViews();
    void storeScanOptions();

  private:
    std::shared_ptr<ui::Label> vibrateLbl_;
    std::shared_ptr<ui::Label> vibrateOnShakeLbl_;
    std::shared_ptr<ui::Label> vibrateOnWrongAnswerLbl_;
    std::shared_ptr<ui::SegmentedControl> shakeSC_;
    std::shared_ptr<ui::SegmentedControl> autoscanStopTimeSC_;
    std::shared_ptr<ui::SegmentedControl> vibrateOnShakeSC_;
    std::shared_ptr<ui::SegmentedControl> vibrateOnWrongAnswerSC_;
    std::shared_ptr<ui::SegmentedControl> autoscanStopOnLowBatterySC_;
};
