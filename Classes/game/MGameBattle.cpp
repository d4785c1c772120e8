#include "Classes/game/MGameBattle.h"

#include <algorithm>

#include "Classes/game/MGameQuestion.h"

MGameBattle::MGameBattle(int numberOfQuestions) : numberOfQuestions_(numberOfQuestions) {}

void MGameBattle::restart() {
    nQuestion_ = 0;
    nlifes_ = kLives;
    score_ = 0;
    question_.reset();
    answered_ = false;
    expired_ = false;
}

int MGameBattle::startNextQuestion() {
    question_.reset();
    return ++nQuestion_;
}

void MGameBattle::showQuestion(std::shared_ptr<MGameQuestion> question, double now) {
    question_ = std::move(question);
    qStart_ = now;
    answered_ = false;
    answerRight_ = false;
    expired_ = false;
}

MGameBattle::Tick MGameBattle::tick(double now, ReviewList& review) {
    if (!question_) return Tick::Running;
    bool over = question_->totalTime() < now - qStart_ || answered_;
    if (over == expired_) return expired_ ? Tick::Over : Tick::Running;
    expired_ = over;
    if (!answered_) {
        nlifes_ = std::max(0, nlifes_ - 1);
        question_->setUserTime(question_->totalTime());
        MGameQuestion::insertIntoReviewList(review, question_);
    }
    return nlifes_ > 0 ? Tick::Ended : Tick::Lost;
}

bool MGameBattle::submitAnswer(int index, const std::string& title, double now, ReviewList& review) {
    if (!question_ || expired_ || answered_ || title == "-") return false;
    double elapsed = now - qStart_;
    question_->setUserAnswer(index);
    question_->setUserTime(elapsed);
    MGameQuestion::insertIntoReviewList(review, question_);
    answered_ = true;
    answerRight_ = question_->rightAnswer() == index;
    if (answerRight_)
        // The sum is taken in single precision and only then truncated, so fractions of points
        // carry into the score.
        score_ = static_cast<int>(static_cast<float>(score_) + fractionalPointsAt(elapsed));
    else
        nlifes_ = std::max(0, nlifes_ - 1);
    return true;
}

int MGameBattle::pointsForAnswerAt(double elapsed) const {
    return static_cast<int>(fractionalPointsAt(elapsed));
}

float MGameBattle::fractionalPointsAt(double elapsed) const {
    double read = question_ ? question_->readTime() : 0;
    double total = question_ ? question_->totalTime() : 0;
    // Past the read time the points fall evenly to the minimum at the total time.
    auto f = static_cast<float>((elapsed - read) / (total - read));
    if (!(f > 0)) f = 0;  // also a question whose two times are equal
    f = std::min(f, 1.0f);
    return (2.0f - f) * static_cast<float>(kMinPoints);
}

double MGameBattle::timeLeftFraction(double now) const {
    if (!question_ || question_->totalTime() <= 0) return 0;
    return 1 - (now - qStart_) / question_->totalTime();
}
