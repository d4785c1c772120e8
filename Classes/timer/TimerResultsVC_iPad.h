#pragma once

#include "Classes/timer/TimerResultsVC.h"

// The tablet's results: a wider layout.
class TimerResultsVC_iPad : public TimerResultsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "TimerResultsView-iPad"; }

  protected:
    const Columns& columns() const override;
};
