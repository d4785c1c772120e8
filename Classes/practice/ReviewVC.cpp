#include "Classes/practice/ReviewVC.h"

#include "Classes/practice/MSessions.h"
#include "Classes/practice/ReviewRow.h"
#include "Classes/practice/ReviewSessionVC.h"
#include "Classes/practice/ReviewVC_iPad.h"
#include "Classes/practice/SetsFilterEditVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Device.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"

namespace {

constexpr const char* kBackgroundImage = "Practice_review_time_bg.png";
constexpr double kBarPartHeight = 10;

std::shared_ptr<ui::Label> labelIn(ui::TableViewCell& cell, int tag) {
    return std::dynamic_pointer_cast<ui::Label>(cell.viewWithTag(tag));
}

}  // namespace

const ui::ConnectionTable& ReviewVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ReviewVC", &SliddenViewController::classConnections())
            .outlet("reviewTV", &ReviewVC::reviewTV_)
            .action("editDoneMode:", &ReviewVC::editDoneMode)
            .action("doneClick:", &ReviewVC::doneClick);
    return table;
}

void ReviewVC::registerOwners() {
    ui::ConnectionTable::registerOwner(ReviewVC::classConnections());
    ui::ConnectionTable::registerOwner(ReviewVC_iPad::classConnections());
    ReviewSessionVC::registerOwners();
}

void ReviewVC::init(std::shared_ptr<MSessions> sessions) {
    initWithNibName(nibIdentifier());
    recordSet_ = std::move(sessions);
    animation();
    fnd::NotificationCenter::defaultCenter().post(kOpenedTip, sharedAs<fnd::Object>());
}

void ReviewVC::viewDidLoad() {
    // The edit key is a bar item, which interface files do not bind: it is the one sending
    // editDoneMode:.
    if (auto bar = toolB())
        for (const auto& item : bar->items())
            if (item->actionName() == "editDoneMode:") editDoneBtn_ = item;
    setupTV();
    SliddenViewController::viewDidLoad();
}

void ReviewVC::setupTV() {
    if (!reviewTV_) return;
    reviewTV_->setRowHeight(kRowHeight);
    reviewTV_->setDataSource(weakAs<ReviewVC>());
    reviewTV_->setDelegate(weakAs<ReviewVC>());
}

// ---- Layout

ui::Rect ReviewVC::indicatorFrame(int i) const { return {85.0 + 30 * i, 12, 70, 20}; }

ui::Color ReviewVC::rightLblShadowColor() { return SetsFilterEditVC::rightLblShadowColor(); }
ui::Color ReviewVC::rightLblBackgroundColor() { return SetsFilterEditVC::rightLblBackgroundColor(); }
ui::Color ReviewVC::barColor() { return ui::Color::hsb(0, 1, 0.88); }

// ---- Table

std::shared_ptr<ui::Label> ReviewVC::addRowLabel(ui::View& parent, int tag, ui::Rect frame,
                                                 const ui::Font& font, ui::TextAlignment alignment,
                                                 const ui::Color& colour) {
    auto label = ui::make<ui::Label>(frame);
    label->setTag(tag);
    label->setFont(font);
    label->setTextAlignment(alignment);
    label->setTextColor(colour);
    label->setHighlightedTextColor(colour);
    label->setBackgroundColor(ui::Color::clear());
    parent.addSubview(label);
    return label;
}

std::shared_ptr<MSession> ReviewVC::sessionAt(int row) const {
    if (!recordSet_ || row < 0 || row >= int(recordSet_->list().size())) return nullptr;
    return recordSet_->list()[recordSet_->list().size() - 1 - std::size_t(row)];
}

int ReviewVC::numberOfRows(ui::TableView&, int) { return recordSet_ ? int(recordSet_->list().size()) : 0; }

