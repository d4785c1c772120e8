#pragma once
// The pictures of the screen bases and the shared overlays: the two button styles' faces, the keys
// of the confirmation panel and the font-size popup, the option rows' default picture and the
// about screen's mark.

class ArtworkRegistry;

class OverlayArtwork {
  public:
    // Sizes in points. Button faces and keys are stretched by caps of 10 points.
    static constexpr double kButtonSide = 30;
    static constexpr double kKeyWidth = 30, kKeyHeight = 44;
    static constexpr double kCellPictSide = 29;
    static constexpr double kLogoSide = 80;

    static void addTo(ArtworkRegistry& registry);
};
