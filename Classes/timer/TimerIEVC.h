#pragma once
// The backup and restore of the kept timed sections: the backup key opens a new mail whose body is
// the backup text; the clipboard key reads the pasteboard and adds the sections found there that
// are not kept yet, showing how many answer lines it took of how many it found ("imported/found").

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"

class MTimerRecordSet;
namespace ui {
class Button;
class Label;
}  // namespace ui

class TimerIEVC : public SliddenViewController {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "TimerIEView"; }

    using SliddenViewController::init;
    void init(const std::shared_ptr<MTimerRecordSet>& recordSet);
    void setupWithTimerRecordSet(const std::shared_ptr<MTimerRecordSet>& recordSet);

    void exportData(const Sender& sender);
    void importData(const Sender& sender);
    void doneCancelClick(const Sender& sender);

    const std::shared_ptr<ui::Label>& importLbl() const { return importLbl_; }
    const std::shared_ptr<MTimerRecordSet>& recordSet() const { return recordSet_; }

  private:
    std::shared_ptr<ui::Button> backupBtn_, clipboardBtn_;
    std::shared_ptr<ui::Label> importLbl_;
    std::shared_ptr<MTimerRecordSet> recordSet_;
};

class TimerIEVC_iPad : public TimerIEVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "TimerIEView-iPad"; }
};
