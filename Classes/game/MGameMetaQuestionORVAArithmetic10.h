#pragma once
// Questions of the "Properties of Integers" topic: how many multiples of a number lie in a range.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic10 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic10();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
