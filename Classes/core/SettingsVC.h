#pragma once
// The settings tool: a grouped list with one row per option screen, each row showing the screen
// class's picture, title and status text. A tap opens the row's option screen over the list; when
// the screen reports, the row reads its status again and, once the screen is gone, the list shows
// it. The rows come from the option screen classes, so the list holds no texts of its own.

#include <memory>
#include <string>
#include <vector>

#include "Classes/core/MSetting.h"
#include "Classes/core/ToolViewController.h"
#include "platform/ui/TableView.h"

class SettingsVC : public ToolViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    // The tags of a row cell's parts in its interface file.
    static constexpr int kPictureTag = 2;
    static constexpr int kTitleTag = 3;
    static constexpr int kStatusTag = 4;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // Registers the owner tables of the list and of its option screens for the interface-file checks.
    static void registerOwners();

    std::string nibIdentifier() const override { return "SettingsView"; }
    // The interface file of a row's cell, and the cell's reuse identifier.
    std::string cellIdentifier() const override { return "SettingsCell"; }

    using ToolViewController::init;
    void init() override;
    void viewDidLoad() override;

    // Appends a section of one row per class; an empty list adds nothing.
    void addGroup(const std::vector<OptionsClass>& classes);
    // The two sections: the forum login and tips, then practice and the tracker.
    virtual void fillSettings();

    // The done key posts that the tool is finished.
    void done(const ui::ConnectionTable::Sender& sender);

    int numberOfSections(ui::TableView&) override;
    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    // Opens the row's option screen when no other is open; the row becomes the current one only
    // then, so that a tap refused while a screen is open cannot take that screen's row from it.
    void openSetting(const std::shared_ptr<MSetting>& setting);
    // Any notification of an open option screen: its row reads its status again; once the screen
    // is taken back, the row forgets it and the list shows the new status. The row is the one whose
    // screen posted.
    void didObtainDoneNotification(const fnd::Notification& notification);

    const std::vector<std::vector<std::shared_ptr<MSetting>>>& groups() const { return groups_; }
    // The row whose option screen was opened last.
    const std::shared_ptr<MSetting>& currentSetting() const { return currentSetting_; }

    const std::shared_ptr<ui::TableView>& settingsTableView() const { return settingsTableView_; }

  private:
    std::shared_ptr<MSetting> rowOfScreen(const void* screen) const;

    std::shared_ptr<ui::TableView> settingsTableView_;
    // Where a cell loaded from its interface file arrives.
    std::shared_ptr<ui::View> theCell_;

    std::vector<std::vector<std::shared_ptr<MSetting>>> groups_;
    std::shared_ptr<MSetting> currentSetting_;
};

// The tablet's list, of the tablet option screens.
class SettingsVC_iPad : public SettingsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(SettingsVC::nibIdentifier()); }
    std::string cellIdentifier() const override { return tabletName(SettingsVC::cellIdentifier()); }
    void fillSettings() override;
};
