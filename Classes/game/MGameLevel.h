#pragma once
// One level of a maths-game topic: a band of test scores its questions climb through, how many
// questions a play has, the player's best score on it and whether it is open yet.

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"

class MGameLevel : public fnd::Object {
  public:
    using Keywords = std::optional<std::vector<std::string>>;

    // A locked level with high score 0.
    MGameLevel(int startTestLevel, int endTestLevel, int numberOfQuestions, Keywords keywords = std::nullopt);

    int startTestLevel() const { return startTestLevel_; }
    void setStartTestLevel(int score) { startTestLevel_ = score; }
    int endTestLevel() const { return endTestLevel_; }
    void setEndTestLevel(int score) { endTestLevel_ = score; }
    int numberOfQuestions() const { return numberOfQuestions_; }
    void setNumberOfQuestions(int count) { numberOfQuestions_ = count; }
    int highScore() const { return highScore_; }
    void setHighScore(int score) { highScore_ = score; }
    const Keywords& keywords() const { return keywords_; }
    void setKeywords(Keywords keywords) { keywords_ = std::move(keywords); }
    bool isLocked() const { return isLocked_; }
    void setIsLocked(bool locked) { isLocked_ = locked; }

    // The best score a play can reach: 200 a question and 300 more.
    int maxScore() const;
    // Half stars (0 to 6) of the level's high score.
    int semistars() const;
    // Half stars that a score earns on a level.
    static int semistarsForLevel(const MGameLevel& level, int score);

  private:
    int startTestLevel_;
    int endTestLevel_;
    int numberOfQuestions_;
    int highScore_ = 0;
    Keywords keywords_;
    bool isLocked_ = true;
};
