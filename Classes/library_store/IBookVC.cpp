#include "Classes/library_store/IBookVC.h"

const ui::ConnectionTable& IBookVC::classConnections() {
    static const ui::ConnectionTable table = connectionTable<IBookVC>("IBookVC");
    return table;
}
