#include "Classes/forum_news/NewsVC.h"

#include <algorithm>
#include <mutex>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/forum_news/FeedAddVC.h"
#include "Classes/forum_news/FeedVC.h"
#include "Classes/forum_news/ItemVC.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MFeeds.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Image.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"

namespace {

constexpr const char* kReload = "reloadData";

}  // namespace

const ui::ConnectionTable& NewsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("NewsVC", &ToolViewController::classConnections())
            .outlet("newsTV", &NewsVC::newsTV_)
            .action("doneClick:", &NewsVC::doneClick)
            .action("refreshFeeds:", &NewsVC::refreshFeeds)
            .action("editFeeds:", &NewsVC::editFeeds);
    return table;
}

const ui::ConnectionTable& NewsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("NewsVC_iPad", &NewsVC::classConnections());
    return table;
}

void NewsVC::registerOwners() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const ui::ConnectionTable* table :
             {&NewsVC::classConnections(), &NewsVC_iPad::classConnections(), &FeedVC::classConnections(),
              &FeedVC_iPad::classConnections(), &ItemVC::classConnections(), &ItemVC_iPad::classConnections(),
              &FeedAddVC::classConnections()})
            ui::ConnectionTable::registerOwner(*table);
    });
}

void NewsVC::init() {
    layout_ = makeRowLayout();
    initWithNibName(nibIdentifier());
    animation();
    fnd::NotificationCenter::defaultCenter().addObserver(
        sharedAs<fnd::Object>(), std::string(MFeed::kUpdateDoneNotification), nullptr,
        fnd::whileAlive(*this, &NewsVC::feedUpdateNotifications));
    fnd::NotificationCenter::defaultCenter().post(kOpenedEvent, sharedAs<NewsVC>());
}

void NewsVC::viewDidLoad() {
    setupTV();
    resetButtons();
    ToolViewController::viewDidLoad();
    refreshFeeds(nullptr);
}

void NewsVC::setupTV() {
    if (!newsTV_) return;
    newsTV_->setDataSource(sharedAs<NewsVC>());
    newsTV_->setDelegate(sharedAs<NewsVC>());
    newsTV_->setRowHeight(layout_.rowHeight);
    newsTV_->setSectionHeaderHeight(layout_.headerHeight);
    newsTV_->setAllowsSelectionDuringEditing(true);
}

std::shared_ptr<MFeeds> NewsVC::feeds() const {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->feedSet() : nullptr;
}

std::shared_ptr<MFeed> NewsVC::feedAt(int row) const {
    auto list = feeds();
    if (!list || row < 0 || row >= int(list->feeds().size())) return nullptr;
    return list->feeds()[std::size_t(row)];
}

bool NewsVC::isEditing() const { return newsTV_ && newsTV_->isEditing(); }

void NewsVC::reloadAfter(double delay) {
    std::weak_ptr<ui::TableView> table = newsTV_;
    fnd::RunLoop::main().cancelPerforms(this, kReload);
    fnd::RunLoop::main().performAfterDelay(delay, this, kReload, [table] {
        if (auto t = table.lock()) t->reloadData();
    });
}

// ---- Keys

void NewsVC::resetButtons() {
    auto self = sharedAs<NewsVC>();
    using Parts = FlashcardsScreenParts;
    std::vector<std::shared_ptr<ui::BarButtonItem>> keys{
        Parts::key(ui::BarButtonItem::withTitle(kMainTitle), self, &NewsVC::doneClick),
        ui::BarButtonItem::flexibleSpace(),
        Parts::key(ui::BarButtonItem::withImage(ui::Image::named(kEditImage)), self, &NewsVC::editFeeds),
        ui::BarButtonItem::fixedSpace(refreshSpace()),
        Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Refresh), self,
                   &NewsVC::refreshFeeds)};
    if (trailingSpace() > 0) keys.push_back(ui::BarButtonItem::fixedSpace(trailingSpace()));
    Parts::showKeys(toolB().get(), std::move(keys));
}

void NewsVC::refreshFeeds(const Sender&) {
    reloadAfter(kRefreshReloadDelay);
    if (auto list = feeds()) list->update();
}

void NewsVC::editFeeds(const Sender&) {
    if (!newsTV_) return;
    newsTV_->setEditing(true, true);
    auto self = sharedAs<NewsVC>();
    using Parts = FlashcardsScreenParts;
    Parts::showKeys(toolB().get(),
                    {Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Done), self,
                                &NewsVC::doneEditing),
                     ui::BarButtonItem::flexibleSpace(),
                     Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Add), self,
                                &NewsVC::addFeed)});
    reloadAfter(kEditReloadDelay);
}

void NewsVC::doneEditing(const Sender&) {
    closeAddPanel();
    auto list = feeds();
    if (!newsTV_ || !list) return;
    std::vector<ui::IndexPath> inactive;
    for (std::size_t i = 0; i < list->feeds().size(); ++i)
        if (!list->feeds()[i]->isActive()) inactive.push_back({0, int(i)});
    newsTV_->setEditing(false, true);
    list->sortFeeds();
    newsTV_->deleteRows(inactive, ui::TableViewRowAnimation::Fade);
    resetButtons();
    reloadAfter(kEditReloadDelay);
}

int NewsVC::insertIndexFor(int firstVisibleRow, int feedCount) {
    return std::max(0, std::min(firstVisibleRow + kInsertOffset, feedCount - 1));
}

