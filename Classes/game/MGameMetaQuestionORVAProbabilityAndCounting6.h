#pragma once
// Questions of the "Probability and Counting" topic: the chance that two people both pass an exam, or one
// passes and the other does not.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting6 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting6();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
