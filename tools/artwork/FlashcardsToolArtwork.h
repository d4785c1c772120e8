#pragma once
// The pictures of the flashcards tool's own screens: the icons of the user's and the imported decks
// in the deck list, the card viewer's keys (the two sequences, the rewinds) and the flash of the
// "I know" key, and the badge of the card-sharing service on its search screen.

class ArtworkRegistry;

class FlashcardsToolArtwork {
  public:
    // The viewer's keys, in points.
    static constexpr double kKeyWidth = 54, kKeyHeight = 30;
    static constexpr double kEffectSide = 50;
    static constexpr double kBadgeWidth = 120, kBadgeHeight = 40;

    static void addTo(ArtworkRegistry& registry);
};
