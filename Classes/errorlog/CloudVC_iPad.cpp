#include "Classes/errorlog/CloudVC_iPad.h"

#include "Classes/core/ToolChooseVC.h"
#include "Classes/errorlog/MCloud.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Random.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/View.h"

namespace {

// 30 + r mod (extent - 60), the modulus unsigned as the platform's random numbers are.
int startCoordinate(double extent) {
    auto range = std::uint32_t(int(extent) - 60);
    return int(30 + (range ? fnd::Random::next32() % range : 0));
}

}  // namespace

const ui::ConnectionTable& CloudVC_iPad::classConnections() {
    static const ui::ConnectionTable table("CloudVC_iPad", &CloudVC::classConnections());
    return table;
}

void CloudVC_iPad::init(Books books) {
    CloudVC::init(std::move(books));
    std::weak_ptr<CloudVC_iPad> weak = sharedAs<CloudVC_iPad>();
    fnd::NotificationCenter::defaultCenter().addObserver(sharedAs<fnd::Object>(),
                                                         std::string(ToolChooseVC::kDidRotateNotification),
                                                         nullptr, [weak](const fnd::Notification&) {
                                                             if (auto self = weak.lock()) self->didRotate();
                                                         });
}

int CloudVC_iPad::cloudBoundsX(ui::Size size) const { return startCoordinate(size.width); }

int CloudVC_iPad::cloudBoundsY(ui::Size size) const { return startCoordinate(size.height); }

void CloudVC_iPad::didRotate(const Sender&) {
    newCloud();
    showCloud();
}

void CloudVC_iPad::setupV() {
    setDefaults();
    auto cloud = std::make_shared<MCloud>(kFirstCloudSize);
    view()->addSubview(cloud->cloudView());
    view()->sendSubviewToBack(cloud->cloudView().get());
    setCloud(cloud);
}
