#include "Classes/game/MGameLevel.h"

MGameLevel::MGameLevel(int startTestLevel, int endTestLevel, int numberOfQuestions, Keywords keywords)
    : startTestLevel_(startTestLevel),
      endTestLevel_(endTestLevel),
      numberOfQuestions_(numberOfQuestions),
      keywords_(std::move(keywords)) {}

int MGameLevel::maxScore() const { return 200 * numberOfQuestions_ + 300; }

int MGameLevel::semistars() const { return semistarsForLevel(*this, highScore_); }

int MGameLevel::semistarsForLevel(const MGameLevel& level, int score) {
    // A score of 100 a question less 100 earns the first half star, the level's maximum the sixth.
    int n = level.numberOfQuestions();
    double x = static_cast<double>(score - (100 * n - 100)) * 5.99 / static_cast<double>(100 * n + 400);
    int k = static_cast<int>(x) + 1;
    return k < 0 ? 0 : k;
}
