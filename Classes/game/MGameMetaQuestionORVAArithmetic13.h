#pragma once
// Questions of the "Properties of Integers" topic: which power of ten a product of several factors is closest
// to.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic13 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic13();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
