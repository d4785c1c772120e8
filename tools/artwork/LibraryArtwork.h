#pragma once
// The pictures of the library: the covers of the study guide, the sample interactive book and the
// maths review, the contents' page marker, the collapsible section headers, the link rows' icons
// (the application rows' four among them) and the study guide's figures.

#include <string>

class ArtworkPen;
class ArtworkRegistry;
namespace ui {
struct Color;
}

class LibraryArtwork {
  public:
    // Sizes in points: a cover fills the left of a book row, an icon the left of a link row, the
    // marker the left of a contents row.
    static constexpr double kCoverWidth = 72, kCoverHeight = 96;
    static constexpr double kIconSide = 57;
    static constexpr double kMarkerSide = 57;
    static constexpr double kHeaderWidth = 1024, kHeaderHeight = 41;
    static constexpr double kIndicatorSide = 18;

    static void addTo(ArtworkRegistry& registry);
    // A book standing upright, its spine darker, its title on a light band and the subtitle under
    // it (the covers of the library and the store).
    static void cover(ArtworkPen& pen, const ui::Color& color, const std::string& title,
                      const std::string& subtitle);
};
