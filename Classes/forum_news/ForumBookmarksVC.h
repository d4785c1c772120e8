#pragma once
// The forum's bookmark list, slid in from below over the forum browser: one row per bookmark with
// its number, name and address. A tap follows a bookmark (the browser loads it and the list goes);
// in edit mode rows are deleted and moved, and a tap opens the bookmark's name for renaming.
// "Done" leaves edit mode, or leaves the list. The list is the repository's, saved with it.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/TableView.h"

class ForumBookmarkVC;
class MBookmark;
class MBookmarks;
namespace ui {
class BarButtonItem;
}

class ForumBookmarksVC : public SliddenViewController,
                         public ui::TableViewDataSource,
                         public ui::TableViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "ForumBookmarksVC_Done_Notification";
    static constexpr double kRowHeight = 44;
    // The row's parts in the cell file.
    static constexpr int kNumberTag = 2;
    static constexpr int kNameTag = 3;
    static constexpr int kAddressTag = 4;
    static constexpr double kReloadDelay = 0.3;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "ForumBookmarksView"; }
    std::string cellIdentifier() const override { return "BookmarkCell"; }

    using SliddenViewController::init;
    void init(std::shared_ptr<MBookmarks> bookmarks);
    void viewDidLoad() override;

    void done(const Sender& sender);
    void edit(const Sender& sender);
    void followBookmark(int row);
    void editBookmark(int row);
    void didObtainForumBookmarkVCBackNotification(const fnd::Notification& notification);

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    bool canEditRow(ui::TableView&, const ui::IndexPath&) override { return true; }
    void commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle style,
                            const ui::IndexPath& indexPath) override;
    bool canMoveRow(ui::TableView&, const ui::IndexPath&) override { return true; }
    void moveRow(ui::TableView&, const ui::IndexPath& from, const ui::IndexPath& to) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    void back() override;

    bool isInEditMode() const { return isInEditMode_; }
    bool isFollowingBookmark() const { return isFollowingBookmark_; }
    const std::shared_ptr<MBookmark>& bookmarkToFollow() const { return bookmarkToFollow_; }
    const std::shared_ptr<MBookmarks>& bookmarks() const { return bookmarks_; }
    const std::shared_ptr<ForumBookmarkVC>& bookmarkEditVC() const { return bookmarkEditVC_; }
    const std::shared_ptr<ui::TableView>& bookmarksTableView() const { return bookmarksTableView_; }
    const std::shared_ptr<ui::BarButtonItem>& doneBtn() const { return doneBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& editBtn() const { return editBtn_; }

  private:
    std::shared_ptr<MBookmark> bookmarkAt(int row) const;
    void showKeys();
    void postDone();

    std::shared_ptr<MBookmarks> bookmarks_;
    std::shared_ptr<ui::TableView> bookmarksTableView_;
    std::shared_ptr<ui::View> theCell_;
    std::shared_ptr<ui::BarButtonItem> doneBtn_, flexibleSpaceBtn_, editBtn_;
    bool isInEditMode_ = false;
    bool isFollowingBookmark_ = false;
    std::shared_ptr<MBookmark> bookmarkToFollow_;
    std::shared_ptr<ForumBookmarkVC> bookmarkEditVC_;
};
