#pragma once
// Questions of the "Probability and Counting" topic: the chance that a member drawn from a list has a value
// or a parity.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting3 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting3();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
