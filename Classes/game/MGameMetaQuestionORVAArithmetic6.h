#pragma once
// Questions of the "Properties of Integers" topic: whether a*m^k + b is odd (or even) for every integer m
// (Yes or No).

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic6 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic6();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
