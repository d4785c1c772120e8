#include "Classes/practice/SetsSettingsVC_iPad.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"

const ui::ConnectionTable& SetsSettingsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("SetsSettingsVC_iPad", &SetsSettingsVC::classConnections());
    return table;
}

void SetsSettingsVC_iPad::updateViews() { updateScanViews(); }

void SetsSettingsVC_iPad::doneClick(const ui::ConnectionTable::Sender&) {
    storeScanOptions();
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<SetsSettingsVC>());
}
