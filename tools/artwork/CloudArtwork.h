#pragma once
// The pictures of the error log's concept cloud: the legend's three colour scales (answers from
// right to wrong, answer times from none to three minutes, the share solved).

class ArtworkRegistry;

class CloudArtwork {
  public:
    static void addTo(ArtworkRegistry& registry);
};
