#pragma once
// Questions of the "Probability and Counting" topic: the chance that a sum of members drawn from two sets has
// a value.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting4 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting4();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
