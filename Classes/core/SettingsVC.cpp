#include "Classes/core/SettingsVC.h"

#include "Classes/core/OptionsViewController.h"
#include "Classes/core/TipsSettingsVC.h"
#include "Classes/errorlog/BooksSettingsVC.h"
#include "Classes/forum_news/ForumSettingsVC.h"
#include "Classes/practice/SetsSettingsVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Nib.h"

const ui::ConnectionTable& SettingsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("SettingsVC", &ToolViewController::classConnections())
            .outlet("settingsTableView", &SettingsVC::settingsTableView_)
            .outlet("theCell", &SettingsVC::theCell_)
            .action("done:", &SettingsVC::done);
    return table;
}

const ui::ConnectionTable& SettingsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("SettingsVC_iPad", &SettingsVC::classConnections());
    return table;
}

void SettingsVC::registerOwners() {
    ui::ConnectionTable::registerOwner(SettingsVC::classConnections());
    ui::ConnectionTable::registerOwner(SettingsVC_iPad::classConnections());
    TipsSettingsVC::registerOwners();
    ForumSettingsVC::registerOwners();
    SetsSettingsVC::registerOwners();
    BooksSettingsVC::registerOwners();
}

void SettingsVC::init() {
    initWithNibName(nibIdentifier());
    groups_.clear();
    fillSettings();
    animation();
}

void SettingsVC::viewDidLoad() {
    settingsTableView_->setDataSource(sharedAs<SettingsVC>());
    settingsTableView_->setDelegate(sharedAs<SettingsVC>());
    settingsTableView_->setBackgroundColor(ui::Color::clear());
    if (settingsTableView_->backgroundView()) {
        settingsTableView_->setBackgroundView(ui::make<ui::View>());
        settingsTableView_->setBackgroundColor(ui::Color::clear());
    }
    ToolViewController::viewDidLoad();
}

void SettingsVC::addGroup(const std::vector<OptionsClass>& classes) {
    if (classes.empty()) return;
    std::vector<std::shared_ptr<MSetting>> rows;
    for (const auto& c : classes) rows.push_back(std::make_shared<MSetting>(c));
    groups_.push_back(std::move(rows));
}

void SettingsVC::fillSettings() {
    addGroup({OptionsClass::of<ForumSettingsVC>(), OptionsClass::of<TipsSettingsVC>()});
    addGroup({OptionsClass::of<SetsSettingsVC>(), OptionsClass::of<BooksSettingsVC>()});
}

void SettingsVC_iPad::fillSettings() {
    addGroup({OptionsClass::of<ForumSettingsVC_iPad>(), OptionsClass::of<TipsSettingsVC_iPad>()});
    addGroup({OptionsClass::of<SetsSettingsVC_iPad>(), OptionsClass::of<BooksSettingsVC_iPad>()});
}

void SettingsVC::done(const ui::ConnectionTable::Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<SettingsVC>());
}

// ---- The table

int SettingsVC::numberOfSections(ui::TableView&) { return int(groups_.size()); }

int SettingsVC::numberOfRows(ui::TableView&, int section) {
    if (section < 0 || section >= int(groups_.size())) return 0;
    return int(groups_[std::size_t(section)].size());
}

std::shared_ptr<ui::TableViewCell> SettingsVC::cellForRow(ui::TableView& table,
                                                          const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(cellIdentifier());
    if (!cell) {
        ui::Nib::load(cellIdentifier(), *this);
        cell = std::dynamic_pointer_cast<ui::TableViewCell>(theCell_);
        theCell_.reset();
        if (!cell) cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, cellIdentifier());
    }
    const MSetting& row = *groups_[std::size_t(indexPath.section)][std::size_t(indexPath.row)];
    // Every part is set, empty where the row has nothing: a reused cell must not show another row's.
    if (auto picture = std::dynamic_pointer_cast<ui::ImageView>(cell->viewWithTag(kPictureTag)))
        picture->setImage(row.picture());
    if (auto title = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kTitleTag)))
        title->setText(row.title());
    if (auto status = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kStatusTag)))
        status->setText(row.status());
    return cell;
}

void SettingsVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    if (indexPath.section < 0 || indexPath.section >= int(groups_.size())) return;
    const auto& group = groups_[std::size_t(indexPath.section)];
    if (indexPath.row < 0 || indexPath.row >= int(group.size())) return;
    const auto& setting = group[std::size_t(indexPath.row)];
    if (setting->vcClass()) openSetting(setting);
}

// ---- Option screens

void SettingsVC::openSetting(const std::shared_ptr<MSetting>& setting) {
    if (!setting || !setting->vcClass() || !canOpenSubview()) return;
    currentSetting_ = setting;
    auto screen = setting->vcClass()->make();
    setting->setVc(screen);
    registerMainChildDoneHandler(&SettingsVC::didObtainDoneNotification, std::nullopt, screen);
}

std::shared_ptr<MSetting> SettingsVC::rowOfScreen(const void* screen) const {
    for (const auto& group : groups_)
        for (const auto& row : group)
            if (row->vc() && notificationId(row->vc().get()) == screen) return row;
    return nullptr;
}

void SettingsVC::didObtainDoneNotification(const fnd::Notification& notification) {
    auto row = rowOfScreen(notification.objectId);
    if (!row) return;
    row->readStatus();
    if (proceedDoneNotification(&notification, row->vc())) {
        row->setVc(nullptr);
        settingsTableView_->reloadData();
    }
}
