#pragma once
// The pictures of the home screen: one icon per tool (a rounded tile of the tool's colour with a
// white sign), the info and test-date keys, and the screen's background.

#include <string>

#include "platform/ui/Color.h"
#include "platform/ui/Font.h"

class ArtworkPen;
class ArtworkRegistry;

class HomeArtwork {
  public:
    // Sizes in points. A tool icon sits at the top of its button, above the caption.
    static constexpr double kIconSide = 64;
    static constexpr double kInfoSide = 30;
    static constexpr double kPhoneWidth = 320, kPhoneHeight = 460;
    static constexpr double kTabletWidth = 768, kTabletHeight = 1004;

    static void addTo(ArtworkRegistry& registry);

    // The tile of an icon kIconSide square: rounded, of the hue, lighter at the top. Answers the
    // tile's deep colour, the ink for cut-outs in the white sign drawn on it.
    static ui::Color drawTile(ArtworkPen& pen, double hue, double saturation);
    // The flashcards sign: a card leaning behind a card whose face shows the text in the ink.
    static void drawCards(ArtworkPen& pen, const ui::Color& ink, const ui::Font& font,
                          const std::string& text);

    // The practice tool's white sign, an answer sheet (rows of choices, one marked), in the
    // icon's coordinates; the settings list's practice picture draws it smaller.
    static void drawAnswerSheet(ArtworkPen& pen);
};
