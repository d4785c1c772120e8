#pragma once
// The confirmation of an answer letter the timer was given: the letter, a question and three keys,
// tagged -1 "Cancel", 0 "Guess" and 1 "Confirm", each posting its name with the panel as object.
// It rises from the bottom edge as the shared confirmation panel does; the timer keeps running
// while it shows, and the opener takes it away.

#include <memory>
#include <string>

#include "Classes/core/CommonConfirmVC.h"

class TimerConfirmVC : public CommonConfirmVC {
  public:
    static constexpr const char* kGuessNotification = "Guess";
    static constexpr int kGuessTag = 0;
    static constexpr const char* kGuessKeyImage = "Kb_button_light.png";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "TimerConfirmView"; }

    using CommonConfirmVC::init;
    // Loads the panel with the question and the letter and slides it in.
    void init(const std::string& text, const std::string& userAnswer);
    void viewDidLoad() override;
    // "Guess" for the key tagged 0; the shared panel's keys otherwise.
    void keyboardClick(const Sender& sender);

    const std::string& userAnswer() const { return userAnswer_; }
    const std::shared_ptr<ui::Button>& guessBtn() const { return guessBtn_; }
    const std::shared_ptr<ui::Label>& userAnswerLbl() const { return userAnswerLbl_; }

  private:
    std::shared_ptr<ui::Button> guessBtn_;
    std::shared_ptr<ui::Label> userAnswerLbl_;
    std::string userAnswer_;
};
