#include "Classes/library_store/StartItemVC_iPad.h"

#include "Classes/library_store/PageScripts.h"
#include "platform/ui/ConnectionTable.h"

const ui::ConnectionTable& StartItemVC_iPad::classConnections() {
    static const ui::ConnectionTable table("StartItemVC_iPad", &StartItemVC::classConnections());
    return table;
}

void StartItemVC_iPad::processOrientationChange() { reloadFrontView(); }

void StartItemVC_iPad::openCalculator(const Sender&) {
    // The key opens the panel beside the page, or closes the open one.
    if (calculatorSlot())
        closeChild(calculatorSlot());
    else
        calculatorSlot() = openChild("CalculatorVC", false);
}

std::string StartItemVC_iPad::pageScript(int fontSize) const { return PageScripts::tabletScript(fontSize); }
