#include "Classes/statistics/EditTestDateVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "platform/foundation/Calendar.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Switch.h"

const ui::ConnectionTable& EditTestDateVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("EditTestDateVC", &ToolViewController::classConnections())
            .outlet("datePicker", &EditTestDateVC::datePicker_)
            .outlet("timePicker", &EditTestDateVC::timePicker_)
            .outlet("dateOnOffSwitcher", &EditTestDateVC::dateOnOffSwitcher_)
            .outlet("dateTimeV", &EditTestDateVC::dateTimeV_)
            .action("dateOnOffSwitched:", &EditTestDateVC::dateOnOffSwitched)
            .action("doneClick:", &EditTestDateVC::doneClick)
            .action("cancelClick:", &EditTestDateVC::cancelClick);
    return table;
}

const ui::ConnectionTable& EditTestDateVC_iPad::classConnections() {
    static const ui::ConnectionTable table("EditTestDateVC_iPad", &EditTestDateVC::classConnections());
    return table;
}

void EditTestDateVC::viewDidLoad() {
    std::shared_ptr<MRepository> rep = AbstractAppDelegate::sharedRep();
    const bool stored = rep && rep->testDate();
    const fnd::Date shown = stored ? *rep->testDate() : fnd::Date::now();
    if (datePicker_) datePicker_->setDate(shown);
    if (timePicker_) timePicker_->setDate(shown);
    if (dateOnOffSwitcher_) dateOnOffSwitcher_->setOn(stored);
    showPickers(stored);
    ToolViewController::viewDidLoad();
}

void EditTestDateVC::showPickers(bool shown) {
    if (datePicker_) datePicker_->setHidden(!shown);
    if (timePicker_) timePicker_->setHidden(!shown);
}

void EditTestDateVC::dateOnOffSwitched(const Sender&) {
    showPickers(dateOnOffSwitcher_ && dateOnOffSwitcher_->isOn());
}

void EditTestDateVC::doneClick(const Sender&) {
    if (std::shared_ptr<MRepository> rep = AbstractAppDelegate::sharedRep()) {
        if (dateOnOffSwitcher_ && dateOnOffSwitcher_->isOn() && datePicker_ && timePicker_) {
            const fnd::Calendar calendar = fnd::Calendar::current();
            fnd::DateComponents day = calendar.components(datePicker_->date());
            const fnd::DateComponents time = calendar.components(timePicker_->date());
            day.hour = time.hour;
            day.minute = time.minute;
            day.second = 0;
            if (std::optional<fnd::Date> date = calendar.date(day)) rep->setTestDate(*date);
        } else if (dateOnOffSwitcher_ && !dateOnOffSwitcher_->isOn()) {
            rep->setTestDate(std::nullopt);
        }
    }
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}

void EditTestDateVC::cancelClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}
