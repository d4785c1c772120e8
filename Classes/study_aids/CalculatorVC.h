#pragma once
// The calculator panel: the keypad of the calculator engine. On the phone it slides in from the
// right over the whole screen; on the tablet it is a panel docked at the lower right, `adjustment`
// points above the bottom edge, and the screen that opened it stays usable beside it. Every opening
// makes a new panel with a new engine, so the display and the memory start afresh (only the
// engine's program-wide new-number flag carries over). Its Done key posts "Done" with the panel as
// object; the opener closes it through proceedDoneNotification.
//
// Keys: those that send their own title ("0"..."9", ".", "+", "−", "×", "÷", "=", "C", "AC", "D",
// "MC", "MR", "M+", "M-", "x!") go to pressed:, the five function keys to actions of their own.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"

class Calculator;
namespace ui {
class Label;
}

class CalculatorVC : public SliddenViewController {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kNibName = "CalculatorView";
    // How far above the bottom edge the tablet's panel rests, unless its opener says otherwise.
    static constexpr double kDefaultAdjustment = 60.0;
    // The corners of a docked panel (the tablet's); the phone's panel fills the screen.
    static constexpr double kDockedCornerRadius = 6.0;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // The same file on both devices.
    std::string nibIdentifier() const override { return kNibName; }

    // "initC": the panel with the default adjustment.
    void init() override;
    // "initWithAdjustment:": loads the panel, docks it on the tablet, makes the engine, slides the
    // panel in and shows "0".
    void init(double adjustment);

    // A key that sends its own title.
    void pressed(const Sender& sender);
    void pressed1x(const Sender& sender);
    void pressedSqrtX(const Sender& sender);
    void pressedPower2(const Sender& sender);
    void pressedPower3(const Sender& sender);
    void pressedSign(const Sender& sender);
    // Gives the engine the token and shows its display, memory and operator.
    void proceedCalculation(const std::string& token);
    // Posts "Done" with the panel as object.
    void doneClick(const Sender& sender);

    const std::shared_ptr<ui::Label>& display() const { return display_; }
    const std::shared_ptr<ui::Label>& memDisplay() const { return memDisplay_; }
    const std::shared_ptr<ui::Label>& opDisplay() const { return opDisplay_; }
    const std::shared_ptr<ui::Label>& toolBarL() const { return toolBarL_; }
    const std::shared_ptr<Calculator>& calculator() const { return calculator_; }

  private:
    std::shared_ptr<ui::Label> display_, memDisplay_, opDisplay_, toolBarL_;
    std::shared_ptr<Calculator> calculator_;
};
