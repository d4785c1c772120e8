#include "Classes/timer/TimerAllResultsVC.h"

#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "Classes/timer/TimerIEVC.h"
#include "Classes/timer/TimerResultsVC.h"
#include "Classes/timer/TimerText.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

namespace {

constexpr const char* kCell = "any-cell";

// The parts of the standard date description: the day, and the time of day to the minute.
constexpr std::size_t kDayLength = 10;
constexpr std::size_t kTimePosition = 11, kTimeLength = 5;
constexpr std::size_t kDayAndTimeLength = 16;
constexpr double kTitleSize = 15;

}  // namespace

const ui::ConnectionTable& TimerAllResultsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("TimerAllResultsVC", &SliddenViewController::classConnections())
            .outlet("rtableView", &TimerAllResultsVC::rtableView_)
            .action("editDoneMode:", &TimerAllResultsVC::editDoneMode)
            .action("showTimerIE:", &TimerAllResultsVC::showTimerIE)
            .action("doneClick:", &TimerAllResultsVC::doneClick);
    return table;
}

void TimerAllResultsVC::init(const std::shared_ptr<MTimerRecordSet>& recordSet) {
    initWithNibName(nibIdentifier());
    recordSet_ = recordSet;
    animation();
}

void TimerAllResultsVC::viewDidLoad() {
    SliddenViewController::viewDidLoad();
    if (!rtableView_) return;
    rtableView_->setRowHeight(kRowHeight);
    rtableView_->setDataSource(sharedAs<TimerAllResultsVC>());
    rtableView_->setDelegate(sharedAs<TimerAllResultsVC>());
}

std::string TimerAllResultsVC::titleFor(const MTimerRecord& record) {
    return TimerText::displayName(record) + " " + TimerText::progress(record) + " " +
           TimerText::secondsToString(record.leftOrPassedTime(), true) + " (" +
           TimerText::secondsToString(record.averageQuestionTime(), true) + ")";
}

std::string TimerAllResultsVC::subtitleFor(const MTimerRecord& record) {
    const fnd::Date last = TimerText::lastStamp(record);
    if (TimerText::describe(last, 0, kDayLength) == TimerText::describe(fnd::Date::now(), 0, kDayLength))
        return TimerText::describe(last, kTimePosition, kTimeLength);
    return TimerText::describe(last, 0, kDayAndTimeLength) + " ";
}

int TimerAllResultsVC::numberOfRows(ui::TableView&, int) { return recordSet_ ? recordSet_->count() : 0; }

std::shared_ptr<ui::TableViewCell> TimerAllResultsVC::cellForRow(ui::TableView& table,
                                                                 const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(kCell);
    if (!cell) {
        cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Subtitle, std::string(kCell));
        cell->setSelectionStyle(ui::TableViewCellSelectionStyle::Gray);
        // A title of name, questions and times fits the phone's row.
        cell->textLabel()->setFont(ui::Font::boldSystem(kTitleSize));
        // The texts keep their colours in a selected row.
        for (const auto& label : {cell->textLabel(), cell->detailTextLabel()})
            if (label) label->setHighlightedTextColor(label->textColor());
    }
    std::shared_ptr<MTimerRecord> record =
        recordSet_ ? recordSet_->timerRecordAtIndex(indexPath.row) : nullptr;
    cell->textLabel()->setText(record ? titleFor(*record) : "");
    if (cell->detailTextLabel()) cell->detailTextLabel()->setText(record ? subtitleFor(*record) : "");
    return cell;
}

void TimerAllResultsVC::commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle,
                                           const ui::IndexPath& indexPath) {
    if (recordSet_) recordSet_->removeTimerRecordAtIndex(indexPath.row);
    table.reloadData();
}

// ---- Children

std::shared_ptr<TimerResultsVC> TimerAllResultsVC::makeTimerResultsVC(
    const std::shared_ptr<MTimerRecord>& record) {
    return ui::make<TimerResultsVC>(record, std::string(kReturnKey));
}
std::shared_ptr<TimerIEVC> TimerAllResultsVC::makeTimerIEVC() { return ui::make<TimerIEVC>(recordSet_); }
void TimerAllResultsVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, true);
    std::shared_ptr<MTimerRecord> record =
        recordSet_ ? recordSet_->timerRecordAtIndex(indexPath.row) : nullptr;
    if (!record || !canOpenSubview()) return;
    registerMainChildDoneHandler(&TimerAllResultsVC::timerResults, std::nullopt, makeTimerResultsVC(record));
}

void TimerAllResultsVC::timerResults(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, notification.objectAs<CommonViewController>())) return;
    if (rtableView_) rtableView_->reloadData();
}

void TimerAllResultsVC::editDoneMode(const Sender& sender) {
    if (!rtableView_) return;
    const bool editing = !rtableView_->isEditing();
    rtableView_->setEditing(editing, true);
    if (auto item = std::dynamic_pointer_cast<ui::BarButtonItem>(sender))
        item->setTitle(editing ? "Done" : "Edit");
}

void TimerAllResultsVC::showTimerIE(const Sender&) {
    if (canOpenSubview())
        registerMainChildDoneHandler(&TimerAllResultsVC::timerIENotifications, std::nullopt, makeTimerIEVC());
}

void TimerAllResultsVC::timerIENotifications(const fnd::Notification& notification) {
    timerResults(notification);
}

void TimerAllResultsVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<fnd::Object>());
}
