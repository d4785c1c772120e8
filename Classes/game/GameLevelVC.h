#pragma once
// The level grid of one topic: its levels in rows of five, each a key with the level's number and
// three stars, locked levels without number or stars. A key of an open level opens the play screen
// for that level; when it closes, every key is brought up to date (a level may have opened).

#include <memory>
#include <vector>

#include "Classes/core/GameViewController.h"
#include "platform/ui/Rect.h"

namespace ui {
class Label;
}
class GameBattleVC;
class MGameLevel;
class MGameLevelView;
class MGameTopic;

class GameLevelVC : public GameViewController {
  public:
    static constexpr const char* kLevelDoneNotification = "MNotificationLevelDone";
    static constexpr int kColumns = 5;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "GameLevelView"; }
    // The size of the level keys and their stars.
    virtual double scale() const { return 1.0; }

    using GameViewController::init;
    void init(std::shared_ptr<MGameTopic> topic);
    void viewDidLoad() override;

    // The first cell of the grid: a sixth of the view wide and a quarter high, half a cell in.
    ui::Rect firstLevelFrame() const;
    void showLevels();
    void update();
    // The open child closes with the screen.
    void close() override;
    // The action of an open level's key (tag: the level's number).
    void openBattle(const Sender& sender);
    void battleNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);

    const std::shared_ptr<MGameTopic>& topic() const { return topic_; }
    const std::vector<std::shared_ptr<MGameLevelView>>& levelViews() const { return levelViews_; }
    const std::shared_ptr<GameBattleVC>& battleVC() const { return battleVC_; }

  protected:
    virtual std::shared_ptr<GameBattleVC> makeBattleVC(const std::shared_ptr<MGameLevel>& level);

  private:
    // The key of level i as its state is now: locked, or open with its number and stars.
    void applyLook(std::size_t i);

    std::shared_ptr<ui::Label> topicName_;
    std::shared_ptr<MGameTopic> topic_;
    std::vector<std::shared_ptr<MGameLevelView>> levelViews_;
    std::shared_ptr<GameBattleVC> battleVC_;
};

class GameLevelVC_iPad : public GameLevelVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(GameLevelVC::nibIdentifier()); }
    double scale() const override { return 1.5; }

  protected:
    std::shared_ptr<GameBattleVC> makeBattleVC(const std::shared_ptr<MGameLevel>& level) override;
};
