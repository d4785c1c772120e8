#pragma once
// Questions of the "Properties of Integers" topic: whether m has at least k prime factors when it is a
// multiple of given numbers (Yes or No).

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic16 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic16();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
