#pragma once
// Questions of the "Percents" topic: a percent of a number, asked two ways.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAPercents2 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAPercents2();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
