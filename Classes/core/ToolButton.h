#pragma once
// A button of the home screen that opens a tool: a picture with its caption below it. It plays its
// part of opening and closing its tool (it grows and fades, then comes back), and on the grid it
// can be rearranged: held for 1.5 s it asks the home screen to enter rearranging mode, in which it
// wobbles and follows the finger, telling the home screen of each move so that the other buttons
// make room.
//
// The button posts "EnterRearrangingMode_Notification", "Drag_Notification" and
// "DraggingFinished_Notification" with itself as object; a tap still sends its actions.

#include <memory>
#include <string>

#include "Classes/core/ToolScreenClass.h"
#include "platform/ui/Button.h"

namespace fnd {
class Timer;
}
namespace ui {
class Label;
}
class ToolGrid;

class ToolButton : public ui::Button {
  public:
    static constexpr const char* kEnterRearrangingModeNotification = "EnterRearrangingMode_Notification";
    static constexpr const char* kDragNotification = "Drag_Notification";
    static constexpr const char* kDraggingFinishedNotification = "DraggingFinished_Notification";
    // How long a finger holds a grid button before rearranging starts.
    static constexpr double kHoldDuration = 1.5;
    // The wobble's step and its angle.
    static constexpr double kWobbleStep = 0.1;
    static constexpr double kWobbleAngle = 0.0392699;  // pi / 80
    // The caption under the picture, in the button's coordinates.
    static constexpr double kCaptionWidth = 80, kCaptionHeight = 22;
    static constexpr double kCaptionTop = 68, kTabletCaptionTop = 74;

    // Registers the class for interface files: "ToolButton", a "Button" with "caption" (string).
    static void registerViewClass();

    ~ToolButton() override;
    using ui::Button::init;
    void init(const ui::Rect& frame) override;

    // The grid of the present device and orientation.
    static ToolGrid currentGrid();

    // Opening and closing the button's tool: it grows threefold, moves by its open shift and fades
    // in 0.2 s; it comes back in 0.3 s.
    void openAnimation();
    void closeAnimation();
    // The initial state of a grid button: rearrangeable, still, its caption in place, its home
    // point its present centre.
    void setupStates();
    // The home point becomes the position's centre; the button stays where it is.
    void linkToPosition(int position);
    // The button moves to the position's centre, which becomes its home point.
    void putToPosition(int position);
    // The position nearest to the button's centre; ToolGrid::kNoPosition when none.
    int closestPosition() const;

    // The wobble of rearranging mode.
    void enterRearrangingAnimation();
    void exitRearrangingAnimation();
    void timerFireToEnterRearrangingAnimation();
    void continueRearrangingAnimation();
    void stopRearrangingAnimation();
    // The hold: rearranging starts when the finger is still down.
    void tryToEnterRearrangingMode();
    void enterRearrangingMode();
    // Back to the home point after a drag, now or after a delay.
    void returnBackAnimation();
    void returnBackAfterDelay(double delay);

    void touchesBegan(const ui::Touches& touches) override;
    void touchesMoved(const ui::Touches& touches) override;
    void touchesEnded(const ui::Touches& touches) override;
    void touchesCancelled(const ui::Touches& touches) override;
    // The caption below the picture is part of the button: a tap on it opens the tool too.
    bool pointInside(ui::Point point) const override;

    // ---- Properties.
    const ToolScreenClass& vcClass() const { return vcClass_; }
    void setVcClass(ToolScreenClass screenClass) { vcClass_ = std::move(screenClass); }
    bool openedVC() const { return openedVC_; }
    double openAnimationShiftX() const { return openShiftX_; }
    double openAnimationShiftY() const { return openShiftY_; }
    const std::shared_ptr<ui::Label>& lbl() const { return lbl_; }
    void setCaption(const std::string& caption);
    bool isRearrangable() const { return isRearrangable_; }
    // 0 no touch, 1 began, 2 moved, 3 ended, 4 cancelled.
    int touchState() const { return touchState_; }
    bool isSwitchingMode() const { return isSwitchingMode_; }
    bool isInRearrangingTBtnsMode() const { return isInRearrangingTBtnsMode_; }
    bool isDragging() const { return isDragging_; }
    ui::Point moveVector() const { return moveVector_; }
    double timerDelay() const { return timerDelay_; }
    void setTimerDelay(double seconds) { timerDelay_ = seconds; }
    double fi() const { return fi_; }
    void setFi(double radians) { fi_ = radians; }
    ui::Point initialCenter() const { return initialCenter_; }
    void setInitialCenter(ui::Point centre) { initialCenter_ = centre; }

  private:
    void placeCaption();
    void stopWobbleTimer();
    // The finger lifted (3) or the touch was cancelled (4): a drag ends.
    void touchEnded(int state);

    ToolScreenClass vcClass_;
    bool openedVC_ = false;
    double openShiftX_ = 0;
    double openShiftY_ = 0;
    std::shared_ptr<ui::Label> lbl_;
    bool isRearrangable_ = false;
    int touchState_ = 0;
    bool isSwitchingMode_ = false;
    bool isInRearrangingTBtnsMode_ = false;
    bool isDragging_ = false;
    ui::Point moveVector_;
    double timerDelay_ = 0;
    std::shared_ptr<fnd::Timer> timer_;
    double fi_ = 0;
    ui::Point initialCenter_;
};
