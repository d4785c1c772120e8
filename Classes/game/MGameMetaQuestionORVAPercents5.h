#pragma once
// Questions of the "Percents" topic: what percent a decimal number is of a whole.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAPercents5 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAPercents5();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
