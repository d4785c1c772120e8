#pragma once
// Questions of the "Properties of Integers" topic: products of two integers.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic2 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic2();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
