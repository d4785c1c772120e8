#pragma once

#include <array>

#include "Classes/timer/TimerTabletLayout.h"
#include "Classes/timer/TimerV2VC.h"
#include "platform/ui/Rect.h"

// The tablet's timer: its own interface file and child screens; the labels stay where the file
// puts them upright, and turned the screen takes the layout of TimerTabletLayout.
class TimerV2VC_iPad : public TimerV2VC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(TimerV2VC::nibIdentifier()); }
    void viewDidLoad() override;

  protected:
    std::shared_ptr<TimerSettingsVC> makeTimerSettingsVC() override;
    std::shared_ptr<CustomEditVC> makeCustomEditVC() override;
    std::shared_ptr<TimerResultsVC> makeTimerResultsVC(const std::shared_ptr<MTimerRecord>& record) override;
    std::shared_ptr<TimerAllResultsVC> makeTimerAllResultsVC(
        const std::shared_ptr<MTimerRecordSet>& set) override;
    bool movesMainLabels() const override { return false; }

  private:
    // Lays the screen out for the home screen's present orientation.
    void placeParts();

    std::shared_ptr<ui::Label> typeHintLbl_;
    std::shared_ptr<ui::Button> infoBtn_;
    // The parts as the interface file places them upright.
    std::array<std::shared_ptr<ui::View>, TimerTabletLayout::kPartCount> parts_;
    std::array<ui::Rect, TimerTabletLayout::kPartCount> upright_;
};
