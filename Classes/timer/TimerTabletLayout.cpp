#include "Classes/timer/TimerTabletLayout.h"

namespace {

// The upright column moved to the middle of the turned screen.
constexpr double kColumnShift = 128;
// The row of keys: Start and Results, then the five answer keys, centred across the screen.
constexpr double kRowLeft = 77;
constexpr double kRowKeysTop = 484;
constexpr double kButtonWidth = 180, kButtonHeight = 60, kButtonGap = 12;
constexpr double kAnswerKeyWidth = 90, kAnswerKeyHeight = 80, kAnswerKeyStep = 96;
constexpr double kGroupGap = 24;

ui::Rect inColumn(double x, double y, double width, double height) {
    return {x + kColumnShift, y, width, height};
}

}  // namespace

ui::Rect TimerTabletLayout::landscapeFrame(Part part) {
    const double buttonsTop = kRowKeysTop + (kAnswerKeyHeight - kButtonHeight) / 2;
    const double keysLeft = kRowLeft + 2 * kButtonWidth + kButtonGap + kGroupGap;
    switch (part) {
        case kMode:
            return inColumn(184, 56, 400, 52);
        case kType:
            return inColumn(184, 60, 400, 44);
        case kTypeHint:
            return inColumn(184, 106, 400, 18);
        case kEdit:
            return inColumn(600, 66, 90, 36);
        case kNumbers:
            return inColumn(184, 132, 400, 60);
        case kInfo:
            return inColumn(620, 146, 70, 34);
        case kTime:
            return inColumn(134, 192, 500, 130);
        case kCurrentHint:
            return inColumn(134, 330, 240, 22);
        case kCurrent:
            return inColumn(134, 352, 240, 40);
        case kAverageHint:
            return inColumn(394, 330, 240, 22);
        case kAverage:
            return inColumn(394, 352, 240, 40);
        case kReserveHint:
            return inColumn(134, 398, 240, 22);
        case kReserve:
            return inColumn(134, 420, 240, 40);
        case kExpectedHint:
            return inColumn(394, 398, 240, 22);
        case kExpected:
            return inColumn(394, 420, 240, 40);
        case kStartFinish:
            return {kRowLeft, buttonsTop, kButtonWidth, kButtonHeight};
        case kPauseGo:
            return {kRowLeft + kButtonWidth + kButtonGap, buttonsTop, kButtonWidth, kButtonHeight};
        case kA:
        case kB:
        case kC:
        case kD:
        case kE:
            return {keysLeft + kAnswerKeyStep * (part - kA), kRowKeysTop, kAnswerKeyWidth, kAnswerKeyHeight};
        case kPartCount:
            break;
    }
    return {};
}
