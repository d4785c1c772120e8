#pragma once
// Questions of the "Probability and Counting" topic: the non-empty playlists from n songs.

#include "Classes/game/MGameMetaQuestion.h"

class MGameMetaQuestionORVAProbabilityAndCounting12 : public MGameMetaQuestion {
  public:
    MGameMetaQuestionORVAProbabilityAndCounting12();
    std::shared_ptr<MGameQuestion> generateForTestType(int testType, int level) override;
};
