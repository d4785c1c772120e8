#include "Classes/library_store/ShopVC_iPad.h"

#include "platform/ui/ConnectionTable.h"
#include "platform/ui/View.h"

const ui::ConnectionTable& ShopVC_iPad::classConnections() {
    static const ui::ConnectionTable table("ShopVC_iPad", &ShopVC::classConnections());
    return table;
}

void ShopVC_iPad::setupTV() {
    ShopVC::setupTV();
    if (productsTV()) productsTV()->setRowHeight(kRowHeight);
}

double ShopVC_iPad::width() {
    auto home = homeView();
    return home ? home->bounds().size.width : 768;
}