void NewsVC::addFeed(const Sender&) {
    if (feedAddVC_) return closeAddPanel();
    if (!canOpenSubview() || !newsTV_) return;
    auto visible = newsTV_->indexPathsForVisibleRows();
    int first = visible.empty() ? 0 : std::min_element(visible.begin(), visible.end())->row;
    auto list = feeds();
    insertIndex_ = insertIndexFor(first, list ? int(list->feeds().size()) : 0);
    feedAddVC_ = ui::make<FeedAddVC>(insertIndex_);
    registerMainChildDoneHandler(&NewsVC::feedAddNotifications, std::nullopt, feedAddVC_);
}

void NewsVC::closeAddPanel() {
    if (feedAddVC_ && proceedDoneNotification(nullptr, feedAddVC_)) feedAddVC_.reset();
}

void NewsVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<NewsVC>());
}

// ---- Children and notifications

std::shared_ptr<FeedVC> NewsVC::makeFeedVC(const std::shared_ptr<MFeed>& feed) {
    return ui::make<FeedVC>(feed);
}

std::shared_ptr<FeedVC> NewsVC_iPad::makeFeedVC(const std::shared_ptr<MFeed>& feed) {
    return ui::make<FeedVC_iPad>(feed);
}

void NewsVC::createFeedVCAtRow(int row) {
    auto feed = feedAt(row);
    if (!feed || !canOpenSubview()) return;
    feedVC_ = makeFeedVC(feed);
    registerMainChildDoneHandler(&NewsVC::feedNotifications, std::string(FeedVC::kDoneNotification), feedVC_);
}

void NewsVC::feedNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, feedVC_)) return;
    feedVC_.reset();
    if (newsTV_) newsTV_->reloadData();
}

void NewsVC::feedUpdateNotifications(const fnd::Notification&) {
    if (newsTV_) newsTV_->reloadData();
}

void NewsVC::feedAddNotifications(const fnd::Notification& notification) {
    auto panel = feedAddVC_;
    if (!panel) return;
    const std::string& name = notification.name;
    if (name == FeedAddVC::kScrollNotification) {
        if (newsTV_ && panel->foundFeedIndex() >= 0 && panel->foundFeedIndex() < newsTV_->numberOfRows(0))
            newsTV_->scrollToRow({0, panel->foundFeedIndex()}, ui::TableViewScrollPosition::Bottom, true);
        return;
    }
    // The panel also tells the tips of a new feed; only its own notifications end it.
    if (name != FeedAddVC::kActivateNotification && name != FeedAddVC::kInsertNotification &&
        name != FeedAddVC::kDoneNotification)
        return;
    if (name == FeedAddVC::kActivateNotification && newsTV_ && panel->foundFeedIndex() >= 0 &&
        panel->foundFeedIndex() < newsTV_->numberOfRows(0))
        newsTV_->reloadRows({{0, panel->foundFeedIndex()}}, ui::TableViewRowAnimation::Fade);
    if (!proceedDoneNotification(&notification, panel)) return;
    feedAddVC_.reset();
    if (name == FeedAddVC::kInsertNotification && newsTV_)
        newsTV_->insertRows({{0, panel->insertIndex()}}, ui::TableViewRowAnimation::Fade);
}

// ---- Table

int NewsVC::numberOfRows(ui::TableView& table, int) {
    auto list = feeds();
    if (!list) return 0;
    return table.isEditing() ? int(list->feeds().size()) : list->countActive();
}

std::shared_ptr<ui::TableViewCell> NewsVC::cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(NewsCells::kFeedCellIdentifier);
    if (!cell) cell = NewsCells::makeFeedRow(layout_);
    if (auto feed = feedAt(indexPath.row))
        NewsCells::showFeed(*cell, *feed, indexPath.row, table.isEditing(), layout_);
    return cell;
}

bool NewsVC::canEditRow(ui::TableView& table, const ui::IndexPath&) { return table.isEditing(); }

bool NewsVC::canMoveRow(ui::TableView& table, const ui::IndexPath&) { return table.isEditing(); }

ui::TableViewCellEditingStyle NewsVC::editingStyleForRow(ui::TableView&, const ui::IndexPath& indexPath) {
    auto feed = feedAt(indexPath.row);
    return feed && !feed->isPermanent() ? ui::TableViewCellEditingStyle::Delete
                                        : ui::TableViewCellEditingStyle::None;
}

bool NewsVC::shouldIndentWhileEditingRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    return editingStyleForRow(table, indexPath) != ui::TableViewCellEditingStyle::None;
}

void NewsVC::commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle style,
                                const ui::IndexPath& indexPath) {
    auto list = feeds();
    auto feed = feedAt(indexPath.row);
    if (style != ui::TableViewCellEditingStyle::Delete || !list || !feed || feed->isPermanent()) return;
    list->feeds().erase(list->feeds().begin() + indexPath.row);
    table.deleteRows({indexPath}, ui::TableViewRowAnimation::Fade);
}

void NewsVC::moveRow(ui::TableView&, const ui::IndexPath& from, const ui::IndexPath& to) {
    if (auto list = feeds()) FlashcardsScreenParts::move(list->feeds(), from.row, to.row);
}

std::optional<ui::IndexPath> NewsVC::willSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    if (!table.isEditing()) return indexPath;
    if (auto feed = feedAt(indexPath.row)) {
        feed->setIsActive(!feed->isActive());
        table.reloadRows({indexPath}, ui::TableViewRowAnimation::None);
    }
    return std::nullopt;
}

void NewsVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    createFeedVCAtRow(indexPath.row);
}

void NewsVC::back() {
    closeAddPanel();
    fnd::RunLoop::main().cancelPerforms(this, kReload);
    ToolViewController::back();
}
