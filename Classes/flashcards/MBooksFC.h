#pragma once
// The shared deck "Books" (index 1), for passages cited from books.

#include "Classes/flashcards/MSharedDeck.h"

class MBooksFC : public MSharedDeck {
  public:
    static constexpr std::uint32_t kIndex = 1;
    MBooksFC();
};
