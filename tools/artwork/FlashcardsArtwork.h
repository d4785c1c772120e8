#pragma once
// The pictures of the built-in flashcard decks: their icons in the deck list (tiles like the home
// screen's, with a card as the sign) and the backgrounds of their cards' two sides, for the phone
// and the tablet. The quant deck's backgrounds also serve the user's own decks.

class ArtworkRegistry;

class FlashcardsArtwork {
  public:
    // Sizes in points: the deck list's icons, and the cards on the phone and on the tablet.
    static constexpr double kDeckIconSide = 64;
    static constexpr double kPhoneCardWidth = 480, kPhoneCardHeight = 320;
    static constexpr double kTabletCardWidth = 768, kTabletCardHeight = 512;

    static void addTo(ArtworkRegistry& registry);
};
