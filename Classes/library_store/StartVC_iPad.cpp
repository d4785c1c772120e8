#include "Classes/library_store/StartVC_iPad.h"

#include "Classes/library_store/IBookVC_iPad.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/StartSetVC_iPad.h"
#include "Classes/study_aids/MathVC_iPad.h"
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

std::shared_ptr<StartSetVC> StartVC_iPad::makeSmartBookVC(const std::shared_ptr<MEBook>& book) const {
    return ui::make<IBookVC_iPad>(book);
}

std::shared_ptr<CommonViewController> StartVC_iPad::makeMathVC() const { return ui::make<MathVC_iPad>(); }
