#pragma once
// Questions of the "Probability and Counting" topic: the intersection points of n lines, or the games among n
// chess players.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting8 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting8();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
