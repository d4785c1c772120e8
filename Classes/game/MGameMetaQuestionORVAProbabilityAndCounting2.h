#pragma once
// Questions of the "Probability and Counting" topic: the chance of outcomes of one or two rolls of a die.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting2 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting2();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
