#include "Classes/forum_news/FeedVC.h"

#include "Classes/forum_news/ItemVC.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MItem.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

namespace {

constexpr double kTabletX = 50;
constexpr double kTabletMargins = 70;

}  // namespace

const ui::ConnectionTable& FeedVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("FeedVC", &SliddenViewController::classConnections())
            .outlet("feedTV", &FeedVC::feedTV_)
            .outlet("shortNameLbl", &FeedVC::shortNameLbl_)
            .outlet("fullNameLbl", &FeedVC::fullNameLbl_)
            .action("markAllRead:", &FeedVC::markAllRead)
            .action("doneClick:", &FeedVC::doneClick);
    return table;
}

const ui::ConnectionTable& FeedVC_iPad::classConnections() {
    static const ui::ConnectionTable table("FeedVC_iPad", &FeedVC::classConnections());
    return table;
}

void FeedVC::init(std::shared_ptr<MFeed> feed) {
    feed_ = feed ? std::move(feed) : std::make_shared<MFeed>();
    initWithNibName(nibIdentifier());
    animation();
}

void FeedVC::viewDidLoad() {
    if (shortNameLbl_) shortNameLbl_->setText(feed_->organization().value_or(""));
    if (fullNameLbl_) fullNameLbl_->setText(feed_->title().value_or(""));
    if (feedTV_) {
        feedTV_->setDataSource(sharedAs<FeedVC>());
        feedTV_->setDelegate(sharedAs<FeedVC>());
        feedTV_->setRowHeight(kRowHeight);
    }
    SliddenViewController::viewDidLoad();
}

NewsCells::ItemRowLayout FeedVC::rowLayout() const {
    return {titleFrame(), pubDateFrame(), descriptionFrame(), unreadIVcenter(), kRowHeight};
}

double FeedVC_iPad::rowWidth() {
    auto home = homeView();
    return (home ? home->bounds().size.width : 768) - kTabletMargins;
}
ui::Rect FeedVC_iPad::titleFrame() const { return {kTabletX, 5, rowWidth(), 20}; }
ui::Rect FeedVC_iPad::pubDateFrame() const { return {kTabletX, 22, rowWidth(), 18}; }
ui::Rect FeedVC_iPad::descriptionFrame() const { return {kTabletX, 37, rowWidth(), 36}; }

void FeedVC::markAllRead(const Sender&) {
    for (const auto& item : feed_->items()) item->setIsRead(true);
    if (feedTV_) feedTV_->reloadData();
}

std::shared_ptr<ItemVC> FeedVC::makeItemVC(const std::shared_ptr<MItem>& item) {
    return ui::make<ItemVC>(item);
}

std::shared_ptr<ItemVC> FeedVC_iPad::makeItemVC(const std::shared_ptr<MItem>& item) {
    return ui::make<ItemVC_iPad>(item);
}

void FeedVC::itemNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, itemVC_)) return;
    itemVC_.reset();
    if (feedTV_) feedTV_->reloadData();
}

void FeedVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<FeedVC>());
}

int FeedVC::numberOfRows(ui::TableView&, int) { return int(feed_->items().size()); }

std::shared_ptr<ui::TableViewCell> FeedVC::cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    NewsCells::ItemRowLayout layout = rowLayout();
    auto cell = table.dequeueReusableCell(NewsCells::kItemCellIdentifier);
    if (!cell) cell = NewsCells::makeItemRow(layout);
    const auto& items = feed_->items();
    if (indexPath.row >= 0 && indexPath.row < int(items.size()))
        NewsCells::showItem(*cell, *items[std::size_t(indexPath.row)], layout);
    return cell;
}

void FeedVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    const auto& items = feed_->items();
    if (indexPath.row < 0 || indexPath.row >= int(items.size()) || !canOpenSubview()) return;
    itemVC_ = makeItemVC(items[std::size_t(indexPath.row)]);
    registerMainChildDoneHandler(&FeedVC::itemNotifications, std::string(ItemVC::kDoneNotification), itemVC_);
}
