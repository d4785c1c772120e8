#pragma once
// The answer pad of the tracker: a strip of five letter keys and a guess toggle that slides up
// from the bottom edge over the home screen's view. A letter key posts a notification named by
// its number ("1" to "5" for A to E, 100 more with the guess toggle on: "101" to "105"), with the
// pad as object; the tracker screen records the answer and closes the pad.

#include <string>

#include "Classes/core/CommonViewController.h"

class AnswersVC : public CommonViewController {
  public:
    static constexpr double kHeight = 131;
    static constexpr int kGuessOffset = 100;
    static constexpr const char* kGuessActiveImage = "guess_btn_active.png";
    static constexpr const char* kGuessInactiveImage = "guess_btn_inactive.png";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "AnswersView"; }

    void viewDidLoad() override;
    // Lies over everything, the home screen's view's width and kHeight high, sliding up from below
    // its bottom edge (ease-in); and back down.
    void animation() override;
    void outAnimation() override;

    // The guess key toggles the guess mark and shows its state.
    void guessClick(const Sender& sender);
    // A letter key (tags 1 to 5).
    void answerClick(const Sender& sender);

    bool fguess() const { return fguess_; }

  private:
    void slideTo(double centreY);

    bool fguess_ = false;
};

class AnswersVC_iPad : public AnswersVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(AnswersVC::nibIdentifier()); }
};
