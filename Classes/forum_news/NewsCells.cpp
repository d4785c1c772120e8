#include "Classes/forum_news/NewsCells.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/forum_news/ItemPage.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MItem.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

namespace {

const ui::Color kGrey = ui::Color::white(0.5);

std::shared_ptr<ui::Label> addLabel(ui::View& content, int tag, const ui::Rect& frame, const ui::Font& font,
                                    const ui::Color& color) {
    auto label = ui::make<ui::Label>(frame);
    label->setTag(tag);
    label->setFont(font);
    label->setTextColor(color);
    label->setBackgroundColor(ui::Color::clear());
    content.addSubview(label);
    return label;
}

std::shared_ptr<ui::ImageView> addImage(ui::View& content, int tag, const std::string& name,
                                        ui::Point centre) {
    auto image = ui::make<ui::ImageView>(ui::Rect{0, 0, 0, 0});
    image->setTag(tag);
    if (!name.empty()) image->setImage(ui::Image::named(name));
    if (image->image()) image->setFrame({0, 0, image->image()->size().width, image->image()->size().height});
    image->setCenter(centre);
    content.addSubview(image);
    return image;
}

template <class T>
std::shared_ptr<T> part(ui::TableViewCell& cell, int tag) {
    return std::dynamic_pointer_cast<T>(cell.contentView()->viewWithTag(tag));
}

void setLabel(ui::TableViewCell& cell, int tag, const std::string& text, double alpha = 1) {
    if (auto label = part<ui::Label>(cell, tag)) {
        label->setText(text);
        label->setAlpha(alpha);
    }
}

// Shows the named picture at the centre, sized to it.
void setImage(ui::TableViewCell& cell, int tag, const std::string& name, ui::Point centre) {
    auto view = part<ui::ImageView>(cell, tag);
    if (!view) return;
    view->setImage(name.empty() ? nullptr : ui::Image::named(name));
    ui::Size size = view->image() ? view->image()->size() : ui::Size{0, 0};
    view->setFrame({0, 0, size.width, size.height});
    view->setCenter(centre);
}

}  // namespace

NewsCells::FeedRowLayout NewsCells::FeedRowLayout::phone() {
    FeedRowLayout l;
    l.title = {85, 10, 220, 20};
    l.organization = {85, 16, 220, 40};
    l.person = {85, 34, 220, 40};
    l.position = {85, 47, 220, 40};
    l.unreadCount = {46, 8, 40, 12};
    l.spinner = {60, 7, 15, 15};
    l.icon = {43.5, 43};
    l.kind = {66, 70.5};
    l.unreadBadge = {66, 14};
    l.activeMark = {kMarkHiddenX, 41};
    return l;
}

NewsCells::FeedRowLayout NewsCells::FeedRowLayout::tablet() {
    FeedRowLayout l;
    l.title = {105, 20, 600, 20};
    l.organization = {105, 26, 600, 40};
    l.person = {105, 44, 600, 40};
    l.position = {105, 57, 600, 40};
    l.unreadCount = {56, 18, 40, 12};
    l.spinner = {70, 17, 15, 15};
    l.icon = {53.5, 53};
    l.kind = {76, 80.5};
    l.unreadBadge = {76, 24};
    l.activeMark = {kMarkHiddenX, 51};
    l.titleSize = 17;
    l.labelSize = 14;
    l.rowHeight = 108;
    l.headerHeight = 40;
    return l;
}

std::string NewsCells::kindImage(const std::string& rssType) {
    if (rssType == "blog") return "news_rsstype_blog.png";
    if (rssType == "twitter") return "news_rsstype_twitter.png";
    return "news_rsstype_rss.png";
}

bool NewsCells::showsUnread(const MFeed& feed) {
    return feed.numberOfUnreadItems() > 0 && feed.isActive() && !feed.isUpdating();
}

ui::Point NewsCells::activeMarkCentre(const MFeed& feed, bool editing, const FeedRowLayout& layout) {
    bool shown = editing && !feed.isPermanent();
    return {shown ? kMarkShownX : kMarkHiddenX, layout.activeMark.y};
}

