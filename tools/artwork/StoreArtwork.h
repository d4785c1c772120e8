#pragma once
// The pictures of the store and of the interactive book's screens: the store rows' marks (update,
// new), the info key, the product icons (the library's covers) for sale ("_a") and owned or on
// their way ("_b") of the products the bundle has pictures for, and the tag cloud's toolbar key.

class ArtworkRegistry;

class StoreArtwork {
  public:
    static void addTo(ArtworkRegistry& registry);
};
