#include "Classes/library_store/IBookItemVC.h"

#include "platform/ui/ConnectionTable.h"

const ui::ConnectionTable& IBookItemVC::classConnections() {
    static const ui::ConnectionTable table("IBookItemVC", &StartItemVC::classConnections());
    return table;
}
