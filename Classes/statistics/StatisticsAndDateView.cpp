#include "Classes/statistics/StatisticsAndDateView.h"

#include <cmath>
#include <cstdio>

#include "Classes/core/MRepository.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Nib.h"

namespace {

constexpr double kCountdownInterval = 0.2;
// The id of the view that holds every part, in both interface files.
constexpr const char* kContentId = "content";
constexpr const char* kCountdownAction = "showTestDateInfo";

void show(const std::shared_ptr<ui::Label>& label, bool shown) {
    if (label) label->setHidden(!shown);
}

}  // namespace

const ui::ConnectionTable& StatisticsAndDateView::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("StatisticsAndDateView", &StatisticsView::classConnections())
            .outlet("notificationL", &StatisticsAndDateView::notificationL_)
            .outlet("timerL", &StatisticsAndDateView::timerL_)
            .outlet("timerDaysL", &StatisticsAndDateView::timerDaysL_)
            .outlet("normalTextL", &StatisticsAndDateView::normalTextL_)
            .outlet("dateL", &StatisticsAndDateView::dateL_)
            .outlet("passedTextL", &StatisticsAndDateView::passedTextL_);
    return table;
}

std::string StatisticsAndDateView::nibFor(Arrangement arrangement) {
    return arrangement == Arrangement::OneRow ? "StatisticsAndDatePane-iPad-Row"
                                              : "StatisticsAndDatePane-iPad";
}

ui::Size StatisticsAndDateView::sizeFor(Arrangement arrangement) {
    auto nib = ui::Nib::named(nibFor(arrangement));
    if (!nib) return {};
    auto frames = nib->framesById();
    auto content = frames.find(kContentId);
    return content == frames.end() ? ui::Size{} : content->second.size;
}

void StatisticsAndDateView::setArrangement(Arrangement arrangement) {
    if (arrangement == arrangement_) return;
    auto nib = ui::Nib::named(nibFor(arrangement));
    if (!nib) return;
    arrangement_ = arrangement;
    for (const auto& [id, frame] : nib->framesById())
        if (auto view = part(id)) view->setFrame(frame);
    setFrame({frame().origin, sizeFor(arrangement)});
    partsMoved();
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
        show(notificationL_, true);
        for (const auto* label : {&timerL_, &timerDaysL_, &normalTextL_, &dateL_, &passedTextL_})
            show(*label, false);
        return;
    }
    show(notificationL_, false);
    show(dateL_, true);
    if (dateL_) {
        fnd::DateFormatter formatter;
        formatter.setDateStyle(fnd::DateFormatter::Style::Long);
        formatter.setTimeStyle(fnd::DateFormatter::Style::None);
        dateL_->setText(formatter.stringFromDate(*date));
    }
    const double remaining = date->timeIntervalSinceNow();
    const bool over = remaining < 0;
    show(timerL_, !over);
    show(timerDaysL_, !over);
    show(normalTextL_, !over);
    show(passedTextL_, over);
    if (over) return;

    const int days = static_cast<int>(remaining / 86400);
    const long rest = static_cast<long>(remaining - 86400.0 * days);
    if (timerDaysL_) timerDaysL_->setText(daysText(days));
    if (timerL_) timerL_->setText(timeText(rest));
    fnd::RunLoop::main().performAfterDelay(kCountdownInterval, *this, kCountdownAction,
                                           &StatisticsAndDateView::showTestDateInfo);
}
