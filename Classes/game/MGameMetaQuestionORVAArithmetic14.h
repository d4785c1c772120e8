#pragma once
// Questions of the "Properties of Integers" topic: how many different prime factors a number has.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic14 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic14();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
