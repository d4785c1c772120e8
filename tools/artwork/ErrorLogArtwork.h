#pragma once
// The pictures of the error log: the books' covers, the tracker rows' marks and keys, the answer
// pad's guess key, the tracker's toolbar keys and the diagnostic test's section picture.

class ArtworkRegistry;

class ErrorLogArtwork {
  public:
    static void addTo(ArtworkRegistry& registry);
};
