#include "Classes/timer/TimerAllResultsVC_iPad.h"

#include "Classes/timer/TimerIEVC.h"
#include "Classes/timer/TimerResultsVC_iPad.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& TimerAllResultsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("TimerAllResultsVC_iPad", &TimerAllResultsVC::classConnections());
    return table;
}

std::shared_ptr<TimerResultsVC> TimerAllResultsVC_iPad::makeTimerResultsVC(
    const std::shared_ptr<MTimerRecord>& record) {
    return ui::make<TimerResultsVC_iPad>(record, std::string(kReturnKey));
}

std::shared_ptr<TimerIEVC> TimerAllResultsVC_iPad::makeTimerIEVC() {
    return ui::make<TimerIEVC_iPad>(recordSet());
}