std::shared_ptr<ui::TableViewCell> ReviewVC::makeCell() {
    auto cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, std::string(kCellIdentifier));
    // Made at the row's size, so that placing it in the table stretches nothing.
    cell->setFrame({0, 0, ui::Device::current().screenWidth(), kRowHeight});
    cell->setSelectionStyle(ui::TableViewCellSelectionStyle::Gray);
    cell->textLabel()->setText("");
    ui::View& content = *cell->contentView();
    // The picture lies behind the row's parts, in the content, so that it moves aside with them
    // while the list is edited.
    auto picture = ui::make<ui::ImageView>(ui::Image::named(kBackgroundImage));
    picture->setTag(kPictureTag);
    content.addSubview(picture);
    using A = ui::TextAlignment;
    const ui::Color white = ui::Color::whiteColor();
    for (int i = 0; i < ReviewRow::kTypes; ++i)
        addRowLabel(content, kFirstIndicatorTag + i, indicatorFrame(i), ui::Font::boldSystem(17), A::Left);
    addRowLabel(content, kAverageTag, avgQuestionTimeFrame(), ui::Font::italicSystem(14), A::Left,
                ui::Color::white(0, 0.5));
    addRowLabel(content, kCountTag, numberOfQuestionsFrame(), ui::Font::boldSystem(17), A::Right)
        ->setAutoresizingMask(ui::FlexibleLeftMargin);
    auto date =
        addRowLabel(content, kDateTag, sessionDateFrame(), ui::Font::boldSystem(14), A::Center, white);
    date->setNumberOfLines(3);
    // White on the pale picture of a new session needs the shadow to be read.
    date->setShadowColor(ui::Color::white(0, 0.45));
    date->setShadowOffset({0, 1});

    auto bar = ui::make<ui::View>(barFrame());
    bar->setTag(kBarTag);
    bar->setBackgroundColor(barColor());
    bar->setAutoresizingMask(ui::FlexibleWidth);
    content.addSubview(bar);
    auto right = addRowLabel(*bar, kRightTag, rightFrame(), ui::Font::boldSystem(10), A::Center, white);
    right->setShadowColor(rightLblShadowColor());
    right->setBackgroundColor(rightLblBackgroundColor());
    addRowLabel(*bar, kWrongTag, wrongFrame(), ui::Font::boldSystem(10), A::Center, white)
        ->setBackgroundColor(barColor());
    return cell;
}

std::shared_ptr<ui::TableViewCell> ReviewVC::cellForRow(ui::TableView& table,
                                                        const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(kCellIdentifier);
    if (!cell) cell = makeCell();
    auto session = sessionAt(indexPath.row);
    if (!session) return cell;
    const double screenWidth = ui::Device::current().screenWidth();
    const ReviewRow row = ReviewRow::make(*session, screenWidth);
    for (int i = 0; i < ReviewRow::kTypes; ++i)
        if (auto label = labelIn(*cell, kFirstIndicatorTag + i)) {
            label->setText(row.indicators[std::size_t(i)].name);
            label->setAlpha(row.indicators[std::size_t(i)].alpha);
        }
    if (auto label = labelIn(*cell, kAverageTag)) label->setText(row.average);
    if (auto label = labelIn(*cell, kCountTag)) {
        label->setText(row.count);
        label->setFrame({screenWidth - kCountInset, 12, 30, 20});
    }
    if (auto label = labelIn(*cell, kDateTag)) label->setText(row.date);
    if (auto picture = cell->viewWithTag(kPictureTag)) picture->setAlpha(row.backgroundAlpha);

    auto bar = cell->viewWithTag(kBarTag);
    auto right = labelIn(*cell, kRightTag);
    auto wrong = labelIn(*cell, kWrongTag);
    if (!bar || !right || !wrong) return cell;
    bar->setHidden(!row.barShown);
    right->setHidden(!row.barShown);
    wrong->setHidden(!row.barShown);
    if (!row.barShown) return cell;
    ui::Rect frame = bar->frame();
    bar->setFrame({frame.origin.x, frame.origin.y, double(row.barWidth), frame.size.height});
    right->setFrame({0, 0, double(row.rightWidth), kBarPartHeight});
    right->setText(row.rightText);
    wrong->setFrame({double(row.rightWidth), 0, double(row.wrongWidth), kBarPartHeight});
    wrong->setText(row.wrongText);
    return cell;
}

void ReviewVC::commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle,
                                  const ui::IndexPath& indexPath) {
    if (!sessionAt(indexPath.row)) return;
    recordSet_->removeSessionAtIndex(int(recordSet_->list().size()) - 1 - indexPath.row);
    table.deleteRows({indexPath}, ui::TableViewRowAnimation::Right);
}

void ReviewVC::editDoneMode(const Sender&) {
    if (!reviewTV_) return;
    const bool editing = !reviewTV_->isEditing();
    reviewTV_->setEditing(editing, true);
    if (editDoneBtn_) editDoneBtn_->setTitle(editing ? "Done" : "Edit");
}

// ---- The session's answers

std::shared_ptr<CommonViewController> ReviewVC::makeReviewSessionVC(
    const std::shared_ptr<MSession>& session) {
    return ui::make<ReviewSessionVC>(session);
}

void ReviewVC::didSelectRow(ui::TableView&, const ui::IndexPath& indexPath) {
    auto session = sessionAt(indexPath.row);
    if (!session || !canOpenSubview()) return;
    reviewSessionVC_ = makeReviewSessionVC(session);
    registerMainChildDoneHandler(&ReviewVC::reviewSessionNotifications, std::nullopt, reviewSessionVC_);
}

void ReviewVC::reviewSessionNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, reviewSessionVC_)) return;
    reviewSessionVC_.reset();
    if (reviewTV_) reviewTV_->reloadData();
}

void ReviewVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}
