#pragma once
// Questions of the "Probability and Counting" topic: a factorial, a quotient of factorials, a count of
// combinations or of permutations.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting5 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting5();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
