#pragma once
// Questions of the "Percents" topic: what percent a part is of a whole.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAPercents1 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAPercents1();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
