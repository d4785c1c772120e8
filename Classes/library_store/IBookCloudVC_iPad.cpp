#include "Classes/library_store/IBookCloudVC_iPad.h"

#include <algorithm>

#include "Classes/core/ToolChooseVC.h"
#include "Classes/errorlog/MCloud.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Random.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/View.h"

namespace {

// 30 points in from either end of the extent (whole points).
int startCoordinate(double extent) {
    return int(30 + fnd::Random::uniform(std::uint32_t(std::max(0, int(extent) - 60))));
}

}  // namespace

const ui::ConnectionTable& IBookCloudVC_iPad::classConnections() {
    static const ui::ConnectionTable table("IBookCloudVC_iPad", &IBookCloudVC::classConnections());
    return table;
}

void IBookCloudVC_iPad::init(std::shared_ptr<MIBIndex> index) {
    IBookCloudVC::init(std::move(index));
    fnd::NotificationCenter::defaultCenter().addObserver(
        sharedAs<fnd::Object>(), std::string(ToolChooseVC::kDidRotateNotification), nullptr,
        [weak = weakAs<IBookCloudVC_iPad>()](const fnd::Notification&) {
            if (auto self = weak.lock()) self->didRotate();
        });
}

void IBookCloudVC_iPad::setupV() {
    replaceCloud(kFirstCloudSize);
    view()->sendSubviewToBack(cloud()->cloudView().get());
}

int IBookCloudVC_iPad::cloudBoundsX(ui::Size size) const { return startCoordinate(size.width); }

int IBookCloudVC_iPad::cloudBoundsY(ui::Size size) const { return startCoordinate(size.height); }

void IBookCloudVC_iPad::didRotate(const Sender&) {
    auto home = homeView();
    if (!home || !isViewLoaded()) return;
    replaceCloud({home->bounds().size.width, home->bounds().size.height - MCloud::kTop});
    view()->sendSubviewToBack(cloud()->cloudView().get());
    showCloud();
}
