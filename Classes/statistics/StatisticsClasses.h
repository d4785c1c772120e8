#pragma once
// Makes the statistics' panels and screens known to interface files: the panels as view classes
// that a screen's file may name, and the owners of the statistics' files for their checks.

class StatisticsClasses {
  public:
    // Safe to call more than once.
    static void registerAll();
};
