#include "Classes/library_store/StartSetVC_iPad.h"

#include "Classes/library_store/StartItemVC_iPad.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& StartSetVC_iPad::classConnections() {
    static const ui::ConnectionTable table("StartSetVC_iPad", &StartSetVC::classConnections());
    return table;
}

std::string StartSetVC_iPad::nibIdentifierForSet(const MStartSet& set) const {
    return tabletName(StartSetVC::nibIdentifierForSet(set));
}

void StartSetVC_iPad::setupFonts() { setFontSizes(19, 14); }

ui::Rect StartSetVC_iPad::titleFrame(int depth) const {
    return {95.0 + 25 * depth, 12, 620.0 - 25 * depth, 40};
}

std::shared_ptr<StartItemVC> StartSetVC_iPad::makeStartItemVC(const std::shared_ptr<MStartItem>& item) {
    return ui::make<StartItemVC_iPad>(item, set());
}
