#pragma once
// Questions of the "Percents" topic: the value of an investment after two years' changes.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAPercents7 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAPercents7();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
