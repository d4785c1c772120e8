#include "Classes/statistics/StatisticsAndDateView.h"

#include <cmath>
#include <cstdio>

#include "Classes/core/MRepository.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"

namespace {

constexpr double kCountdownInterval = 0.2;
constexpr const char* kCountdownAction = "showTestDateInfo";

void show(const std::shared_ptr<ui::Label>& label, bool shown) {
    if (label) label->setHidden(!shown);
}

}  // namespace

const ui::ConnectionTable& StatisticsAndDateView::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("StatisticsAndDateView", &StatisticsView::classConnections())
            .outlet("notificationL", &StatisticsAndDateView::notificationL)
            .outlet("timerL", &StatisticsAndDateView::timerL)
            .outlet("timerDaysL", &StatisticsAndDateView::timerDaysL)
            .outlet("normalTextL", &StatisticsAndDateView::normalTextL)
            .outlet("dateL", &StatisticsAndDateView::dateL)
            .outlet("passedTextL", &StatisticsAndDateView::passedTextL);
    return table;
}

std::string StatisticsAndDateView::daysText(int days) {
    return std::to_string(days) + (days == 1 ? " day" : " days");
}

std::string StatisticsAndDateView::timeText(long seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds % 3600 / 60, seconds % 60);
    return text;
}

void StatisticsAndDateView::showTestDateInfo() {
    fnd::RunLoop::main().cancelPerforms(requestTarget(), kCountdownAction);
    auto rep = repository();
    const std::optional<fnd::Date> date = rep ? rep->testDate() : std::nullopt;
    if (!date) {
        show(notificationL, true);
        for (const auto* label : {&timerL, &timerDaysL, &normalTextL, &dateL, &passedTextL})
            show(*label, false);
        return;
    }
    show(notificationL, false);
    show(dateL, true);
    if (dateL) {
        fnd::DateFormatter formatter;
        formatter.setDateStyle(fnd::DateFormatter::Style::Long);
        formatter.setTimeStyle(fnd::DateFormatter::Style::None);
        dateL->setText(formatter.stringFromDate(*date));
    }
    const double remaining = date->timeIntervalSinceNow();
    const bool over = remaining < 0;
    show(timerL, !over);
    show(timerDaysL, !over);
    show(normalTextL, !over);
    show(passedTextL, over);
    if (over) return;

    const int days = static_cast<int>(remaining / 86400);
    const long rest = static_cast<long>(remaining - 86400.0 * days);
    if (timerDaysL) timerDaysL->setText(daysText(days));
    if (timerL) timerL->setText(timeText(rest));
    fnd::RunLoop::main().performAfterDelay(kCountdownInterval, *this, kCountdownAction,
                                           &StatisticsAndDateView::showTestDateInfo);
}
