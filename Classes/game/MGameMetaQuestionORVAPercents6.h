#pragma once
// Questions of the "Percents" topic: the value of an investment after one year's change.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAPercents6 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAPercents6();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
