#pragma once
// Makes the error log's models known to the archive reader by the names their archives carry.

class MErrorLogClasses {
  public:
    // Safe to call more than once and from any thread.
    static void registerAll();
};
