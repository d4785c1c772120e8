#pragma once
// Makes the practice models known to the archive reader by the names their archives carry.

class MPracticeClasses {
  public:
    // Safe to call more than once and from any thread.
    static void registerAll();
};
