#pragma once
// Questions of the "Probability and Counting" topic: the chance of drawing marbles of given colours from a
// bag.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting7 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting7();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
