#pragma once
// Questions of the "Percents" topic: Y as a percent of X, given X as a percent of Y.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAPercents8 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAPercents8();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
