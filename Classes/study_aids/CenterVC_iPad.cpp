#include "Classes/study_aids/CenterVC_iPad.h"

#include "platform/ui/ConnectionTable.h"

const ui::ConnectionTable& CenterVC_iPad::classConnections() {
    static const ui::ConnectionTable table("CenterVC_iPad", &CenterVC::classConnections());
    return table;
}
