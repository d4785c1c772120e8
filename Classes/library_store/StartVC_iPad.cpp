#include "Classes/library_store/StartVC_iPad.h"

#include "Classes/library_store/StartSetVC_iPad.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& StartVC_iPad::classConnections() {
    static const ui::ConnectionTable table("StartVC_iPad", &StartVC::classConnections());
    return table;
}

LibraryCells::Layout StartVC_iPad::deviceLayout() const {
    auto home = CommonViewController::homeView();
    return LibraryCells::Layout::tablet(home ? double(int(home->bounds().size.width)) : 768);
}

std::shared_ptr<StartSetVC> StartVC_iPad::makeStartSetVC(const std::shared_ptr<MStartSet>& set) const {
    return ui::make<StartSetVC_iPad>(set);
}
