#include "Classes/study_aids/CalculatorVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/study_aids/Calculator.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

const ui::ConnectionTable& CalculatorVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CalculatorVC", &SliddenViewController::classConnections())
            .outlet("display", &CalculatorVC::display_)
            .outlet("memDisplay", &CalculatorVC::memDisplay_)
            .outlet("opDisplay", &CalculatorVC::opDisplay_)
            .outlet("toolBarL", &CalculatorVC::toolBarL_)
            .action("pressed:", &CalculatorVC::pressed)
            .action("pressed1x:", &CalculatorVC::pressed1x)
            .action("pressedSqrtX:", &CalculatorVC::pressedSqrtX)
            .action("pressedPower2:", &CalculatorVC::pressedPower2)
            .action("pressedPower3:", &CalculatorVC::pressedPower3)
            .action("pressedSign:", &CalculatorVC::pressedSign)
            .action("doneClick:", &CalculatorVC::doneClick);
    return table;
}

void CalculatorVC::init() { init(kDefaultAdjustment); }

void CalculatorVC::init(double adjustment) {
    initWithNibName(nibIdentifier());
    if (AbstractAppDelegate::isiPad()) {
        setSlideDirection(kDocked);
        setAdjustmentByY(adjustment);
        view()->setCornerRadius(kDockedCornerRadius);
    }
    calculator_ = std::make_shared<Calculator>();
    // The docked panel keeps its distance from the right and bottom edges when the screen turns.
    view()->setAutoresizingMask(ui::FlexibleLeftMargin | ui::FlexibleTopMargin);
    animation();
    if (display_) display_->setText("0");
}

void CalculatorVC::pressed(const Sender& sender) {
    if (auto key = std::dynamic_pointer_cast<ui::Button>(sender))
        proceedCalculation(key->titleForState(ui::StateNormal));
}

void CalculatorVC::pressed1x(const Sender&) { proceedCalculation("1X"); }
void CalculatorVC::pressedSqrtX(const Sender&) { proceedCalculation("SQ"); }
void CalculatorVC::pressedPower2(const Sender&) { proceedCalculation("P2"); }
void CalculatorVC::pressedPower3(const Sender&) { proceedCalculation("P3"); }
void CalculatorVC::pressedSign(const Sender&) { proceedCalculation("SN"); }

void CalculatorVC::proceedCalculation(const std::string& token) {
    calculator_->input(token);
    if (display_) display_->setText(calculator_->displayValue());
    if (memDisplay_) memDisplay_->setText(calculator_->displayMemory());
    if (opDisplay_) opDisplay_->setText(calculator_->displayOperator());
}

void CalculatorVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}
