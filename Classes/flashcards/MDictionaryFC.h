#pragma once
// The shared deck "Dictionary" (index 0): words the user looked up in the dictionary panel.

#include "Classes/flashcards/MSharedDeck.h"

class MDictionaryFC : public MSharedDeck {
  public:
    static constexpr std::uint32_t kIndex = 0;
    MDictionaryFC();
};
