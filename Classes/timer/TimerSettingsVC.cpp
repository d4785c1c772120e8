#include "Classes/timer/TimerSettingsVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/timer/TimerClasses.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Label.h"
#include "platform/ui/SegmentedControl.h"

namespace {

constexpr int kOnSegment = 0;
constexpr int kOffSegment = 1;

void show(ui::SegmentedControl* control, bool on) {
    if (control) control->setSelectedSegmentIndex(on ? kOnSegment : kOffSegment);
}

}  // namespace

const ui::ConnectionTable& TimerSettingsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("TimerSettingsVC", &SliddenViewController::classConnections())
            .outlet("vibrateLbl", &TimerSettingsVC::vibrateLbl_)
            .outlet("vibrate130Lbl", &TimerSettingsVC::vibrate130Lbl_)
            .outlet("vibrate200Lbl", &TimerSettingsVC::vibrate200Lbl_)
            .outlet("vibrateAnswerLbl", &TimerSettingsVC::vibrateAnswerLbl_)
            .outlet("vibrate130SC", &TimerSettingsVC::vibrate130SC_)
            .outlet("vibrate200SC", &TimerSettingsVC::vibrate200SC_)
            .outlet("vibrateAnswerSC", &TimerSettingsVC::vibrateAnswerSC_)
            .outlet("colorSC", &TimerSettingsVC::colorSC_)
            .action("segmentedControlChange:", &TimerSettingsVC::segmentedControlChange)
            .action("doneCancelClick:", &TimerSettingsVC::doneCancelClick);
    return table;
}

void TimerSettingsVC::init(bool vibrate130, bool vibrate200, bool vibrateAnswer, bool color) {
    initWithNibName(nibIdentifier());
    vibrate130_ = vibrate130;
    vibrate200_ = vibrate200;
    vibrateAnswer_ = vibrateAnswer;
    color_ = color;
    animation();
}

void TimerSettingsVC::viewDidLoad() {
    updateViews();
    SliddenViewController::viewDidLoad();
}

void TimerSettingsVC::updateViews() {
    auto delegate = AbstractAppDelegate::shared();
    if (delegate && delegate->fvibrationAllowed()) {
        show(vibrate130SC_.get(), vibrate130_);
        show(vibrate200SC_.get(), vibrate200_);
        show(vibrateAnswerSC_.get(), vibrateAnswer_);
    } else {
        for (ui::View* view : std::initializer_list<ui::View*>{
                 vibrateLbl_.get(), vibrate130Lbl_.get(), vibrate200Lbl_.get(), vibrateAnswerLbl_.get(),
                 vibrate130SC_.get(), vibrate200SC_.get(), vibrateAnswerSC_.get()})
            if (view) view->setHidden(true);
    }
    show(colorSC_.get(), color_);
}

void TimerSettingsVC::segmentedControlChange(const Sender& sender) {
    auto control = std::dynamic_pointer_cast<ui::SegmentedControl>(sender);
    if (!control) return;
    const bool on = control->selectedSegmentIndex() != kOffSegment;
    switch (control->tag()) {
        case kVibrate130Tag:
            vibrate130_ = on;
            break;
        case kVibrate200Tag:
            vibrate200_ = on;
            break;
        case kVibrateAnswerTag:
            vibrateAnswer_ = on;
            break;
        case kColorTag:
            color_ = on;
            break;
        default:
            break;
    }
}

void TimerSettingsVC::doneCancelClick(const Sender& sender) {
    if (const char* name = TimerClasses::closingNotification(TimerClasses::senderTag(sender)))
        fnd::NotificationCenter::defaultCenter().post(name, sharedAs<fnd::Object>());
}
