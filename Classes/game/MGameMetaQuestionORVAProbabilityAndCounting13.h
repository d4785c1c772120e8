#pragma once
// Questions of the "Probability and Counting" topic: the routes from A to C on a road map that the question
// draws.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting13 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting13();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
