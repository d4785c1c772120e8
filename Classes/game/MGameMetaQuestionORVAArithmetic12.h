#pragma once
// Questions of the "Properties of Integers" topic: how many two-digit integers below or above a bound have a
// property of their digits.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic12 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic12();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
