#pragma once
// Edits a custom question set: a table of its questions (number, type and the start of the body),
// each removed by the delete gesture, the rest numbered on again; the add key opens the
// add-questions screen, and the delete-set key asks before it takes the whole set away. The title
// shows "NAME (COUNT)" after every change. "Done" is posted by the done key and after the set is
// deleted; the filter editor then reloads its table.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/TableView.h"

class MQSet;
namespace ui {
class Label;
}

class PracticeCSEditVC : public SliddenViewController,
                         public ui::TableViewDataSource,
                         public ui::TableViewDelegate,
                         public ui::ActionSheetDelegate {
  public:
    static constexpr const char* kCellIdentifier = "any-cell";
    static constexpr const char* kDeleteTitle = "Are you sure you want to delete the set?";
    static constexpr double kRowHeight = 70;
    static constexpr double kReloadDelay = 0.3;
    // The parts of a row.
    enum Tag { kNumberTag = 1, kTypeTag = 2, kBodyTag = 3 };

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "PracticeCSEditView"; }

    using SliddenViewController::init;
    // "initWithQSet:".
    void init(std::shared_ptr<MQSet> set);
    void viewDidLoad() override;
    void back() override;

    // ---- Table
    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    bool canEditRow(ui::TableView&, const ui::IndexPath&) override { return true; }
    ui::TableViewCellEditingStyle editingStyleForRow(ui::TableView&, const ui::IndexPath&) override;
    void commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle style,
                            const ui::IndexPath& indexPath) override;
    std::optional<ui::IndexPath> willSelectRow(ui::TableView&, const ui::IndexPath&) override {
        return std::nullopt;
    }
    double heightForRow(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }

    // ---- Keys
    virtual void openPracticeCSAddQuestions(const Sender& sender = nullptr);
    void practiceCSAddQuestionsNotifications(const fnd::Notification& notification);
    void deleteCSet(const Sender& sender = nullptr);
    void actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) override;
    void doneClick(const Sender& sender = nullptr);

    const std::shared_ptr<ui::TableView>& customSetTV() const { return customSetTV_; }
    const std::shared_ptr<ui::Label>& nameLbl() const { return nameLbl_; }
    const std::shared_ptr<MQSet>& customSet() const { return customSet_; }
    const std::shared_ptr<CommonViewController>& practiceCSAddQuestionsVC() const { return addQuestionsVC_; }

  protected:
    void showAddQuestions(std::shared_ptr<CommonViewController> screen);

  private:
    std::shared_ptr<ui::TableViewCell> makeCell() const;
    void updateTitle();

    std::shared_ptr<ui::TableView> customSetTV_;
    std::shared_ptr<ui::Label> nameLbl_;
    std::shared_ptr<MQSet> customSet_;
    std::shared_ptr<CommonViewController> addQuestionsVC_;
};
