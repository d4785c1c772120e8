#pragma once
// Questions of the "Properties of Integers" topic: whether a sum of integers and powers is odd or even (Yes
// or No).

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic4 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic4();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
