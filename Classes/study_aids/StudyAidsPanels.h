#pragma once
// Makes the study aids' panels known to interface files: the owners of the calculator, scratchpad
// and dictionary files, and the scratchpad's drawing view as a class those files may name.

class StudyAidsPanels {
  public:
    // Safe to call more than once.
    static void registerAll();
};
