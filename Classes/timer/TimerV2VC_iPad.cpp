#include "Classes/timer/TimerV2VC_iPad.h"

#include "Classes/timer/CustomEditVC_iPad.h"
#include "Classes/timer/MTimer.h"
#include "Classes/timer/TimerAllResultsVC_iPad.h"
#include "Classes/timer/TimerResultsVC_iPad.h"
#include "Classes/timer/TimerSettingsVC_iPad.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& TimerV2VC_iPad::classConnections() {
    static const ui::ConnectionTable table("TimerV2VC_iPad", &TimerV2VC::classConnections());
    return table;
}

std::shared_ptr<TimerSettingsVC> TimerV2VC_iPad::makeTimerSettingsVC() {
    return ui::make<TimerSettingsVC_iPad>(timer()->vibrate130(), timer()->vibrate200(),
                                          timer()->vibrateAnswer(), timer()->color());
}

std::shared_ptr<CustomEditVC> TimerV2VC_iPad::makeCustomEditVC() {
    return ui::make<CustomEditVC_iPad>(timer()->customNumberOfQuestion(), timer()->customTotalTime(),
                                       timer()->customStartNumber());
}

std::shared_ptr<TimerResultsVC> TimerV2VC_iPad::makeTimerResultsVC(const std::shared_ptr<MTimerRecord>& r) {
    return ui::make<TimerResultsVC_iPad>(r, std::string(kResultsReturnKey));
}

std::shared_ptr<TimerAllResultsVC> TimerV2VC_iPad::makeTimerAllResultsVC(
    const std::shared_ptr<MTimerRecordSet>& set) {
    return ui::make<TimerAllResultsVC_iPad>(set);
}
