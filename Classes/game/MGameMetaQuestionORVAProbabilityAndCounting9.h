#pragma once
// Questions of the "Probability and Counting" topic: the colour patterns of chips in a row.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting9 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting9();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
