#pragma once
// The play screen of one level: the level's questions one after another, each made when it is due
// for a target score that climbs from the level's start score to its end score, shown as a page
// with four answer keys under it, a timer bar that drains while the question runs, three lives and
// the score. The game clock drives it: at each tick a question that ran out costs a life, the next
// question follows two seconds after one ends, and the results open when the level is completed
// or the last life is lost. The run itself (lives, score, expiry) is an MGameBattle.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "Classes/core/GameViewController.h"
#include "Classes/game/MGameBattle.h"
#include "Classes/game/MGameMetaQuestionCollection.h"
#include "platform/ui/Rect.h"

namespace ui {
class Button;
class ImageView;
class Label;
class WebView;
}  // namespace ui
class GameResultsVC;
class MGameLevel;
class MGameQuestion;

class GameBattleVC : public GameViewController {
  public:
    static constexpr const char* kBattleDoneNotification = "MNotificationBattleDone";
    static constexpr double kNextQuestionDelay = 2.0;
    static constexpr const char* kUnusedOption = "-";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    // The page of a question: the body in the game's page, with its font size; `extraRule` goes
    // right after the paragraph rule.
    static std::string questionPage(int fontSize, const std::string& body, const std::string& extraRule = {});

    std::string nibIdentifier() const override { return "GameBattleView"; }
    // Where the timer bar stands when full, in its superview.
    virtual ui::Rect timerFrame() const { return {405, 33, 4, 180}; }
    virtual int questionFontSize() const { return 15; }

    using GameViewController::init;
    void init(std::shared_ptr<MGameLevel> level);
    // The level starts as soon as the view is there.
    void viewDidLoad() override;

    // A new run of the level: the level's name, its first question, and labels at once.
    void start();
    // The next question, or the end of a completed level.
    void generateQuestion();
    void showQuestion(const std::shared_ptr<MGameQuestion>& question);
    // One clock tick.
    void update();
    // The open child closes with the screen.
    void close() override;
    // The action of the four answer keys (tags 0 to 3).
    void submitAnswer(const Sender& sender);
    void openResults();
    void resultsNotifications(const fnd::Notification& notification);
    // The screen's own leave key: no score.
    void doneClick(const Sender& sender);

    const MGameBattle& battle() const { return battle_; }
    const std::shared_ptr<MGameLevel>& level() const { return level_; }
    const std::shared_ptr<GameResultsVC>& resultsVC() const { return resultsVC_; }
    const std::shared_ptr<ui::View>& timerV() const { return timerV_; }
    std::shared_ptr<ui::Button> optionButton(int index) const;

  private:
    // The levels of the topic being played.
    std::vector<std::shared_ptr<MGameLevel>> topicLevels() const;
    int levelIndex() const;
    std::vector<std::shared_ptr<MGameQuestion>>* reviewList() const;
    static double now();

    std::shared_ptr<ui::WebView> webV_;
    std::array<std::shared_ptr<ui::Button>, 4> optionButtons() const {
        return {o0Btn_, o1Btn_, o2Btn_, o3Btn_};
    }

    std::shared_ptr<ui::Button> o0Btn_, o1Btn_, o2Btn_, o3Btn_;
    std::shared_ptr<ui::View> timerV_;
    std::shared_ptr<ui::ImageView> life1IV_, life2IV_, life3IV_;
    std::shared_ptr<ui::Label> levelNameLbl_;
    std::shared_ptr<ui::Label> scoreLbl_;
    std::shared_ptr<ui::Label> numberOfQuestionsLbl_;

    std::shared_ptr<MGameLevel> level_;
    MGameMetaQuestionCollection::Generators metaQuestions_;
    MGameBattle battle_{0};
    std::shared_ptr<GameResultsVC> resultsVC_;
};

class GameBattleVC_iPad : public GameBattleVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(GameBattleVC::nibIdentifier()); }
    ui::Rect timerFrame() const override { return {524, 8, 4, 257}; }
    int questionFontSize() const override { return 22; }
};
