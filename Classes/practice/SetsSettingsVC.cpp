#include "Classes/practice/SetsSettingsVC.h"

#include <vector>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/practice/SetsSettingsVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"

namespace {

void selectFlag(const std::shared_ptr<ui::SegmentedControl>& control, bool on) {
    if (control) control->setSelectedSegmentIndex(on ? 1 : 0);
}

// Segment 1 is yes and 0 no; with no segment selected the stored value stays.
template <class Set>
void storeFlag(const std::shared_ptr<ui::SegmentedControl>& control, Set set) {
    if (!control) return;
    int index = control->selectedSegmentIndex();
    if (index == 0 || index == 1) set(index == 1);
}

}  // namespace

const ui::ConnectionTable& SetsSettingsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("SetsSettingsVC", &OptionsViewController::classConnections())
            .outlet("vibrateLbl", &SetsSettingsVC::vibrateLbl_)
            .outlet("vibrateOnShakeLbl", &SetsSettingsVC::vibrateOnShakeLbl_)
            .outlet("vibrateOnWrongAnswerLbl", &SetsSettingsVC::vibrateOnWrongAnswerLbl_)
            .outlet("shakeSC", &SetsSettingsVC::shakeSC_)
            .outlet("autoscanStopTimeSC", &SetsSettingsVC::autoscanStopTimeSC_)
            .outlet("vibrateOnShakeSC", &SetsSettingsVC::vibrateOnShakeSC_)
            .outlet("vibrateOnWrongAnswerSC", &SetsSettingsVC::vibrateOnWrongAnswerSC_)
            .outlet("autoscanStopOnLowBatterySC", &SetsSettingsVC::autoscanStopOnLowBatterySC_)
            .action("doneClick:", &SetsSettingsVC::doneClick);
    return table;
}

void SetsSettingsVC::registerOwners() {
    ui::ConnectionTable::registerOwner(SetsSettingsVC::classConnections());
    ui::ConnectionTable::registerOwner(SetsSettingsVC_iPad::classConnections());
}

std::shared_ptr<const ui::Image> SetsSettingsVC::optionImage() {
    return ui::Image::named("Settings_icon_practice@2x.png");
}

void SetsSettingsVC::viewDidLoad() {
    updateViews();
    OptionsViewController::viewDidLoad();
}

void SetsSettingsVC::updateScanViews() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    selectFlag(autoscanStopOnLowBatterySC_, rep->fSetsAutoscanStopOnLowBattery());
    if (autoscanStopTimeSC_) {
        // Another stored limit keeps the selection the interface file gives.
        if (rep->setsAutoscanStopTime() == kAutoscanStopTime)
            autoscanStopTimeSC_->setSelectedSegmentIndex(0);
        else if (rep->setsAutoscanStopTime() == 0)
            autoscanStopTimeSC_->setSelectedSegmentIndex(1);
    }
}

void SetsSettingsVC::storeScanOptions() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    storeFlag(autoscanStopOnLowBatterySC_, [&](bool on) { rep->setFSetsAutoscanStopOnLowBattery(on); });
    if (autoscanStopTimeSC_) {
        int index = autoscanStopTimeSC_->selectedSegmentIndex();
        if (index == 0) rep->setSetsAutoscanStopTime(kAutoscanStopTime);
        if (index == 1) rep->setSetsAutoscanStopTime(0);
    }
}

void SetsSettingsVC::updateViews() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    selectFlag(shakeSC_, rep->fSetsShake());
    selectFlag(vibrateOnShakeSC_, rep->fSetsVibrateOnShake());
    selectFlag(vibrateOnWrongAnswerSC_, rep->fSetsVibrateOnWrongAnswer());
    updateScanViews();
    auto delegate = AbstractAppDelegate::shared();
    if (delegate && !delegate->fvibrationAllowed()) {
        std::vector<std::shared_ptr<ui::View>> vibration{vibrateLbl_,
                                                         vibrateOnShakeLbl_,
                                                         vibrateOnShakeSC_,
                                                         vibrateOnWrongAnswerLbl_,
                                                         vibrateOnWrongAnswerSC_,
                                                         view()->viewWithTag(kVibrationBoxTag)};
        for (const auto& v : vibration)
            if (v) v->setHidden(true);
    }
}

void SetsSettingsVC::doneClick(const ui::ConnectionTable::Sender&) {
    if (auto rep = AbstractAppDelegate::sharedRep()) {
        // Hidden controls are stored too: they still hold the stored values.
        storeFlag(shakeSC_, [&](bool on) { rep->setFSetsShake(on); });
        storeFlag(vibrateOnShakeSC_, [&](bool on) { rep->setFSetsVibrateOnShake(on); });
        storeFlag(vibrateOnWrongAnswerSC_, [&](bool on) { rep->setFSetsVibrateOnWrongAnswer(on); });
        storeScanOptions();
    }
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<SetsSettingsVC>());
}
