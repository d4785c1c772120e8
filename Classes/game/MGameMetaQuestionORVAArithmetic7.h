#pragma once
// Questions of the "Properties of Integers" topic: the greatest common divisor or the least common multiple
// of two numbers.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic7 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic7();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
