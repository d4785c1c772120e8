#pragma once
// The pictures of the maths game: the slate backgrounds of its screens, the level keys (open,
// pressed, locked), the small stars under a key and the big stars of the results, a life, and the
// badge of a new best score.

class ArtworkRegistry;

class GameArtwork {
  public:
    // Sizes in points, as the game's screens lay them out.
    static constexpr double kLevelKeySide = 51;
    static constexpr double kStarSide = 14;
    static constexpr double kBigStarSide = 60;
    static constexpr double kLifeSide = 20;
    static constexpr double kBadgeWidth = 90, kBadgeHeight = 48;

    static void addTo(ArtworkRegistry& registry);
};
