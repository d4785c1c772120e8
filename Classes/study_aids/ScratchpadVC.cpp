#include "Classes/study_aids/ScratchpadVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/study_aids/ScratchpadView.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Device.h"
#include "platform/ui/SegmentedControl.h"

const ui::ConnectionTable& ScratchpadVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ScratchpadVC", &SliddenViewController::classConnections())
            .outlet("pad", &ScratchpadVC::pad_)
            .action("doneClick:", &ScratchpadVC::doneClick)
            .action("clearClick:", &ScratchpadVC::clearClick)
            .action("setMode:", &ScratchpadVC::setMode);
    return table;
}

void ScratchpadVC::registerClasses() {
    ScratchpadView::registerViewClass();
    ui::ConnectionTable::registerOwner(classConnections());
}

std::string ScratchpadVC::nibIdentifier() const { return nibNameForDevice("ScratchpadView"); }

ScratchpadVC::~ScratchpadVC() {
    if (pad_) fnd::NotificationCenter::defaultCenter().removeObserver(pad_.get());
}

void ScratchpadVC::init() {
    initWithNibName(nibIdentifier());
    adjustFrame();
    animation();
    if (!pad_) return;
    std::weak_ptr<ScratchpadView> pad = pad_;
    fnd::NotificationCenter::defaultCenter().addObserver(
        pad_.get(), std::string(kOrientationChangedNotification), nullptr, [pad](const fnd::Notification&) {
            if (auto p = pad.lock()) p->updatePad();
        });
}

void ScratchpadVC::adjustFrame() {
    ui::DeviceOrientation o = ui::Device::current().orientation();
    if (o != ui::DeviceOrientation::LandscapeLeft && o != ui::DeviceOrientation::LandscapeRight) return;
    ui::Rect app = ui::Application::shared().applicationFrame();
    view()->setFrame({0, 0, app.size.height, app.size.width});
    if (pad_) pad_->setNeedsDisplay();
}

void ScratchpadVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

void ScratchpadVC::clearClick(const Sender&) {
    if (pad_) pad_->clearPad();
}

void ScratchpadVC::setMode(const Sender& sender) {
    auto control = std::dynamic_pointer_cast<ui::SegmentedControl>(sender);
    if (!control || !pad_) return;
    int index = control->selectedSegmentIndex();
    if (index >= ScratchpadView::kPen && index <= ScratchpadView::kMove) pad_->setMode(index);
}

void ScratchpadVC::didRotateFromInterfaceOrientation(ui::InterfaceOrientation) {
    if (pad_) pad_->updatePad();
}
