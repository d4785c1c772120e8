#include "Classes/library_store/IBookVC_iPad.h"

const ui::ConnectionTable& IBookVC_iPad::classConnections() {
    static const ui::ConnectionTable table = connectionTable<IBookVC_iPad>("IBookVC_iPad");
    return table;
}
