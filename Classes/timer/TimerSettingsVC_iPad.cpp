#include "Classes/timer/TimerSettingsVC_iPad.h"

#include "platform/ui/SegmentedControl.h"

const ui::ConnectionTable& TimerSettingsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("TimerSettingsVC_iPad", &TimerSettingsVC::classConnections());
    return table;
}

void TimerSettingsVC_iPad::init(bool, bool, bool, bool color) { initWithColor(color); }

void TimerSettingsVC_iPad::initWithColor(bool color) {
    initWithNibName(nibIdentifier());
    setSlideDirection(kDocked);
    setColor(color);
    animation();
}

void TimerSettingsVC_iPad::updateViews() {
    // Segment 0 is on, segment 1 off.
    if (colorSC_) colorSC_->setSelectedSegmentIndex(color() ? 0 : 1);
}
