#include "Classes/statistics/StatisticsClasses.h"

#include <mutex>

#include "Classes/statistics/EditTestDateVC.h"
#include "Classes/statistics/StatisticsAndDateView.h"
#include "Classes/statistics/StatisticsVC.h"
#include "Classes/statistics/StatisticsView.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ViewClassRegistry.h"

void StatisticsClasses::registerAll() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto& views = ui::ViewClassRegistry::shared();
        views.registerClass<StatisticsView>("StatisticsView", "View");
        views.registerClass<StatisticsAndDateView>("StatisticsAndDateView", "StatisticsView");
        ui::ConnectionTable::registerOwner(StatisticsView::classConnections());
        ui::ConnectionTable::registerOwner(StatisticsAndDateView::classConnections());
        ui::ConnectionTable::registerOwner(StatisticsVC::classConnections());
        ui::ConnectionTable::registerOwner(EditTestDateVC::classConnections());
        ui::ConnectionTable::registerOwner(EditTestDateVC_iPad::classConnections());
    });
}
