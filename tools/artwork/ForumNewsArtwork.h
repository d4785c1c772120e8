#pragma once
// The news and forum tools' pictures: the feed icons of the built-in feeds and of added ones (plain
// pictograms on coloured tiles), the feed kinds, the unread badge and mark, the item page's header
// backgrounds for the three screen widths, the forum browser's toolbar keys, its toolbar
// background, the stopwatch's background and keys, and the mark of a question already kept.

class ArtworkRegistry;

class ForumNewsArtwork {
  public:
    // Sizes in points.
    static constexpr double kFeedIconSide = 60;
    static constexpr double kKindSide = 22;
    static constexpr double kBadgeWidth = 30, kBadgeHeight = 20;
    static constexpr double kItemMarkSide = 12;
    static constexpr double kHeaderHeight = 120;
    static constexpr double kKeySide = 24;
    static constexpr double kBarWidth = 320, kBarHeight = 44;
    static constexpr double kTimerWidth = 140, kTimerHeight = 44;
    static constexpr double kTimerKeySide = 32;

    static void addTo(ArtworkRegistry& registry);
};
