#pragma once
// The results of a run, over the play screen: the score counts up over a few seconds while the
// level's big stars fill, then half a star shows where earned, and a new best is marked by a badge
// while the panel wobbles. Three keys lead on: back to the levels, the same level again, or the
// next level (only after a completed run, and only when there is one). The panel holds what it
// shows: after a failed run only its title and keys; it stands in the middle of the screen.
//
// A new best score is stored as soon as the results show, so that it is kept whatever happens
// next; what the screen shows is compared with the best from before the run.

#include <memory>

#include "Classes/core/GameViewController.h"

namespace ui {
class Button;
class ImageView;
class Label;
}  // namespace ui
class MGameLevel;

class GameResultsVC : public GameViewController {
  public:
    static constexpr const char* kLevelsNotification = "MNotificationResultsLevels";
    static constexpr const char* kRestartNotification = "MNotificationResultsRestart";
    static constexpr const char* kNextNotification = "MNotificationResultsNext";
    // The tags of the three keys.
    static constexpr int kLevelsTag = -1;
    static constexpr int kRestartTag = 0;
    static constexpr int kNextTag = 1;
    // The tablet's game screens are laid out at one and a half times the phone's size; the results
    // panel, shared with the phone, is scaled so.
    static constexpr double kTabletScale = 1.5;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "GameResultsView"; }

    // Seconds the score takes to count up: one for every 500 points, at least two.
    static int countUpSeconds(int score);

    using GameViewController::init;
    void init(std::shared_ptr<MGameLevel> level, int score);
    void viewDidLoad() override;
    // Fades in over the game screen.
    void animation() override;

    // One clock tick: the count-up, the stars, the badge.
    void update();
    void doneClick(const Sender& sender);

    int score() const { return score_; }
    bool isFailed() const { return score_ == 0; }
    // The level's best score before this run.
    int previousBest() const { return previousBest_; }

  private:
    // The panel's scale on this device, before any wobble.
    static double panelScale();
    // A failed run shows no stars and no score: the title goes just above the keys and the panel
    // closes round the two.
    void fitPanelToTitleAndKeys();
    // Scales the base by the device's scale and the wobble, its panel in the middle.
    void placePanel(double wobble);
    void showBigStar(const std::shared_ptr<ui::ImageView>& star, const char* kind);

    std::shared_ptr<ui::Label> scoreLbl_;
    std::shared_ptr<ui::ImageView> star1IV_, star2IV_, star3IV_;
    std::shared_ptr<ui::ImageView> highscoreIV_;
    std::shared_ptr<ui::Button> levelsBtn_, restartBtn_, nextBtn_;
    std::shared_ptr<ui::Label> completeFailedLbl_;
    std::shared_ptr<ui::Label> bestScoreLbl_;
    std::shared_ptr<ui::View> baseView_;
    std::shared_ptr<ui::View> panelView_;

    std::shared_ptr<MGameLevel> level_;
    int score_ = 0;
    int previousBest_ = 0;
    double startDate_ = 0;
};
