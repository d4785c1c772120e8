#pragma once
// Questions of the "Probability and Counting" topic: the two-digit numbers whose digits have given
// properties.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting11 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting11();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