std::shared_ptr<ui::TableViewCell> NewsCells::makeFeedRow(const FeedRowLayout& layout) {
    auto cell =
        ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, std::string(kFeedCellIdentifier));
    ui::View& content = *cell->contentView();
    // It follows the content view's size, as the cell takes the row's height.
    auto background = ui::make<ui::View>(content.bounds());
    background->setTag(kBackgroundTag);
    background->setAutoresizingMask(ui::FlexibleWidth | ui::FlexibleHeight);
    background->setUserInteractionEnabled(false);
    content.addSubview(background);

    addLabel(content, kTitleTag, layout.title, ui::Font::boldSystem(layout.titleSize),
             ui::Color::blackColor());
    ui::Color dark = AbstractAppDelegate::shared() ? AbstractAppDelegate::shared()->darkColor() : kGrey;
    auto organization = addLabel(content, kOrganizationTag, layout.organization,
                                 ui::Font::boldSystem(layout.labelSize), dark);
    organization->setAdjustsFontSizeToFitWidth(true);
    addLabel(content, kPersonTag, layout.person, ui::Font::boldSystem(layout.labelSize), kGrey);
    addLabel(content, kPositionTag, layout.position, ui::Font::italicSystem(layout.labelSize), kGrey);
    addImage(content, kIconTag, "", layout.icon);
    addImage(content, kKindTag, "", layout.kind);
    addImage(content, kUnreadBadgeTag, kUnreadBadgeImage, layout.unreadBadge);
    auto count = addLabel(content, kUnreadCountTag, layout.unreadCount, ui::Font::boldSystem(10),
                          ui::Color::whiteColor());
    count->setTextAlignment(ui::TextAlignment::Center);
    auto spinner = ui::make<ui::ActivityIndicator>(layout.spinner);
    spinner->setStyle(ui::ActivityIndicatorStyle::Gray);
    spinner->setTag(kSpinnerTag);
    spinner->setHidesWhenStopped(true);
    content.addSubview(spinner);
    addImage(content, kActiveMarkTag, kActiveMarkImage, layout.activeMark);
    return cell;
}

void NewsCells::showFeed(ui::TableViewCell& cell, const MFeed& feed, int row, bool editing,
                         const FeedRowLayout& layout) {
    double alpha = feed.isActive() ? 1 : kDimmedAlpha;
    if (auto background = cell.contentView()->viewWithTag(kBackgroundTag))
        background->setBackgroundColor(FlashcardsScreenParts::rowColor(editing, row));
    setLabel(cell, kTitleTag, feed.title().value_or(""), alpha);
    setLabel(cell, kOrganizationTag, feed.organization().value_or(""), alpha);
    setLabel(cell, kPersonTag, feed.personName() ? *feed.personName() : feed.department().value_or(""));
    setLabel(cell, kPositionTag, feed.position().value_or(""));

    setImage(cell, kIconTag, feed.frontPage().value_or(""), layout.icon);
    setImage(cell, kKindTag, kindImage(feed.rssType().value_or("")), layout.kind);
    for (int tag : {kIconTag, kKindTag})
        if (auto view = cell.contentView()->viewWithTag(tag)) view->setAlpha(alpha);

    bool unread = showsUnread(feed);
    if (auto badge = cell.contentView()->viewWithTag(kUnreadBadgeTag)) badge->setHidden(!unread);
    setLabel(cell, kUnreadCountTag, std::to_string(feed.numberOfUnreadItems()));
    if (auto count = cell.contentView()->viewWithTag(kUnreadCountTag)) count->setHidden(!unread);

    if (auto spinner = part<ui::ActivityIndicator>(cell, kSpinnerTag)) {
        if (feed.isUpdating())
            spinner->startAnimating();
        else
            spinner->stopAnimating();
    }
    if (auto mark = cell.contentView()->viewWithTag(kActiveMarkTag)) {
        mark->setCenter(activeMarkCentre(feed, editing, layout));
        mark->setHidden(!feed.isActive());
    }
}

std::shared_ptr<ui::TableViewCell> NewsCells::makeItemRow(const ItemRowLayout& layout) {
    auto cell =
        ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, std::string(kItemCellIdentifier));
    ui::View& content = *cell->contentView();
    addLabel(content, kItemTitleTag, layout.title, ui::Font::boldSystem(14), ui::Color::blackColor());
    addLabel(content, kItemDateTag, layout.date, ui::Font::boldSystem(12), kGrey);
    auto summary = addLabel(content, kItemSummaryTag, layout.summary, ui::Font::italicSystem(12), kGrey);
    summary->setNumberOfLines(2);
    addImage(content, kItemUnreadTag, kItemUnreadImage, layout.unread);
    return cell;
}

void NewsCells::showItem(ui::TableViewCell& cell, const MItem& item, const ItemRowLayout& layout) {
    for (auto [tag, frame] : {std::pair{kItemTitleTag, layout.title}, std::pair{kItemDateTag, layout.date},
                              std::pair{kItemSummaryTag, layout.summary}})
        if (auto view = cell.contentView()->viewWithTag(tag)) view->setFrame(frame);
    setLabel(cell, kItemTitleTag, item.txtTitle());
    setLabel(cell, kItemDateTag, ItemPage::dateText(item));
    setLabel(cell, kItemSummaryTag, item.txtDescription());
    if (auto mark = cell.contentView()->viewWithTag(kItemUnreadTag)) {
        mark->setCenter(layout.unread);
        mark->setHidden(item.isRead());
    }
}
