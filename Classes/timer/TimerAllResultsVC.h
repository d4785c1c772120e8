#pragma once
// Every kept timed section, newest first: name, questions, time and average per row, the day or
// the time it ended beneath. A tap opens the section's results; the edit mode and a sideways swipe
// delete a section at once; a key opens the text backup and restore. Every change is made on the
// timer's own record set.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/TableView.h"

class MTimerRecord;
class MTimerRecordSet;
class TimerIEVC;
class TimerResultsVC;

class TimerAllResultsVC : public SliddenViewController,
                          public ui::TableViewDataSource,
                          public ui::TableViewDelegate {
  public:
    static constexpr const char* kReturnKey = "All Results";
    static constexpr double kRowHeight = 50;
    static constexpr int kEditDoneTag = 2;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "TimerAllResultsView"; }

    using SliddenViewController::init;
    void init(const std::shared_ptr<MTimerRecordSet>& recordSet);
    void viewDidLoad() override;

    // The row's title ("%@ %@ %@ (%@)") and subtitle: the time of day it ended when that was
    // today (by the UTC date), else the day and the time.
    static std::string titleFor(const MTimerRecord& record);
    static std::string subtitleFor(const MTimerRecord& record);

    void timerResults(const fnd::Notification& notification);
    void editDoneMode(const Sender& sender);
    void showTimerIE(const Sender& sender);
    void timerIENotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    bool canEditRow(ui::TableView&, const ui::IndexPath&) override { return true; }
    void commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle style,
                            const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    const std::shared_ptr<MTimerRecordSet>& recordSet() const { return recordSet_; }
    const std::shared_ptr<ui::TableView>& rtableView() const { return rtableView_; }

  protected:
    virtual std::shared_ptr<TimerResultsVC> makeTimerResultsVC(const std::shared_ptr<MTimerRecord>& record);
    virtual std::shared_ptr<TimerIEVC> makeTimerIEVC();

  private:
    std::shared_ptr<MTimerRecordSet> recordSet_;
    std::shared_ptr<ui::TableView> rtableView_;
};
