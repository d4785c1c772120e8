#pragma once
// The items of one news feed, newest first as the feed lists them: title, date, summary and a mark
// on the unread ones. A tap opens the item's page; "mark all read" clears every mark.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "Classes/forum_news/NewsCells.h"
#include "platform/ui/TableView.h"

class ItemVC;
class MFeed;
class MItem;
namespace ui {
class Label;
}

class FeedVC : public SliddenViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr double kRowHeight = 76;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "FeedView"; }

    using SliddenViewController::init;
    void init(std::shared_ptr<MFeed> feed);
    void viewDidLoad() override;

    // The row's parts, where the tablet differs.
    virtual ui::Rect titleFrame() const { return {30, 5, 280, 20}; }
    virtual ui::Rect pubDateFrame() const { return {30, 22, 280, 18}; }
    virtual ui::Rect descriptionFrame() const { return {30, 37, 280, 36}; }
    virtual ui::Point unreadIVcenter() const { return {16, 15}; }
    NewsCells::ItemRowLayout rowLayout() const;

    void markAllRead(const Sender& sender);
    void itemNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    const std::shared_ptr<MFeed>& feed() const { return feed_; }
    const std::shared_ptr<ItemVC>& itemVC() const { return itemVC_; }
    const std::shared_ptr<ui::TableView>& feedTV() const { return feedTV_; }
    const std::shared_ptr<ui::Label>& shortNameLbl() const { return shortNameLbl_; }
    const std::shared_ptr<ui::Label>& fullNameLbl() const { return fullNameLbl_; }

  protected:
    virtual std::shared_ptr<ItemVC> makeItemVC(const std::shared_ptr<MItem>& item);

  private:
    std::shared_ptr<MFeed> feed_;
    std::shared_ptr<ItemVC> itemVC_;
    std::shared_ptr<ui::TableView> feedTV_;
    std::shared_ptr<ui::Label> shortNameLbl_;
    std::shared_ptr<ui::Label> fullNameLbl_;
};

class FeedVC_iPad : public FeedVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(FeedVC::nibIdentifier()); }

    // As wide as the home screen leaves beside the margins.
    ui::Rect titleFrame() const override;
    ui::Rect pubDateFrame() const override;
    ui::Rect descriptionFrame() const override;
    ui::Point unreadIVcenter() const override { return {26, 15}; }

  protected:
    std::shared_ptr<ItemVC> makeItemVC(const std::shared_ptr<MItem>& item) override;

  private:
    static double rowWidth();
};
