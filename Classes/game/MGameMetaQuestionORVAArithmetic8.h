#pragma once
// Questions of the "Properties of Integers" topic: how many divisors a number made of the primes 2, 3 and 5
// has.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic8 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic8();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
