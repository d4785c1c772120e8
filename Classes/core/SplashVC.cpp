#include "Classes/core/SplashVC.h"

#include "platform/ui/ConnectionTable.h"

const ui::ConnectionTable& SplashVC::classConnections() {
    static const ui::ConnectionTable table("SplashVC", &ui::ViewController::classConnections());
    return table;
}

const ui::ConnectionTable& SplashVC_iPad::classConnections() {
    static const ui::ConnectionTable table("SplashVC_iPad", &SplashVC::classConnections());
    return table;
}

void SplashVC::registerOwners() {
    ui::ConnectionTable::registerOwner(SplashVC::classConnections());
    ui::ConnectionTable::registerOwner(SplashVC_iPad::classConnections());
}
