#pragma once
// Questions of the "Percents" topic: a percent of a percent of a number.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAPercents3 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAPercents3();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
