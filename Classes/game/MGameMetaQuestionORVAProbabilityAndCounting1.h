#pragma once
// Questions of the "Probability and Counting" topic: the chance of heads and tails in coin tosses.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting1 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting1();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
