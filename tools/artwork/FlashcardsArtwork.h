#pragma once
// The pictures of the built-in flashcard decks: their icons in the deck list (tiles like the home
// screen's, with a card as the sign) and the backgrounds of their cards' two sides, for the phone
// and the tablet. The quant deck's backgrounds also serve the user's own decks.

#include <string>

class ArtworkRegistry;
namespace ui {
class Font;
}

class FlashcardsArtwork {
  public:
    // Sizes in points: the deck list's icons, and the cards on the phone and on the tablet.
    static constexpr double kDeckIconSide = 64;
    static constexpr double kPhoneCardWidth = 480, kPhoneCardHeight = 320;
    static constexpr double kTabletCardWidth = 768, kTabletCardHeight = 512;

    static void addTo(ArtworkRegistry& registry);
    // A deck icon: the home screen's tile of that hue with its cards, the front card showing the sign.
    static void addDeckIcon(ArtworkRegistry& registry, const std::string& name, double hue,
                            const ui::Font& font, const std::string& sign);
};
