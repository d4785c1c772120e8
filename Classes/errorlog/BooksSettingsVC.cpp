#include "Classes/errorlog/BooksSettingsVC.h"

#include <algorithm>
#include <optional>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ConnectionTable.h"

namespace {

// The tag of the key or control that sent an action; none for another sender.
std::optional<int> tagOf(const ui::ConnectionTable::Sender& sender) {
    if (auto item = std::dynamic_pointer_cast<ui::BarButtonItem>(sender)) return item->tag();
    if (auto view = std::dynamic_pointer_cast<ui::View>(sender)) return view->tag();
    return std::nullopt;
}

}  // namespace

const ui::ConnectionTable& BooksSettingsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("BooksSettingsVC", &OptionsViewController::classConnections())
            .outlet("showTimeSC", &BooksSettingsVC::showTimeSC_)
            .outlet("stopTrackerSC", &BooksSettingsVC::stopTrackerSC_)
            .action("segmentedControlChange:", &BooksSettingsVC::segmentedControlChange)
            .action("stopTrackerChange:", &BooksSettingsVC::stopTrackerChange)
            .action("doneCancelClick:", &BooksSettingsVC::doneCancelClick);
    return table;
}

const ui::ConnectionTable& BooksSettingsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("BooksSettingsVC_iPad", &BooksSettingsVC::classConnections());
    return table;
}

void BooksSettingsVC::registerOwners() {
    ui::ConnectionTable::registerOwner(BooksSettingsVC::classConnections());
    ui::ConnectionTable::registerOwner(BooksSettingsVC_iPad::classConnections());
}

std::shared_ptr<const ui::Image> BooksSettingsVC::optionImage() {
    return ui::Image::named("Settings_icon_ogtracker@2x.png");
}

void BooksSettingsVC::init() {
    initWithNibName(nibIdentifier());
    if (auto rep = AbstractAppDelegate::sharedRep()) {
        showTime_ = rep->booksShowTime();
        stopTrackerInBackground_ = rep->stopTrackerInBackground();
    }
    animation();
}

void BooksSettingsVC::viewDidLoad() {
    updateViews();
    OptionsViewController::viewDidLoad();
}

void BooksSettingsVC::updateViews() {
    if (showTimeSC_) {
        auto at = std::find(kShowTimes.begin(), kShowTimes.end(), showTime_);
        if (at != kShowTimes.end()) showTimeSC_->setSelectedSegmentIndex(int(at - kShowTimes.begin()));
    }
    if (stopTrackerSC_) stopTrackerSC_->setSelectedSegmentIndex(stopTrackerInBackground_ ? 0 : 1);
}

void BooksSettingsVC::segmentedControlChange(const ui::ConnectionTable::Sender&) {
    int index = showTimeSC_ ? showTimeSC_->selectedSegmentIndex() : -1;
    if (index >= 0 && index < int(kShowTimes.size())) showTime_ = kShowTimes[std::size_t(index)];
}

void BooksSettingsVC::stopTrackerChange(const ui::ConnectionTable::Sender&) {
    int index = stopTrackerSC_ ? stopTrackerSC_->selectedSegmentIndex() : -1;
    if (index == 0) stopTrackerInBackground_ = true;
    if (index == 1) stopTrackerInBackground_ = false;
}

void BooksSettingsVC::doneCancelClick(const ui::ConnectionTable::Sender& sender) {
    auto tag = tagOf(sender);
    if (tag == kCancelTag) {
        fnd::NotificationCenter::defaultCenter().post("Cancel", sharedAs<BooksSettingsVC>());
    } else if (tag == kDoneTag) {
        if (auto rep = AbstractAppDelegate::sharedRep()) {
            rep->setBooksShowTime(showTime_);
            rep->setStopTrackerInBackground(stopTrackerInBackground_);
        }
        fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<BooksSettingsVC>());
    }
}
