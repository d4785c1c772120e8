#pragma once
// Questions of the "Properties of Integers" topic: how many integers lie between two numbers, both included.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic9 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic9();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
