#pragma once
// The maths game's tool screen, shown in landscape on the phone: a panel of three keys (play,
// review, leave) and the game clock. The clock ticks at every display refresh and sends update down
// the chain of open game screens (topic list, level grid, play screen, results); the review is not
// in the chain. Every game screen made while this one lives is laid over its view.
//
//     GameVC ── openLevel ──> GameMathVC ── openLevel ──> GameLevelVC ── openBattle ──> GameBattleVC
//            └─ openReview ─> GameReviewVC                                  openResults ─> GameResultsVC
//
// Each child reports by a notification of its own with itself as object; its opener's handler
// takes it away and shows again what it hid.

#include <memory>

#include "Classes/core/RotatedViewController.h"

namespace fnd {
class Timer;
}
namespace ui {
class Button;
}
class GameMathVC;
class GameReviewVC;
class MGameMetaQuestionCollection;
class MGameTopic;

class GameVC : public RotatedViewController {
  public:
    static constexpr const char* kMathDoneNotification = "MNotificationMathDone";
    static constexpr const char* kReviewDoneNotification = "MNotificationReviewDone";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // Registers the owner tables of every game screen for the interface-file checks.
    static void registerOwners();

    std::string nibIdentifier() const override { return "GameView"; }
    // Also makes this the game screen the later game screens are laid over.
    void initWithNibName(const std::string& nibName) override;
    using RotatedViewController::init;
    // Starts the clock, makes the generators and colours the keys.
    void viewDidLoad() override;
    // The clock stops with the tool.
    void close() override;

    // One clock tick.
    void update();
    void openLevel(const Sender& sender);
    // Opens the review of the newest questions played.
    void openReview(const Sender& sender);
    void doneClick(const Sender& sender);
    void levelNotifications(const fnd::Notification& notification);
    void reviewNotifications(const fnd::Notification& notification);

    const std::shared_ptr<MGameTopic>& currentTopic() const { return currentTopic_; }
    void setCurrentTopic(std::shared_ptr<MGameTopic> topic) { currentTopic_ = std::move(topic); }
    const std::shared_ptr<MGameMetaQuestionCollection>& metaQuestionCollection() const {
        return metaQuestionCollection_;
    }
    // Tests give the game generators that draw from a known source.
    void setMetaQuestionCollection(std::shared_ptr<MGameMetaQuestionCollection> collection) {
        metaQuestionCollection_ = std::move(collection);
    }
    const std::shared_ptr<GameMathVC>& mathVC() const { return mathVC_; }
    const std::shared_ptr<GameReviewVC>& reviewVC() const { return reviewVC_; }
    const std::shared_ptr<fnd::Timer>& displayLink() const { return displayLink_; }
    const std::shared_ptr<ui::View>& buttonsView() const { return buttonsView_; }
    const std::shared_ptr<ui::Button>& reviewBtn() const { return reviewBtn_; }

  protected:
    virtual std::shared_ptr<GameMathVC> makeMathVC();
    virtual std::shared_ptr<GameReviewVC> makeReviewVC();

  private:
    std::shared_ptr<ui::View> buttonsView_;
    std::shared_ptr<ui::Button> backBtn_;
    std::shared_ptr<ui::Button> reviewBtn_;
    std::shared_ptr<fnd::Timer> displayLink_;
    std::shared_ptr<MGameTopic> currentTopic_;
    std::shared_ptr<MGameMetaQuestionCollection> metaQuestionCollection_;
    std::shared_ptr<GameMathVC> mathVC_;
    std::shared_ptr<GameReviewVC> reviewVC_;
};

// The tablet's tool: its own interface file and the tablet's topic list and review.
class GameVC_iPad : public GameVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(GameVC::nibIdentifier()); }

  protected:
    std::shared_ptr<GameMathVC> makeMathVC() override;
    std::shared_ptr<GameReviewVC> makeReviewVC() override;
};
