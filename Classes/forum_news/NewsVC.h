#pragma once
// The news tool: the list of the active news feeds with their unread counts, updated one after
// another when the tool opens and on the refresh key (each finished feed redraws the list). A tap
// opens a feed's items. In edit mode every feed is listed: a tap switches a feed on or off, rows
// move, the user's own feeds can be deleted (the built-in ones cannot), and the add key drops in
// the panel that checks an address and adds it as a feed. Leaving edit mode puts the inactive
// feeds last and out of the list. The feeds are the central repository's, saved with it.

#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"
#include "Classes/forum_news/NewsCells.h"
#include "platform/ui/TableView.h"

class FeedAddVC;
class FeedVC;
class MFeed;
class MFeeds;
namespace ui {
class BarButtonItem;
}

class NewsVC : public ToolViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    static constexpr const char* kOpenedEvent = "TipsEvent_NewsOpened";
    static constexpr const char* kMainTitle = "Main";
    static constexpr const char* kEditImage = "tb_edittable.png";
    static constexpr double kRefreshReloadDelay = 0.1;
    static constexpr double kEditReloadDelay = 0.3;
    // The rows between the first one in view and where a new feed goes.
    static constexpr int kInsertOffset = 2;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // Registers the owner tables of the news screens.
    static void registerOwners();

    std::string nibIdentifier() const override { return "NewsView"; }

    void init() override;
    using ToolViewController::init;
    void viewDidLoad() override;
    void setupTV();

    // ---- Keys

    // Redraws the list in a moment and updates every feed.
    void refreshFeeds(const Sender& sender);
    void editFeeds(const Sender& sender);
    void doneEditing(const Sender& sender);
    // Drops in the add panel, or takes the open one away.
    void addFeed(const Sender& sender);
    void doneClick(const Sender& sender);
    // The toolbar outside edit mode.
    void resetButtons();

    // Where a new feed goes: two rows below the first one in view, within the list.
    static int insertIndexFor(int firstVisibleRow, int feedCount);

    // ---- Children and notifications

    void createFeedVCAtRow(int row);
    void feedNotifications(const fnd::Notification& notification);
    void feedUpdateNotifications(const fnd::Notification& notification);
    void feedAddNotifications(const fnd::Notification& notification);

    // ---- Table

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    bool canEditRow(ui::TableView& table, const ui::IndexPath&) override;
    void commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle style,
                            const ui::IndexPath& indexPath) override;
    bool canMoveRow(ui::TableView& table, const ui::IndexPath&) override;
    void moveRow(ui::TableView&, const ui::IndexPath& from, const ui::IndexPath& to) override;
    ui::TableViewCellEditingStyle editingStyleForRow(ui::TableView&, const ui::IndexPath& indexPath) override;
    // Only rows with a delete control make room for it: a built-in feed keeps its mark out of view.
    bool shouldIndentWhileEditingRow(ui::TableView&, const ui::IndexPath& indexPath) override;
    // In edit mode a tap switches the feed on or off and selects nothing.
    std::optional<ui::IndexPath> willSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    // Takes an open add panel away first.
    void back() override;

    // ---- Fields

    const std::shared_ptr<ui::TableView>& newsTV() const { return newsTV_; }
    const std::shared_ptr<FeedVC>& feedVC() const { return feedVC_; }
    const std::shared_ptr<FeedAddVC>& feedAddVC() const { return feedAddVC_; }
    int insertIndex() const { return insertIndex_; }
    bool isEditing() const;
    const NewsCells::FeedRowLayout& rowLayout() const { return layout_; }

  protected:
    // The device's row layout, item list and fixed spaces of the toolbar.
    virtual NewsCells::FeedRowLayout makeRowLayout() const { return NewsCells::FeedRowLayout::phone(); }
    virtual std::shared_ptr<FeedVC> makeFeedVC(const std::shared_ptr<MFeed>& feed);
    virtual double refreshSpace() const { return 26; }
    virtual double trailingSpace() const { return 0; }

  private:
    std::shared_ptr<MFeeds> feeds() const;
    std::shared_ptr<MFeed> feedAt(int row) const;
    void reloadAfter(double delay);
    void closeAddPanel();

    NewsCells::FeedRowLayout layout_;
    std::shared_ptr<ui::TableView> newsTV_;
    std::shared_ptr<FeedVC> feedVC_;
    std::shared_ptr<FeedAddVC> feedAddVC_;
    int insertIndex_ = 0;
};

class NewsVC_iPad : public NewsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(NewsVC::nibIdentifier()); }

  protected:
    NewsCells::FeedRowLayout makeRowLayout() const override { return NewsCells::FeedRowLayout::tablet(); }
    std::shared_ptr<FeedVC> makeFeedVC(const std::shared_ptr<MFeed>& feed) override;
    double refreshSpace() const override { return 80; }
    double trailingSpace() const override { return 50; }
};
