#pragma once
// The rows of the news screens, built in code with their parts reached by tag: a feed of the feed
// list (its icon, kind, title, source and person labels, unread badge and count, spinner while it
// updates, and the mark of an active feed of the user's own while the list is edited), and an
// item of a feed (title, date, summary and the unread mark). Each layout has a phone and a tablet
// form.

#include <memory>
#include <string>

#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"

class MFeed;
class MItem;
namespace ui {
class TableViewCell;
}

class NewsCells {
  public:
    // The feed row's parts.
    static constexpr int kTitleTag = 200;
    static constexpr int kOrganizationTag = 201;
    static constexpr int kPersonTag = 202;
    static constexpr int kPositionTag = 203;
    static constexpr int kIconTag = 204;
    static constexpr int kUnreadBadgeTag = 205;
    static constexpr int kUnreadCountTag = 206;
    static constexpr int kKindTag = 207;
    static constexpr int kSpinnerTag = 300;
    static constexpr int kActiveMarkTag = 400;
    static constexpr int kBackgroundTag = 111;
    // The item row's parts.
    static constexpr int kItemTitleTag = 200;
    static constexpr int kItemDateTag = 201;
    static constexpr int kItemSummaryTag = 202;
    static constexpr int kItemUnreadTag = 203;

    static constexpr const char* kFeedCellIdentifier = "FeedCell";
    static constexpr const char* kItemCellIdentifier = "ItemCell";
    static constexpr const char* kUnreadBadgeImage = "news_feed_unread.png";
    static constexpr const char* kActiveMarkImage = "news_feed_checked.png";
    static constexpr const char* kItemUnreadImage = "news_item_unread.png";
    // The active mark's x while editing, and out of view.
    static constexpr double kMarkShownX = 10;
    static constexpr double kMarkHiddenX = -10;
    static constexpr double kDimmedAlpha = 0.5;

    struct FeedRowLayout {
        ui::Rect title, organization, person, position, unreadCount, spinner;
        ui::Point icon, kind, unreadBadge, activeMark;
        double titleSize = 15, labelSize = 12;
        double rowHeight = 88, headerHeight = 30;
        static FeedRowLayout phone();
        static FeedRowLayout tablet();
    };
    struct ItemRowLayout {
        ui::Rect title, date, summary;
        ui::Point unread;
        double rowHeight = 76;
    };

    static std::shared_ptr<ui::TableViewCell> makeFeedRow(const FeedRowLayout& layout);
    // Shows the feed in a row made by makeFeedRow.
    static void showFeed(ui::TableViewCell& cell, const MFeed& feed, int row, bool editing,
                         const FeedRowLayout& layout);
    static std::shared_ptr<ui::TableViewCell> makeItemRow(const ItemRowLayout& layout);
    static void showItem(ui::TableViewCell& cell, const MItem& item, const ItemRowLayout& layout);

    // The picture of a feed's kind: blog, short messages, or a plain feed.
    static std::string kindImage(const std::string& rssType);
    // Whether the badge shows: unread items of an active feed that is not updating.
    static bool showsUnread(const MFeed& feed);
    // The active mark's centre: in view only while editing a feed of the user's own.
    static ui::Point activeMarkCentre(const MFeed& feed, bool editing, const FeedRowLayout& layout);
};
