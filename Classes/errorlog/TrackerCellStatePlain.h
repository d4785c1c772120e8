#pragma once
// The renderer of an ordinary tracker row: the right or wrong marks of its last two attempts, no
// keys of the stopwatch.

#include "Classes/errorlog/TrackerCellState.h"

class TrackerCellStatePlain : public TrackerCellState {
  public:
    using TrackerCellState::TrackerCellState;
    void handle() override;
    // The concept tags show while no run is active.
    double conceptNamesLableAlpha() const override { return isActive() ? 0.0 : 1.0; }
};
