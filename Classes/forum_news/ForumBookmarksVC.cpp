#include "Classes/forum_news/ForumBookmarksVC.h"

#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/forum_news/ForumBookmarkVC.h"
#include "Classes/forum_news/MBookmark.h"
#include "Classes/forum_news/MBookmarks.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"

const ui::ConnectionTable& ForumBookmarksVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ForumBookmarksVC", &SliddenViewController::classConnections())
            .outlet("bookmarksTableView", &ForumBookmarksVC::bookmarksTableView_)
            .outlet("theCell", &ForumBookmarksVC::theCell_);
    return table;
}

void ForumBookmarksVC::init(std::shared_ptr<MBookmarks> bookmarks) {
    bookmarks_ = bookmarks ? std::move(bookmarks) : std::make_shared<MBookmarks>();
    setSlideDirection(kFromBottom);
    initWithNibName(nibIdentifier());
    animation();
}

void ForumBookmarksVC::viewDidLoad() {
    auto self = sharedAs<ForumBookmarksVC>();
    using Parts = FlashcardsScreenParts;
    doneBtn_ = Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Done), self,
                          &ForumBookmarksVC::done);
    flexibleSpaceBtn_ = ui::BarButtonItem::flexibleSpace();
    editBtn_ = Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Edit), self,
                          &ForumBookmarksVC::edit);
    showKeys();
    if (bookmarksTableView_) {
        bookmarksTableView_->setDataSource(self);
        bookmarksTableView_->setDelegate(self);
        bookmarksTableView_->setRowHeight(kRowHeight);
        bookmarksTableView_->setAllowsSelectionDuringEditing(true);
    }
    SliddenViewController::viewDidLoad();
}

void ForumBookmarksVC::showKeys() {
    if (isInEditMode_)
        FlashcardsScreenParts::showKeys(toolB().get(), {doneBtn_});
    else
        FlashcardsScreenParts::showKeys(toolB().get(), {doneBtn_, flexibleSpaceBtn_, editBtn_});
}

std::shared_ptr<MBookmark> ForumBookmarksVC::bookmarkAt(int row) const {
    const auto& list = bookmarks_->bookmarks();
    return row >= 0 && row < int(list.size()) ? list[std::size_t(row)] : nullptr;
}

void ForumBookmarksVC::postDone() {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<ForumBookmarksVC>());
}

void ForumBookmarksVC::done(const Sender&) {
    if (!isInEditMode_) return postDone();
    isInEditMode_ = false;
    showKeys();
    if (!bookmarksTableView_) return;
    bookmarksTableView_->setEditing(false, true);
    FlashcardsScreenParts::reloadLater(bookmarksTableView_, this);
}

void ForumBookmarksVC::edit(const Sender&) {
    isInEditMode_ = true;
    showKeys();
    if (!bookmarksTableView_) return;
    bookmarksTableView_->setEditing(true, true);
    FlashcardsScreenParts::reloadLater(bookmarksTableView_, this);
}

void ForumBookmarksVC::followBookmark(int row) {
    auto bookmark = bookmarkAt(row);
    if (!bookmark) return;
    isFollowingBookmark_ = true;
    bookmarkToFollow_ = bookmark;
    postDone();
}

void ForumBookmarksVC::editBookmark(int row) {
    auto bookmark = bookmarkAt(row);
    if (!bookmark || !canOpenSubview()) return;
    bookmarkEditVC_ = ui::make<ForumBookmarkVC>(bookmark);
    registerMainChildDoneHandler(&ForumBookmarksVC::didObtainForumBookmarkVCBackNotification,
                                 std::string(ForumBookmarkVC::kDoneNotification), bookmarkEditVC_);
}

void ForumBookmarksVC::didObtainForumBookmarkVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, bookmarkEditVC_)) return;
    bookmarkEditVC_.reset();
    if (bookmarksTableView_) bookmarksTableView_->reloadData();
}

int ForumBookmarksVC::numberOfRows(ui::TableView&, int) { return int(bookmarks_->bookmarks().size()); }

std::shared_ptr<ui::TableViewCell> ForumBookmarksVC::cellForRow(ui::TableView& table,
                                                                const ui::IndexPath& indexPath) {
    auto cell = FlashcardsScreenParts::cell(table, cellIdentifier(), *this, theCell_);
    auto bookmark = bookmarkAt(indexPath.row);
    auto setText = [&](int tag, const std::string& text) {
        if (auto label = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(tag))) label->setText(text);
    };
    setText(kNumberTag, bookmark ? std::to_string(bookmark->ID()) : "");
    setText(kNameTag, bookmark ? bookmark->name() : "");
    setText(kAddressTag, bookmark ? bookmark->url() : "");
    return cell;
}

void ForumBookmarksVC::commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle style,
                                          const ui::IndexPath& indexPath) {
    auto& list = bookmarks_->bookmarks();
    if (style != ui::TableViewCellEditingStyle::Delete || indexPath.row < 0 ||
        indexPath.row >= int(list.size()))
        return;
    list.erase(list.begin() + indexPath.row);
    table.deleteRows({indexPath}, ui::TableViewRowAnimation::Fade);
}

void ForumBookmarksVC::moveRow(ui::TableView&, const ui::IndexPath& from, const ui::IndexPath& to) {
    FlashcardsScreenParts::move(bookmarks_->bookmarks(), from.row, to.row);
}

void ForumBookmarksVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    if (isInEditMode_)
        editBookmark(indexPath.row);
    else
        followBookmark(indexPath.row);
}

void ForumBookmarksVC::back() {
    if (bookmarkEditVC_) {
        bookmarkEditVC_->close();
        bookmarkEditVC_.reset();
    }
    SliddenViewController::back();
}
