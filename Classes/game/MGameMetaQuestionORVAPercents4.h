#pragma once
// Questions of the "Percents" topic: a fraction of a percent of a number.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAPercents4 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAPercents4();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
