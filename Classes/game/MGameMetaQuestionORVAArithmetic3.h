#pragma once
// Questions of the "Properties of Integers" topic: whether a number is divisible by 2, 5, 3 or 9 (Yes or No).

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic3 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic3();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
