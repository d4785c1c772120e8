#include "Classes/timer/TimerV2VC_iPad.h"

#include "Classes/core/ToolChooseVC_iPad.h"
#include "Classes/timer/CustomEditVC_iPad.h"
#include "Classes/timer/MTimer.h"
#include "Classes/timer/TimerAllResultsVC_iPad.h"
#include "Classes/timer/TimerResultsVC_iPad.h"
#include "Classes/timer/TimerSettingsVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/Make.h"

namespace {

// The outlet of each part, in the order of TimerTabletLayout::Part.
constexpr std::array<const char*, TimerTabletLayout::kPartCount> kPartOutlets{"changeModeBtn",
                                                                              "setTypeLbl",
                                                                              "typeHintLbl",
                                                                              "customEditBtn",
                                                                              "currentAndTotalNumbersLbl",
                                                                              "infoBtn",
                                                                              "timeLbl",
                                                                              "currentTimeHintLbl",
                                                                              "currentTimeLbl",
                                                                              "averageTimeHintLbl",
                                                                              "averageTimeLbl",
                                                                              "reserveHintLbl",
                                                                              "reserveLbl",
                                                                              "expectedQuestionHintLbl",
                                                                              "expectedQuestionLbl",
                                                                              "startFinishBtn",
                                                                              "pauseGoResultsBtn",
                                                                              "ABtn",
                                                                              "BBtn",
                                                                              "CBtn",
                                                                              "DBtn",
                                                                              "EBtn"};

}  // namespace

const ui::ConnectionTable& TimerV2VC_iPad::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("TimerV2VC_iPad", &TimerV2VC::classConnections())
            .outlet("typeHintLbl", &TimerV2VC_iPad::typeHintLbl_)
            .outlet("infoBtn", &TimerV2VC_iPad::infoBtn_);
    return table;
}

void TimerV2VC_iPad::viewDidLoad() {
    TimerV2VC::viewDidLoad();
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const ui::ConnectionTable::Outlet* outlet = connections().outletNamed(kPartOutlets[i]);
        parts_[i] = outlet ? outlet->get(*this) : nullptr;
        // Keys may be scaled down (disabled answer keys, hidden labels): their place is their
        // centre and untransformed size.
        if (!parts_[i]) continue;
        ui::Size size = parts_[i]->bounds().size;
        ui::Point centre = parts_[i]->center();
        upright_[i] = {centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height};
    }
    fnd::NotificationCenter::defaultCenter().addObserver(
        notificationId(this), std::string(ToolChooseVC_iPad::kOrientationChangedNotification), nullptr,
        fnd::whileAlive(*this, &TimerV2VC_iPad::placeParts));
    placeParts();
}

void TimerV2VC_iPad::placeParts() {
    auto home = homeView();
    ui::Size screen = home ? home->bounds().size : view()->bounds().size;
    const bool turned = screen.width > screen.height;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        if (!parts_[i]) continue;
        ui::Rect place = turned ? TimerTabletLayout::landscapeFrame(TimerTabletLayout::Part(i)) : upright_[i];
        parts_[i]->setBounds({{0, 0}, place.size});
        parts_[i]->setCenter(place.mid());
    }
}

std::shared_ptr<TimerSettingsVC> TimerV2VC_iPad::makeTimerSettingsVC() {
    return ui::make<TimerSettingsVC_iPad>(timer()->vibrate130(), timer()->vibrate200(),
                                          timer()->vibrateAnswer(), timer()->color());
}

std::shared_ptr<CustomEditVC> TimerV2VC_iPad::makeCustomEditVC() {
    return ui::make<CustomEditVC_iPad>(timer()->customNumberOfQuestion(), timer()->customTotalTime(),
                                       timer()->customStartNumber());
}

std::shared_ptr<TimerResultsVC> TimerV2VC_iPad::makeTimerResultsVC(const std::shared_ptr<MTimerRecord>& r) {
    return ui::make<TimerResultsVC_iPad>(r, std::string(kResultsReturnKey));
}

std::shared_ptr<TimerAllResultsVC> TimerV2VC_iPad::makeTimerAllResultsVC(
    const std::shared_ptr<MTimerRecordSet>& set) {
    return ui::make<TimerAllResultsVC_iPad>(set);
}
