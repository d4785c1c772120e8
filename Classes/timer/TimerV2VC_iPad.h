#pragma once

#include "Classes/timer/TimerV2VC.h"

// The tablet's timer: its own interface file and child screens; the labels stay where the file
// puts them.
class TimerV2VC_iPad : public TimerV2VC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(TimerV2VC::nibIdentifier()); }

  protected:
    std::shared_ptr<TimerSettingsVC> makeTimerSettingsVC() override;
    std::shared_ptr<CustomEditVC> makeCustomEditVC() override;
    std::shared_ptr<TimerResultsVC> makeTimerResultsVC(const std::shared_ptr<MTimerRecord>& record) override;
    std::shared_ptr<TimerAllResultsVC> makeTimerAllResultsVC(
        const std::shared_ptr<MTimerRecordSet>& set) override;
    bool movesMainLabels() const override { return false; }
};
