#include "Classes/timer/TimerClasses.h"

#include "Classes/timer/CustomEditKeyboardVC.h"
#include "Classes/timer/CustomEditVC.h"
#include "Classes/timer/CustomEditVC_iPad.h"
#include "Classes/timer/TimerAllResultsVC.h"
#include "Classes/timer/TimerAllResultsVC_iPad.h"
#include "Classes/timer/TimerConfirmVC.h"
#include "Classes/timer/TimerIEVC.h"
#include "Classes/timer/TimerResultsVC.h"
#include "Classes/timer/TimerResultsVC_iPad.h"
#include "Classes/timer/TimerSettingsVC.h"
#include "Classes/timer/TimerSettingsVC_iPad.h"
#include "Classes/timer/TimerV2VC.h"
#include "Classes/timer/TimerV2VC_iPad.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/View.h"

void TimerClasses::registerAll() {
    for (const ui::ConnectionTable* table :
         {&TimerV2VC::classConnections(), &TimerV2VC_iPad::classConnections(),
          &TimerConfirmVC::classConnections(), &TimerSettingsVC::classConnections(),
          &TimerSettingsVC_iPad::classConnections(), &CustomEditVC::classConnections(),
          &CustomEditVC_iPad::classConnections(), &CustomEditKeyboardVC::classConnections(),
          &TimerResultsVC::classConnections(), &TimerResultsVC_iPad::classConnections(),
          &TimerAllResultsVC::classConnections(), &TimerAllResultsVC_iPad::classConnections(),
          &TimerIEVC::classConnections(), &TimerIEVC_iPad::classConnections()})
        ui::ConnectionTable::registerOwner(*table);
}

int TimerClasses::senderTag(const ui::ConnectionTable::Sender& sender) {
    if (auto item = std::dynamic_pointer_cast<ui::BarButtonItem>(sender)) return item->tag();
    if (auto view = std::dynamic_pointer_cast<ui::View>(sender)) return view->tag();
    return 0;
}

const char* TimerClasses::closingNotification(int tag) {
    if (tag == kDoneTag) return kDoneNotification;
    if (tag == kCancelTag) return kCancelNotification;
    return nullptr;
}
