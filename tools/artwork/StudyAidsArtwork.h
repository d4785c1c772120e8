#pragma once
// The pictures of the study aids: the maths-review topic icons, the course providers' tiles (row
// icon and logo in one) and the map image of the provider that has test centres.

class ArtworkRegistry;

class StudyAidsArtwork {
  public:
    // Sizes in points. A topic icon fills the left of a maths-review row, a provider tile the left
    // of a course or centre row (and the logo box of an explanation page), the map image the
    // callout of a centre's pin.
    static constexpr double kTopicWidth = 84, kTopicHeight = 70;
    static constexpr double kProviderWidth = 115, kProviderHeight = 70;
    static constexpr double kMapImageSide = 32;

    static void addTo(ArtworkRegistry& registry);
};
