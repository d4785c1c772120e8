#pragma once
// Questions of the "Properties of Integers" topic: whether a number below 100 is prime (Yes or No).

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic5 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic5();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
