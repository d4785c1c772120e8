#pragma once
// The pictures of the settings list: one tile per option screen (forum login, tips, practice, the
// official-guide tracker).

class ArtworkRegistry;

class SettingsArtwork {
  public:
    // The side in points of a row's picture in the settings list.
    static constexpr double kIconSide = 36;

    static void addTo(ArtworkRegistry& registry);
};
