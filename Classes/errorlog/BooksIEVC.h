#pragma once
// The error log's text backup: a key mails a readable report of the books' answers, another mails
// a backup of every attempt (BooksBackup), and a third restores the attempts of a backup text that
// the user put into the device's pasteboard, showing "added/valid" lines. The restored attempts
// are saved with the tracker's data when the tool closes.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"

namespace ui {
class Button;
class Label;
}  // namespace ui

class BooksIEVC : public SliddenViewController {
  public:
    // The tags of the two mail keys.
    enum Tag { kReportTag = 1, kBackupTag = 2 };

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "BooksIEView"; }

    void init() override;
    void exportData(const Sender& sender);
    void importData(const Sender& sender = nullptr);
    void doneCancelClick(const Sender& sender = nullptr);

    const std::shared_ptr<ui::Button>& txtBtn() const { return txtBtn_; }
    const std::shared_ptr<ui::Button>& backupBtn() const { return backupBtn_; }
    const std::shared_ptr<ui::Button>& clipboardBtn() const { return clipboardBtn_; }
    const std::shared_ptr<ui::Label>& importLbl() const { return importLbl_; }

  private:
    std::shared_ptr<ui::Button> txtBtn_, backupBtn_, clipboardBtn_;
    std::shared_ptr<ui::Label> importLbl_;
};

class BooksIEVC_iPad : public BooksIEVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(BooksIEVC::nibIdentifier()); }
};
