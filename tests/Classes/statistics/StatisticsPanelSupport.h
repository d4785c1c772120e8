#pragma once
// What the tests of the statistics panels share: a phone device with the manual clock at a fixed
// time, a repository of chosen answers, and panels that have finished their computation.

#include <memory>
#include <string>

#include "Classes/core/MRepository.h"
#include "Classes/statistics/StatisticsView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/StatisticsFixtures.h"
#include "tests/support/ViewTestSupport.h"

namespace statistics_test {

// 2026-05-13 12:00 UTC, a Wednesday.
constexpr double kNow = 800366400;

class StatisticsPanelTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override;

    // A panel of the class over `rep` whose first computation has been drawn.
    template <class Panel>
    std::shared_ptr<Panel> computedPanel(const std::shared_ptr<MRepository>& rep) {
        auto panel = ui::make<Panel>(ui::Rect{});
        panel->setRepository(rep);
        panel->showStatistics();
        EXPECT_TRUE(runUntil([&] { return panel->aggregator(StatisticsView::kAllField) != nullptr; }));
        return panel;
    }
    std::shared_ptr<MRepository> repository() { return repositoryWith(practice, errorLog); }

    static std::shared_ptr<ui::Label> label(const StatisticsView& panel, const std::string& outlet);
    static std::shared_ptr<ui::View> outlet(const StatisticsView& panel, const std::string& name) {
        return testing_support::findByOutlet(panel, name);
    }

    PracticeFixture practice;
    ErrorLogFixture errorLog;
};

}  // namespace statistics_test
