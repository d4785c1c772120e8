#pragma once
// One run of a maths-game level, without its views: the lives, the score, how many questions have
// started, and the question on screen with when it was shown, whether an answer was accepted and
// whether it is over. The play screen asks it at every clock tick and at every tap; every answered
// or timed-out question goes to the front of the review list exactly once.

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"

class MGameQuestion;

class MGameBattle : public fnd::Object {
  public:
    using ReviewList = std::vector<std::shared_ptr<MGameQuestion>>;

    static constexpr int kLives = 3;
    // The points of a right answer fall from kMaxPoints (within the read time) to kMinPoints (at the
    // total time); each life left at the end of a completed level adds kLifeBonus.
    static constexpr int kMaxPoints = 200;
    static constexpr int kMinPoints = 100;
    static constexpr int kLifeBonus = 100;

    explicit MGameBattle(int numberOfQuestions);

    // A fresh run: no question started, all lives, no points.
    void restart();
    void setNumberOfQuestions(int n) { numberOfQuestions_ = n; }
    int numberOfQuestions() const { return numberOfQuestions_; }

    // Whether a question remains to be asked, and the number (from 1) of the one started next.
    bool hasQuestionLeft() const { return nQuestion_ < numberOfQuestions_; }
    int startNextQuestion();
    // The question is on screen from `now`.
    void showQuestion(std::shared_ptr<MGameQuestion> question, double now);

    // What a tick found.
    enum class Tick {
        Running,  // the question still runs (or there is none)
        Ended,    // it ended at this tick: a life is left
        Lost,     // it ended at this tick and took the last life
        Over,     // it had ended before
    };
    // A tick at `now`: a question whose time ran out without an answer costs a life and enters the
    // review list with the whole time as its answer time.
    Tick tick(double now, ReviewList& review);
    // A tap on option `index` whose title is `title`: taken only while the question runs, before an
    // answer was taken and when the option is not "-". Answers whether it was taken.
    bool submitAnswer(int index, const std::string& title, double now, ReviewList& review);
    // The points a right answer at `elapsed` seconds earns.
    int pointsForAnswerAt(double elapsed) const;
    // The same points before truncation, in single precision.
    float fractionalPointsAt(double elapsed) const;

    // The part of the question's time still left at `now`, 1 at the start and 0 at the end.
    double timeLeftFraction(double now) const;
    // The run's final score: the points and kLifeBonus per life left, or 0 when no life is left.
    int finalScore() const { return nlifes_ >= 1 ? score_ + kLifeBonus * nlifes_ : 0; }

    int nlifes() const { return nlifes_; }
    int score() const { return score_; }
    void setScore(int score) { score_ = score; }
    int nQuestion() const { return nQuestion_; }
    bool isExpired() const { return expired_; }
    bool playerAnswered() const { return answered_; }
    bool playerAnswerRight() const { return answerRight_; }
    const std::shared_ptr<MGameQuestion>& question() const { return question_; }
    double questionStart() const { return qStart_; }

  private:
    int numberOfQuestions_;
    int nlifes_ = kLives;
    int score_ = 0;
    int nQuestion_ = 0;
    bool answered_ = false;
    bool answerRight_ = false;
    bool expired_ = false;
    std::shared_ptr<MGameQuestion> question_;
    double qStart_ = 0;
};
