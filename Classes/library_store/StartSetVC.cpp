#include "Classes/library_store/StartSetVC.h"

#include "Classes/library_store/LibraryCells.h"
#include "Classes/library_store/MStartItem.h"
#include "Classes/library_store/MStartSet.h"
#include "Classes/library_store/StartItemVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& StartSetVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("StartSetVC", &SliddenViewController::classConnections())
            .outlet("shortNameLbl", &StartSetVC::shortNameLbl_)
            .outlet("setTV", &StartSetVC::setTV_)
            .action("doneClick:", &StartSetVC::doneClick);
    return table;
}

void StartSetVC::init(std::shared_ptr<MStartSet> set) {
    initWithNibName(set ? nibIdentifierForSet(*set) : nibIdentifierForSet(MStartSet()));
    set_ = set ? std::move(set) : std::make_shared<MStartSet>();
    preSetup();
    animation();
    setupFonts();
    if (setTV_) setTV_->reloadData();  // rows made during the entrance take the fonts now
}

std::string StartSetVC::nibIdentifierForSet(const MStartSet&) const { return "StartSetView"; }

void StartSetVC::preSetup() {
    tocSet_.clear();
    for (const auto& item : set_->items())
        if (item && item->isTocItem()) tocSet_.push_back(item);
}

void StartSetVC::setupFonts() { setFontSizes(17, 12); }

void StartSetVC::viewDidLoad() {
    if (setTV_) {
        setTV_->setAllowsSelection(true);
        setTV_->setRowHeight(kRowHeight);
        setTV_->setDataSource(sharedAs<StartSetVC>());
        setTV_->setDelegate(sharedAs<StartSetVC>());
    }
    if (shortNameLbl_) shortNameLbl_->setText(set_->title());
    SliddenViewController::viewDidLoad();
}

ui::Rect StartSetVC::titleFrame(int depth) const { return {70.0 + 25 * depth, 12, 240.0 - 25 * depth, 40}; }

ui::Font StartSetVC::titleFont(int depth) const {
    if (depth == 0) return ui::Font::boldSystem(titleFontSize_);
    if (depth == 1) return ui::Font::boldSystem(titleFontSize_ - 1);
    return ui::Font::italicSystem(titleFontSize_ - 2);
}

ui::Rect StartSetVC::markerFrame(int) const { return {4, 4, 57, 57}; }

void StartSetVC::setMarkerView(ui::ImageView& marker, const MStartItem&) {
    marker.setImage(ui::Image::named(MStartItem::kPointerImage));
}

std::shared_ptr<ui::TableViewCell> StartSetVC::cellForRow(ui::TableView& table,
                                                          const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell = LibraryCells::newCell(kCellIdentifier, table.bounds().size.width);
        auto marker = ui::make<ui::ImageView>(markerFrame(0));
        marker->setTag(kMarkerTag);
        cell->contentView()->addSubview(marker);
        LibraryCells::addLabel(*cell->contentView(), kTitleTag, titleFrame(0), titleFont(0), 12, 2);
    }
    if (indexPath.row < 0 || indexPath.row >= int(tocSet_.size())) return cell;
    const MStartItem& item = *tocSet_[std::size_t(indexPath.row)];
    if (auto marker = std::dynamic_pointer_cast<ui::ImageView>(cell->viewWithTag(kMarkerTag)))
        setMarkerView(*marker, item);
    if (auto title = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kTitleTag))) {
        int depth = item.level() - 1;
        title->setFrame(titleFrame(depth));
        title->setFont(titleFont(depth));
        title->setText(item.title().value_or(""));
    }
    return cell;
}

void StartSetVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    if (!canOpenSubview() || indexPath.row < 0 || indexPath.row >= int(tocSet_.size())) return;
    openStartItemVCAtIndexPath(tocSet_[std::size_t(indexPath.row)]);
}

std::shared_ptr<StartItemVC> StartSetVC::makeStartItemVC(const std::shared_ptr<MStartItem>& item) {
    return ui::make<StartItemVC>(item, set_);
}

void StartSetVC::openStartItemVCAtIndexPath(const std::shared_ptr<MStartItem>& item) {
    startItemVC_ = makeStartItemVC(item);
    if (startItemVC_)
        registerMainChildDoneHandler(&StartSetVC::startItemNotifications, std::string(kDoneNotification),
                                     startItemVC_);
}

void StartSetVC::startItemNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, startItemVC_)) return;
    startItemVC_.reset();
    if (setTV_) setTV_->reloadData();
}

void StartSetVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}
