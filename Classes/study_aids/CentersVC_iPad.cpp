#include "Classes/study_aids/CentersVC_iPad.h"

#include "Classes/study_aids/CenterVC_iPad.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& CentersVC_iPad::classConnections() {
    static const ui::ConnectionTable table("CentersVC_iPad", &CentersVC::classConnections());
    return table;
}

CenterRows::Layout CentersVC_iPad::rowLayout() const {
    auto home = homeView();
    return CenterRows::Layout::tablet(home ? home->bounds().size.width : kTabletWidth);
}

std::shared_ptr<CenterVC> CentersVC_iPad::makeCenterVC(const std::shared_ptr<MCenter>& center) const {
    return ui::make<CenterVC_iPad>(center, currentLocation());
}

std::shared_ptr<CenterVC> CentersVC_iPad::makeCentersMapVC() const {
    return ui::make<CenterVC_iPad>(list().centers(), currentLocation());
}
