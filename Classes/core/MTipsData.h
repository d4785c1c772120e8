#pragma once
// The built-in tips: their texts, how often each is shown, and the events that make it eligible
// or retire it.

#include <memory>
#include <vector>

class MTip;

class MTipsData {
  public:
    // Appends the built-in tips in their order, each observing its events. The tips that name the
    // support mail address or the flashcard service's address are left out when the bundle's
    // information does not give that address ("SupportMailAddress", "FlashcardServiceAddress").
    static void fillTips(std::vector<std::shared_ptr<MTip>>& tips);
};
