#pragma once
// The set of tips, in their table's order, with the choice of the next one to show and the
// counters kept in the repository's archive as a dictionary from tip identifier to MTipHistory.

#include <memory>
#include <vector>

#include "Classes/core/MTip.h"
#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/Object.h"

class MTips : public fnd::Object {
  public:
    // The built-in tips.
    MTips();

    std::vector<std::shared_ptr<MTip>>& tips() { return tips_; }
    const std::vector<std::shared_ptr<MTip>>& tips() const { return tips_; }

    // The counters stored for each tip copied into it; entries that are no counters are ignored.
    // Counters of tips not present (left out because the address they name is not configured, or
    // from another version) are kept as they were, so that they count on once the tip is back.
    void restoreTipsHistory(const fnd::ArchiveDictionary& history);
    // The counters of the present tips and those kept for absent ones, by identifier.
    std::shared_ptr<fnd::ArchiveDictionary> storeTipsHistory() const;

    // The tips that may be shown now, in order. Every call counts down the pass-over of a tip that
    // was shown lately.
    std::vector<std::shared_ptr<MTip>> filteredTips();
    // One of them, uniformly at random; null when none may be shown.
    std::shared_ptr<MTip> randomTip();

  private:
    std::vector<std::shared_ptr<MTip>> tips_;
    fnd::ArchiveDictionary absentTipsHistory_;
};
