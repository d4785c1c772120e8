#pragma once

#include "Classes/timer/TimerAllResultsVC.h"

// The tablet's list, which opens the tablet's results and backup screens.
class TimerAllResultsVC_iPad : public TimerAllResultsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "TimerAllResultsView-iPad"; }

  protected:
    std::shared_ptr<TimerResultsVC> makeTimerResultsVC(const std::shared_ptr<MTimerRecord>& record) override;
    std::shared_ptr<TimerIEVC> makeTimerIEVC() override;
};
