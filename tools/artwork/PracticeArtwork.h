#pragma once
// The pictures of the practice tool: the question sets' icons, the question types' tiles, the
// filter editor's marks, the question screen's keys, attempt marks and toolbar keys, the review
// list's date tile and the separator of the question page. The calculator's and scratchpad's keys
// are the error log's.

class ArtworkRegistry;

class PracticeArtwork {
  public:
    static void addTo(ArtworkRegistry& registry);
};
