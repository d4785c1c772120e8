#pragma once
// The pictures of the courses tool and the maths review: the centres icon of a course row, the two
// call keys of the centre map, and the figures of the maths-review pages (drawn to the numbers the
// pages' worked examples use).

class ArtworkRegistry;

class ReferenceArtwork {
  public:
    // Sizes in points.
    static constexpr double kCentersIconWidth = 26, kCentersIconHeight = 16;
    static constexpr double kCallKeySide = 40;
    static constexpr double kFigureWidth = 280, kFigureHeight = 170;
    static constexpr double kNumberLineHeight = 70;

    static void addTo(ArtworkRegistry& registry);
};
