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
//
// The pane has two arrangements of its four blocks (the accuracy chart, the answers per step, the
// countdown and the table of answers): two rows of two, where the screen leaves it the height, and
// one low row of four where it does not. The second is an interface file of its own that places
// the same parts (by their ids) otherwise.

#include <memory>
#include <string>

#include "Classes/statistics/StatisticsView.h"

class StatisticsAndDateView : public StatisticsView {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "StatisticsAndDatePane-iPad"; }

    enum class Arrangement { TwoRows, OneRow };
    // The interface file that places the parts so, and the pane's size then.
    static std::string nibFor(Arrangement arrangement);
    static ui::Size sizeFor(Arrangement arrangement);
    Arrangement arrangement() const { return arrangement_; }
    // Places the parts as the arrangement's file does and takes its size; the chart is drawn anew.
    void setArrangement(Arrangement arrangement);

    // Shows the date's state and, while it lies ahead, calls itself again after 0.2 seconds:
    // one countdown at a time, however often it is called.
    void showTestDateInfo();

    // "1 day", "2 days"; "02:03:04" for the rest of a day.
    static std::string daysText(int days);
    static std::string timeText(long seconds);

  private:
    Arrangement arrangement_ = Arrangement::TwoRows;
    std::shared_ptr<ui::Label> notificationL_, timerL_, timerDaysL_, normalTextL_, dateL_, passedTextL_;
};
