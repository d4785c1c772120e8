#pragma once
// The practice answers' text backup: the backup key mails every answer record of every set as a
// line of text (PracticeBackup), and the restore key reads a backup text that the user put into
// the device's pasteboard and adds the records not there yet, showing "added/found". The filter
// editor opens it and reloads its table when it posts "Done"; the restored records reach the disk
// with the practice repository's next save.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"

namespace ui {
class Button;
class Label;
}  // namespace ui

class PracticeIEVC : public SliddenViewController {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "PracticeIEView"; }

    using SliddenViewController::init;
    void init() override;
    void setup();

    void exportData(const Sender& sender = nullptr);
    void importData(const Sender& sender = nullptr);
    void doneCancelClick(const Sender& sender = nullptr);

    const std::shared_ptr<ui::Button>& backupBtn() const { return backupBtn_; }
    const std::shared_ptr<ui::Button>& clipboardBtn() const { return clipboardBtn_; }
    const std::shared_ptr<ui::Label>& importLbl() const { return importLbl_; }

  private:
    std::shared_ptr<ui::Button> backupBtn_, clipboardBtn_;
    std::shared_ptr<ui::Label> importLbl_;
};

class PracticeIEVC_iPad : public PracticeIEVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(PracticeIEVC::nibIdentifier()); }
};
