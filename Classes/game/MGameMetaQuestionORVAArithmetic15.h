#pragma once
// Questions of the "Properties of Integers" topic: the units digit of a power, in three variants of rising
// difficulty.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic15 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic15();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
