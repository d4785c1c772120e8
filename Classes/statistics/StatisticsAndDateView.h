#pragma once
// The tablet home screen's statistics pane: the statistics panel and the countdown to the user's
// test date (the repository's testDate): days, and hours, minutes and seconds, redrawn five times a
// second while the date lies ahead; the date written out; or a note that no date is set, or that it
// has passed.
//
// The home screen hosts it as a view (made in code or named "StatisticsAndDateView" in its
// interface file), sends it showStatistics() and showTestDateInfo() when its view loads,
// showStatistics() or renderStatistics() when a tool is left, cancelPendingRequests() while a tool
// is open and showTestDateInfo() again when the tool has closed.

#include <memory>
#include <string>

#include "Classes/statistics/StatisticsView.h"

class StatisticsAndDateView : public StatisticsView {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "StatisticsAndDatePane-iPad"; }

    // Shows the date's state and, while it lies ahead, calls itself again after 0.2 seconds:
    // one countdown at a time, however often it is called.
    void showTestDateInfo();

    // "1 day", "2 days"; "02:03:04" for the rest of a day.
    static std::string daysText(int days);
    static std::string timeText(long seconds);

  private:
    std::shared_ptr<ui::Label> notificationL_, timerL_, timerDaysL_, normalTextL_, dateL_, passedTextL_;
};
