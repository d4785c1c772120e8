#pragma once
// Questions of the "Properties of Integers" topic: sums and differences of two integers.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic1 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic1();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
