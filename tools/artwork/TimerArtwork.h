#pragma once
// The timer's pictures: the glyphs of its two section keys in each state (normal, and the
// highlighted twin "_h" for the pressed key's dark face), the grade keys of its results and the
// mark over the column the results are sorted by.

class ArtworkRegistry;

class TimerArtwork {
  public:
    // Sizes in points.
    static constexpr double kGlyphSide = 24;
    static constexpr double kGradeWidth = 64, kGradeHeight = 28;
    static constexpr double kMarkWidth = 14, kMarkHeight = 8;

    static void addTo(ArtworkRegistry& registry);
};
