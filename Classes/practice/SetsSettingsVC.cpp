#include "Classes/practice/SetsSettingsVC.h"

#include <vector>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"

namespace {

// The tag of the box that groups the vibration options in the phone's interface file.
constexpr int kVibrationBoxTag = 2;

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
            .outlet("vibrateLbl", &SetsSettingsVC::vibrateLbl)
            .outlet("vibrateOnShakeLbl", &SetsSettingsVC::vibrateOnShakeLbl)
            .outlet("vibrateOnWrongAnswerLbl", &SetsSettingsVC::vibrateOnWrongAnswerLbl)
            .outlet("shakeSC", &SetsSettingsVC::shakeSC)
            .outlet("autoscanStopTimeSC", &SetsSettingsVC::autoscanStopTimeSC)
            .outlet("vibrateOnShakeSC", &SetsSettingsVC::vibrateOnShakeSC)
            .outlet("vibrateOnWrongAnswerSC", &SetsSettingsVC::vibrateOnWrongAnswerSC)
            .outlet("autoscanStopOnLowBatterySC", &SetsSettingsVC::autoscanStopOnLowBatterySC)
            .action("doneClick:", &SetsSettingsVC::doneClick);
    return table;
}

const ui::ConnectionTable& SetsSettingsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("SetsSettingsVC_iPad", &SetsSettingsVC::classConnections());
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
    selectFlag(autoscanStopOnLowBatterySC, rep->fSetsAutoscanStopOnLowBattery());
    if (autoscanStopTimeSC) {
        // Another stored limit keeps the selection the interface file gives.
        if (rep->setsAutoscanStopTime() == kAutoscanStopTime)
            autoscanStopTimeSC->setSelectedSegmentIndex(0);
        else if (rep->setsAutoscanStopTime() == 0)
            autoscanStopTimeSC->setSelectedSegmentIndex(1);
    }
}

void SetsSettingsVC::storeScanOptions() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    storeFlag(autoscanStopOnLowBatterySC, [&](bool on) { rep->setFSetsAutoscanStopOnLowBattery(on); });
    if (autoscanStopTimeSC) {
        int index = autoscanStopTimeSC->selectedSegmentIndex();
        if (index == 0) rep->setSetsAutoscanStopTime(kAutoscanStopTime);
        if (index == 1) rep->setSetsAutoscanStopTime(0);
    }
}

void SetsSettingsVC::updateViews() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    selectFlag(shakeSC, rep->fSetsShake());
    selectFlag(vibrateOnShakeSC, rep->fSetsVibrateOnShake());
    selectFlag(vibrateOnWrongAnswerSC, rep->fSetsVibrateOnWrongAnswer());
    updateScanViews();
    auto delegate = AbstractAppDelegate::shared();
    if (delegate && !delegate->fvibrationAllowed()) {
        std::vector<std::shared_ptr<ui::View>> vibration{vibrateLbl,
                                                         vibrateOnShakeLbl,
                                                         vibrateOnShakeSC,
                                                         vibrateOnWrongAnswerLbl,
                                                         vibrateOnWrongAnswerSC,
                                                         view()->viewWithTag(kVibrationBoxTag)};
        for (const auto& v : vibration)
            if (v) v->setHidden(true);
    }
}

void SetsSettingsVC::doneClick(const ui::ConnectionTable::Sender&) {
    if (auto rep = AbstractAppDelegate::sharedRep()) {
        // Hidden controls are stored too: they still hold the stored values.
        storeFlag(shakeSC, [&](bool on) { rep->setFSetsShake(on); });
        storeFlag(vibrateOnShakeSC, [&](bool on) { rep->setFSetsVibrateOnShake(on); });
        storeFlag(vibrateOnWrongAnswerSC, [&](bool on) { rep->setFSetsVibrateOnWrongAnswer(on); });
        storeScanOptions();
    }
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<SetsSettingsVC>());
}

void SetsSettingsVC_iPad::updateViews() { updateScanViews(); }

void SetsSettingsVC_iPad::doneClick(const ui::ConnectionTable::Sender&) {
    storeScanOptions();
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<SetsSettingsVC>());
}
