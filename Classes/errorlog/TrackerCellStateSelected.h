#pragma once
// The renderer of the current question's row: the stopwatch's start or finish key, its pause or
// continue key and spinner while a run is active, and no right or wrong marks.

#include "Classes/errorlog/TrackerCellState.h"

class TrackerCellStateSelected : public TrackerCellState {
  public:
    using TrackerCellState::TrackerCellState;
    void handle() override;
    double timeRCLableAlpha() const override { return 0.0; }
};
