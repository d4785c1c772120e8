#include "Classes/study_aids/StudyAidsPanels.h"

#include <mutex>

#include "Classes/study_aids/CalculatorVC.h"
#include "Classes/study_aids/DictionaryVC.h"
#include "Classes/study_aids/ScratchpadVC.h"
#include "platform/ui/ConnectionTable.h"

void StudyAidsPanels::registerAll() {
    static std::once_flag once;
    std::call_once(once, [] {
        ScratchpadVC::registerClasses();
        ui::ConnectionTable::registerOwner(CalculatorVC::classConnections());
        ui::ConnectionTable::registerOwner(DictionaryVC::classConnections());
    });
}
