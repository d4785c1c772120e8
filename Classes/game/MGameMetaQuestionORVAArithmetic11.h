#pragma once
// Questions of the "Properties of Integers" topic: the remainder of a division.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAArithmetic11 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAArithmetic11();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
