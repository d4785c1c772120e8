#pragma once
// The review of the questions played last, newest first: each question's page with its right
// answer, whether the player was right, wrong or out of time, and the time taken. Two keys page
// back and forth, round from the last to the first.

#include <memory>
#include <string>

#include "Classes/core/GameViewController.h"

namespace ui {
class Label;
class WebView;
}  // namespace ui
class MGameQuestion;

class GameReviewVC : public GameViewController {
  public:
    static constexpr int kBackTag = -1;
    static constexpr int kForwardTag = 1;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "GameReviewView"; }
    virtual int questionFontSize() const { return 15; }

    void viewDidLoad() override;
    void showQuestion(const std::shared_ptr<MGameQuestion>& question);
    // The action of the paging keys (tags -1 and 1).
    void changeQuestion(const Sender& sender);
    void doneClick(const Sender& sender);
    // The review is not in the clock's chain.
    void update() {}

    int nQuestion() const { return nQuestion_; }

  private:
    std::shared_ptr<ui::WebView> webV_;
    std::shared_ptr<ui::Label> numberOfQuestionsLbl_, correctAnswerLbl_, rightWrongLbl_, userTimeLbl_;
    int nQuestion_ = 0;
};

class GameReviewVC_iPad : public GameReviewVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(GameReviewVC::nibIdentifier()); }
    int questionFontSize() const override { return 22; }
};
