#pragma once
// Registers the archivable classes of the news feeds and the forum bookmarks.

class MForumNewsClasses {
  public:
    // Safe to call more than once, from any thread.
    static void registerAll();
};
