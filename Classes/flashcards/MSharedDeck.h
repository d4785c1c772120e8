#pragma once
// A deck that other tools fill (the dictionary panel fills "Dictionary"): identifier 77000 plus
// its index, stored whole, one look for both sides.

#include <cstdint>
#include <memory>
#include <string>

#include "Classes/flashcards/MDeck.h"

class MSharedDeck : public MDeck {
  public:
    static constexpr std::uint32_t kFirstID = 77000;

    MSharedDeck(std::uint32_t index, std::string title, std::string description);

    std::shared_ptr<MDeckStyle> setupTheStyle() override;
    // A new card at the end, numbered one above the deck's largest card identifier.
    std::shared_ptr<MFlashcard> addCardWithFaceHTMLText(std::string faceHTMLText, std::string backHTMLText);

    void fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const override;
    void restoreHistory(const fnd::ArchiveDictionary& dictionary) override;
};
