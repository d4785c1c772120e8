#pragma once
// The tablet timer's layout when the tablet is turned. Upright, the interface file's column (the
// section's kind, the question numbers, the clock, the four times, the two keys and the answer
// keys below each other) is taller than a turned screen. Turned, the clock's column stands in the
// middle of the screen, closer together, and the Start and Results keys and the answer keys A to E
// share one row under it, clear of the confirmation panel, which rises at the bottom centre, under
// the clock.

#include <array>

#include "platform/ui/Rect.h"

class TimerTabletLayout {
  public:
    enum Part {
        kMode,
        kType,
        kTypeHint,
        kEdit,
        kNumbers,
        kInfo,
        kTime,
        kCurrentHint,
        kCurrent,
        kAverageHint,
        kAverage,
        kReserveHint,
        kReserve,
        kExpectedHint,
        kExpected,
        kStartFinish,
        kPauseGo,
        kA,
        kB,
        kC,
        kD,
        kE,
        kPartCount
    };

    // A part's frame in the turned timer's view (1024 x 748 points, the toolbar at the top).
    static ui::Rect landscapeFrame(Part part);
};
