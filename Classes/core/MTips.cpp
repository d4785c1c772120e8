#include "Classes/core/MTips.h"

#include <algorithm>

#include "Classes/core/MTipsData.h"
#include "platform/foundation/Random.h"

MTips::MTips() { MTipsData::fillTips(tips_); }

void MTips::restoreTipsHistory(const fnd::ArchiveDictionary& history) {
    absentTipsHistory_.clear();
    for (const auto& entry : history) {
        // The key by a name of its own: clang 14 lets no lambda capture a structured binding.
        const auto& tipID = entry.first;
        std::shared_ptr<MTipHistory> stored = entry.second.object<MTipHistory>();
        if (!stored) continue;
        auto tip = std::find_if(tips_.begin(), tips_.end(),
                                [&](auto& present) { return present->tipID() == tipID; });
        if (tip == tips_.end()) {
            absentTipsHistory_[tipID] = stored;
            continue;
        }
        (*tip)->history()->impressionsCount = stored->impressionsCount;
        (*tip)->history()->activationCount = stored->activationCount;
        (*tip)->history()->deactivationCount = stored->deactivationCount;
    }
}

std::shared_ptr<fnd::ArchiveDictionary> MTips::storeTipsHistory() const {
    auto history = std::make_shared<fnd::ArchiveDictionary>(absentTipsHistory_);
    for (const std::shared_ptr<MTip>& tip : tips_) (*history)[tip->tipID()] = tip->history();
    return history;
}

std::vector<std::shared_ptr<MTip>> MTips::filteredTips() {
    std::vector<std::shared_ptr<MTip>> eligible;
    for (const std::shared_ptr<MTip>& tip : tips_) {
        const MTipHistory& counts = *tip->history();
        bool ok = true;
        if (tip->impressionsLimit() != MTip::kNoLimit) ok = counts.impressionsCount < tip->impressionsLimit();
        if (tip->deactivationLimit() != MTip::kNoLimit &&
            counts.deactivationCount >= tip->deactivationLimit())
            ok = false;
        if (tip->activationLimit() != MTip::kNoLimit && counts.activationCount < tip->activationLimit())
            ok = false;
        if (tip->beforeShow() >= 1)
            tip->setBeforeShow(tip->beforeShow() - 1);
        else if (ok)
            eligible.push_back(tip);
    }
    return eligible;
}

std::shared_ptr<MTip> MTips::randomTip() {
    std::vector<std::shared_ptr<MTip>> eligible = filteredTips();
    if (eligible.empty()) return nullptr;
    return eligible[fnd::Random::next32() % eligible.size()];
}
