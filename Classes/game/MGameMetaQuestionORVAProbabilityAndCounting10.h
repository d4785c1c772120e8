#pragma once
// Questions of the "Probability and Counting" topic: the ways to choose people from married couples, no two
// of them married.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting10 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting10();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
