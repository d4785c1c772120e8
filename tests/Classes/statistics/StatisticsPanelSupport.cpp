#include "tests/Classes/statistics/StatisticsPanelSupport.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "platform/foundation/TimeZone.h"

namespace statistics_test {

void StatisticsPanelTest::SetUp() {
    ScreenTestEnvironment::SetUp();
    AbstractAppDelegate::registerClasses();
    clock->setWallTime(kNow);
    fnd::TimeZone::setCurrent(fnd::TimeZone::gmt());
}

std::shared_ptr<ui::Label> StatisticsPanelTest::label(const StatisticsView& panel,
                                                      const std::string& outlet) {
    return std::dynamic_pointer_cast<ui::Label>(testing_support::findByOutlet(panel, outlet));
}

}  // namespace statistics_test
